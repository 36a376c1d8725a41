#pragma once

#include "reports/ReportDocument.h"

#include <QDialog>

#include <memory>

class Prompts;
class QAction;
class QLabel;
class QPrintPreviewWidget;
class QPrinter;

// The "Print Preview" window: the report's pages with zoom, page navigation,
// printer set-up, printing, PDF export and saving / loading of reports. The
// tool buttons carry their command names as hints.
class ReportPreviewWindow : public QDialog {
    Q_OBJECT
public:
    // folder: where the save and open dialogs start.
    ReportPreviewWindow(ReportDocument document, Prompts& prompts, const QString& folder,
                        QWidget* parent = nullptr);
    ~ReportPreviewWindow() override;

    const ReportDocument& document() const { return document_; }
    QPrintPreviewWidget* previewWidget() const { return preview_; }
    // The tool action whose hint is `hint` ("Next page", "Save Report", ...).
    QAction* command(const QString& hint) const;
    int currentPage() const;

    // The commands, also reachable through the tool buttons.
    void zoomToFit();
    void zoomTo100();
    void zoomToWidth();
    void goToPage(int page);
    void printerSetup();
    void printReport();
    void exportPdf();
    void saveReport();
    void loadReport();

private:
    QAction* addCommand(const QString& text, const QString& hint, const QKeySequence& key = {});
    void updatePageLabel();
    void paintPages(QPrinter* printer);

    ReportDocument document_;
    Prompts& prompts_;
    QString folder_;
    std::unique_ptr<QPrinter> printer_;
    QPrintPreviewWidget* preview_ = nullptr;
    QLabel* pageLabel_ = nullptr;
    class QToolBar* toolBar_ = nullptr;
};
