#pragma once

#include "reports/ReportLayout.h"

#include <QPageLayout>
#include <QPicture>

#include <optional>
#include <vector>

class QPainter;
class QPaintDevice;
class QPrinter;

// The pages the preview shows, prints, exports and saves: either a freshly
// laid-out report or one loaded from a saved report file (one QPicture per
// page).
class ReportDocument {
public:
    ReportDocument() = default;
    explicit ReportDocument(LaidOutReport report);

    int pageCount() const;
    QString title() const { return title_; }
    PageOrientation orientation() const { return orientation_; }
    // US Letter in the report's orientation, no margins: pages are drawn from
    // the corner of the sheet.
    QPageLayout pageLayout() const;
    // Null when the pages came from a file.
    const LaidOutReport* laidOut() const { return laid_ ? &*laid_ : nullptr; }

    // Draws page `index` (0-based) with a painter open on `device`, scaled
    // to the device's resolution.
    void paintPage(QPainter& painter, const QPaintDevice& device, int index) const;
    // Prints pages fromPage..toPage (1-based; 0 for all) on a printer set up
    // by the caller, `copies` times in one job (for printers that cannot make
    // copies themselves). False when painting failed.
    bool print(QPrinter& printer, int fromPage = 0, int toPage = 0, int copies = 1) const;
    bool exportPdf(const QString& path) const;
    QImage renderPage(int index, int dpi) const;

    // The saved report format: a magic number, a version, and a checked
    // block holding the title, the orientation and one QPicture per page.
    // Both return an empty string on success, else the message to show.
    QString save(const QString& path) const;
    static std::optional<ReportDocument> load(const QString& path, QString* error);

private:
    std::vector<QPicture> pictures() const;

    std::optional<LaidOutReport> laid_;
    std::vector<QPicture> pictures_;
    QString title_;
    PageOrientation orientation_ = PageOrientation::Portrait;
};

// Draws one laid-out page; the painter's coordinates must be report units.
void paintLaidOutPage(QPainter& painter, const LaidOutPage& page);
