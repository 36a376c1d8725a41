#include "reports/ReportPreviewWindow.h"

#include "reports/ReportPreview.h"
#include "shell/AppContext.h"
#include "shell/Prompts.h"
#include "widgets/ModuleWindow.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString ReportFilter = QStringLiteral("Trovanex Report (*.tvr)");
const QString PdfFilter = QStringLiteral("PDF Document (*.pdf)");

QString safeFileName(const QString& title)
{
    QString name = title.trimmed();
    for (QChar& c : name)
        if (QStringLiteral("\\/:*?\"<>|").contains(c))
            c = QLatin1Char('_');
    return name.isEmpty() ? QStringLiteral("Report") : name;
}

} // namespace

ReportPreviewWindow::ReportPreviewWindow(ReportDocument document, Prompts& prompts, const QString& folder,
                                         QWidget* parent)
    : QDialog(parent), document_(std::move(document)), prompts_(prompts), folder_(folder),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    setObjectName(QStringLiteral("ReportPreview"));
    setWindowTitle(QStringLiteral("Print Preview"));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    printer_->setFullPage(true);
    printer_->setPageLayout(document_.pageLayout());
    printer_->setDocName(document_.title());

    toolBar_ = new QToolBar(this);
    toolBar_->setObjectName(QStringLiteral("PreviewToolBar"));
    toolBar_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    toolBar_->setMovable(false);

    preview_ = new QPrintPreviewWidget(printer_.get(), this);
    preview_->setObjectName(QStringLiteral("PreviewPages"));
    connect(preview_, &QPrintPreviewWidget::paintRequested, this, &ReportPreviewWindow::paintPages);
    connect(preview_, &QPrintPreviewWidget::previewChanged, this, &ReportPreviewWindow::updatePageLabel);

    connect(addCommand(QStringLiteral("Fit"), QStringLiteral("Zoom to fit")), &QAction::triggered, this,
            &ReportPreviewWindow::zoomToFit);
    connect(addCommand(QStringLiteral("100%"), QStringLiteral("100%")), &QAction::triggered, this,
            &ReportPreviewWindow::zoomTo100);
    connect(addCommand(QStringLiteral("Width"), QStringLiteral("Zoom to width")), &QAction::triggered, this,
            &ReportPreviewWindow::zoomToWidth);
    toolBar_->addSeparator();
    connect(addCommand(QStringLiteral("|<"), QStringLiteral("First page"), QKeySequence(Qt::CTRL | Qt::Key_Home)),
            &QAction::triggered, this, [this]() { goToPage(1); });
    connect(addCommand(QStringLiteral("<"), QStringLiteral("Previous page"), QKeySequence(Qt::Key_PageUp)),
            &QAction::triggered, this, [this]() { goToPage(currentPage() - 1); });
    pageLabel_ = new QLabel(this);
    pageLabel_->setObjectName(QStringLiteral("PreviewPageLabel"));
    pageLabel_->setContentsMargins(8, 0, 8, 0);
    toolBar_->addWidget(pageLabel_);
    connect(addCommand(QStringLiteral(">"), QStringLiteral("Next page"), QKeySequence(Qt::Key_PageDown)),
            &QAction::triggered, this, [this]() { goToPage(currentPage() + 1); });
    connect(addCommand(QStringLiteral(">|"), QStringLiteral("Last page"), QKeySequence(Qt::CTRL | Qt::Key_End)),
            &QAction::triggered, this, [this]() { goToPage(document_.pageCount()); });
    toolBar_->addSeparator();
    connect(addCommand(QStringLiteral("Setup"), QStringLiteral("Printer setup")), &QAction::triggered, this,
            &ReportPreviewWindow::printerSetup);
    connect(addCommand(QStringLiteral("Print"), QStringLiteral("Print"), QKeySequence::Print), &QAction::triggered,
            this, &ReportPreviewWindow::printReport);
    connect(addCommand(QStringLiteral("PDF"), QStringLiteral("Export PDF")), &QAction::triggered, this,
            &ReportPreviewWindow::exportPdf);
    toolBar_->addSeparator();
    connect(addCommand(QStringLiteral("Save"), QStringLiteral("Save Report"), QKeySequence::Save),
            &QAction::triggered, this, &ReportPreviewWindow::saveReport);
    connect(addCommand(QStringLiteral("Load"), QStringLiteral("Load Report"), QKeySequence::Open),
            &QAction::triggered, this, &ReportPreviewWindow::loadReport);
    toolBar_->addSeparator();
    connect(addCommand(QStringLiteral("&Close"), QStringLiteral("&Close")), &QAction::triggered, this,
            &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar_);
    layout->addWidget(preview_, 1);

    // Tall enough for a whole portrait page at a readable size.
    QSize size(900, 1000);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableSize() * 0.9);
    resize(size);
    preview_->fitInView();
    updatePageLabel();
}

ReportPreviewWindow::~ReportPreviewWindow() = default;

QAction* ReportPreviewWindow::addCommand(const QString& text, const QString& hint, const QKeySequence& key)
{
    QAction* action = toolBar_->addAction(text);
    action->setToolTip(hint);
    action->setStatusTip(hint);
    if (!key.isEmpty())
        action->setShortcut(key);
    return action;
}

QAction* ReportPreviewWindow::command(const QString& hint) const
{
    for (QAction* action : toolBar_->actions())
        if (action->toolTip() == hint)
            return action;
    return nullptr;
}

int ReportPreviewWindow::currentPage() const
{
    return preview_->currentPage();
}

void ReportPreviewWindow::paintPages(QPrinter* printer)
{
    document_.print(*printer);
}

void ReportPreviewWindow::updatePageLabel()
{
    const int count = document_.pageCount();
    pageLabel_->setText(count == 0 ? QStringLiteral("No pages")
                                   : QStringLiteral("Page %1 of %2").arg(std::max(1, currentPage())).arg(count));
}

void ReportPreviewWindow::zoomToFit()
{
    preview_->fitInView();
}

void ReportPreviewWindow::zoomTo100()
{
    preview_->setZoomMode(QPrintPreviewWidget::CustomZoom);
    preview_->setZoomFactor(1.0);
}

void ReportPreviewWindow::zoomToWidth()
{
    preview_->fitToWidth();
}

void ReportPreviewWindow::goToPage(int page)
{
    const int count = document_.pageCount();
    if (count == 0)
        return;
    preview_->setCurrentPage(std::clamp(page, 1, count));
    updatePageLabel();
}

void ReportPreviewWindow::printerSetup()
{
    QPageSetupDialog dialog(printer_.get(), this);
    if (dialog.exec() == QDialog::Accepted)
        preview_->updatePreview();
}

void ReportPreviewWindow::printReport()
{
    QPrintDialog dialog(printer_.get(), this);
    dialog.setWindowTitle(QStringLiteral("Print"));
    dialog.setMinMax(1, std::max(1, document_.pageCount()));
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, true);
    if (dialog.exec() != QDialog::Accepted)
        return;
    int from = 0;
    int to = 0;
    if (printer_->printRange() == QPrinter::PageRange) {
        from = printer_->fromPage();
        to = printer_->toPage();
    } else if (printer_->printRange() == QPrinter::CurrentPage) {
        from = to = currentPage();
    }
    // Most print systems make the copies; otherwise the pages are repeated.
    const int copies = printer_->supportsMultipleCopies() ? 1 : printer_->copyCount();
    if (!document_.print(*printer_, from, to, copies))
        prompts_.error(this, QStringLiteral("The report could not be printed."));
    // The preview keeps drawing through the same printer.
    preview_->updatePreview();
}

void ReportPreviewWindow::exportPdf()
{
    Prompts::FileDialog dialog;
    dialog.caption = QStringLiteral("Export PDF");
    dialog.folder = folder_;
    dialog.fileName = safeFileName(document_.title()) + QStringLiteral(".pdf");
    dialog.filter = PdfFilter;
    dialog.defaultSuffix = QStringLiteral("pdf");
    const QString path = prompts_.saveFile(this, dialog);
    if (path.isEmpty())
        return;
    if (!document_.exportPdf(path))
        prompts_.error(this, QStringLiteral("The PDF file \"%1\" could not be written.").arg(path));
}

void ReportPreviewWindow::saveReport()
{
    Prompts::FileDialog dialog;
    dialog.caption = QStringLiteral("Save Report");
    dialog.folder = folder_;
    dialog.fileName = safeFileName(document_.title()) + QStringLiteral(".tvr");
    dialog.filter = ReportFilter;
    dialog.defaultSuffix = QStringLiteral("tvr");
    const QString path = prompts_.saveFile(this, dialog);
    if (path.isEmpty())
        return;
    const QString error = document_.save(path);
    if (!error.isEmpty())
        prompts_.error(this, error);
}

void ReportPreviewWindow::loadReport()
{
    Prompts::FileDialog dialog;
    dialog.caption = QStringLiteral("Load Report");
    dialog.folder = folder_;
    dialog.filter = ReportFilter;
    const QString path = prompts_.openFile(this, dialog);
    if (path.isEmpty())
        return;
    QString error;
    std::optional<ReportDocument> loaded = ReportDocument::load(path, &error);
    if (!loaded) {
        prompts_.error(this, error);
        return;
    }
    document_ = std::move(*loaded);
    printer_->setPageLayout(document_.pageLayout());
    printer_->setDocName(document_.title());
    preview_->updatePreview();
    goToPage(1);
}

void showReportPreview(ModuleWindow* module, ReportDefinition& report, AppContext& context)
{
    QPointer<ModuleWindow> owner(module);
    QPointer<ReportPreviewWindow> window =
        new ReportPreviewWindow(ReportDocument(layoutReport(report)), context.prompts(), context.userDataFolder(),
                                module);
    // Modal for its module window only; without one, for the application.
    window->setWindowModality(module != nullptr ? Qt::WindowModal : Qt::ApplicationModal);
    if (owner)
        owner->setOpenPreview(window);
    window->exec();
    delete window.data();
    if (owner)
        owner->setOpenPreview(nullptr);
}
