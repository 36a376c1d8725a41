#include "../shell/ShellFixture.h"

#include "reports/ReportFrames.h"
#include "reports/ReportPreview.h"
#include "reports/ReportPreviewWindow.h"
#include "shell/AppContext.h"
#include "shell/ModuleTable.h"
#include "widgets/ModuleWindow.h"

#include <QAction>
#include <QPointer>
#include <QPrintPreviewWidget>
#include <QTimer>
#include <QtTest>

namespace {

using ReportUnits::pt;

// A calculation report of `pages` pages: one detail band per page.
ReportDefinition sampleReport(int pages)
{
    ReportDefinition report(QStringLiteral("Sample Report"));
    ReportFrames::addCalculationFrame(report, QStringLiteral("Sample Heading"));
    for (int i = 0; i < pages; ++i) {
        ReportBand& detail = report.addBand(BandKind::Detail, report.contentHeight() * 0.7);
        detail.add(ReportElement::label(QRectF(0, 0, pt(200), pt(14)), QStringLiteral("Section %1").arg(i + 1)));
    }
    return report;
}

std::unique_ptr<ReportPreviewWindow> openWindow(int pages, Prompts& prompts, const QString& folder)
{
    ReportDefinition report = sampleReport(pages);
    auto window = std::make_unique<ReportPreviewWindow>(ReportDocument(layoutReport(report)), prompts, folder);
    window->show();
    return window;
}

} // namespace

class ReportPreviewTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs); }

    void windowOffersTheCommands()
    {
        ScriptedPrompts prompts;
        const auto window = openWindow(3, prompts, QDir::tempPath());
        QCOMPARE(window->windowTitle(), QStringLiteral("Print Preview"));
        for (const char* hint : {"Zoom to fit", "100%", "Zoom to width", "First page", "Previous page", "Next page",
                                 "Last page", "Printer setup", "Print", "Save Report", "Load Report", "&Close",
                                 "Export PDF"})
            QVERIFY2(window->command(QString::fromUtf8(hint)) != nullptr, hint);
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QTRY_COMPARE(window->previewWidget()->pageCount(), 3);
    }

    void navigationCommandsMoveThroughThePages()
    {
        ScriptedPrompts prompts;
        const auto window = openWindow(3, prompts, QDir::tempPath());
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QTRY_COMPARE(window->previewWidget()->pageCount(), 3);
        const struct {
            const char* hint;
            int page;
        } steps[] = {{"Last page", 3}, {"Next page", 3},     {"Previous page", 2},
                     {"First page", 1}, {"Previous page", 1}, {"Next page", 2}};
        for (const auto& step : steps) {
            window->command(QString::fromUtf8(step.hint))->trigger();
            QCOMPARE(window->currentPage(), step.page);
        }
        window->command(QStringLiteral("100%"))->trigger();
        QCOMPARE(window->previewWidget()->zoomFactor(), 1.0);
        window->command(QStringLiteral("&Close"))->trigger();
        QVERIFY(!window->isVisible());
    }

    void saveLoadAndExportGoThroughPrompts()
    {
        QTemporaryDir dir;
        ScriptedPrompts prompts;
        const auto window = openWindow(2, prompts, dir.path());
        const QString saved = dir.filePath(QStringLiteral("two.tvr"));
        prompts.queuePath(saved);
        window->command(QStringLiteral("Save Report"))->trigger();
        QCOMPARE(prompts.fileDialogs().back().fileName, QStringLiteral("Sample Report.tvr"));
        QVERIFY(QFile::exists(saved));

        // A one-page report window loads the two-page one.
        const auto other = openWindow(1, prompts, dir.path());
        prompts.queuePath(saved);
        other->command(QStringLiteral("Load Report"))->trigger();
        QCOMPARE(other->document().pageCount(), 2);
        QVERIFY(prompts.askedTexts().isEmpty());

        const QString pdf = dir.filePath(QStringLiteral("two.pdf"));
        prompts.queuePath(pdf);
        other->command(QStringLiteral("Export PDF"))->trigger();
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith("%PDF"));

        // A damaged file: a clear message, and the pages shown stay.
        QFile bad(dir.filePath(QStringLiteral("bad.tvr")));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("PK\x03\x04 not a report");
        bad.close();
        prompts.queuePath(bad.fileName());
        other->command(QStringLiteral("Load Report"))->trigger();
        QCOMPARE(prompts.asked().size(), 1);
        QCOMPARE(prompts.asked().front().icon, Prompts::Icon::Error);
        QVERIFY(prompts.askedTexts().front().contains(QStringLiteral("damaged")));
        QCOMPARE(other->document().pageCount(), 2);

        // Cancelled dialogs do nothing.
        prompts.clear();
        other->command(QStringLiteral("Load Report"))->trigger();
        other->command(QStringLiteral("Save Report"))->trigger();
        QVERIFY(prompts.askedTexts().isEmpty());
    }

    // The preview blocks its caller, so the module is closed from a timer
    // that fires inside the preview's own event loop.
    void closingTheModuleClosesItsPreviewFirst_data()
    {
        QTest::addColumn<bool>("closeAll");
        QTest::newRow("close all") << true;
        QTest::newRow("toolbar toggle") << false;
    }
    void closingTheModuleClosesItsPreviewFirst()
    {
        QFETCH(bool, closeAll);
        ShellFixture f;
        TFormMain& main = f.start();
        const std::size_t index = moduleIndexOfClass("TFormElectricalPhaseLoad");
        main.toggleModule(index);
        QPointer<ModuleWindow> module = qobject_cast<ModuleWindow*>(main.moduleWindow(index));
        QVERIFY(module);
        ReportDefinition report = sampleReport(2);

        QPointer<QWidget> preview;
        bool previewWasModal = false;
        bool returned = false;
        bool moduleAliveAfterReturn = false;
        QTimer::singleShot(0, module, [&]() {
            QTimer::singleShot(50, &main, [&]() {
                preview = module->openPreview();
                previewWasModal = preview && preview->isVisible() && preview->windowModality() == Qt::WindowModal &&
                                  preview->parentWidget() == module;
                if (closeAll)
                    main.CloseModule();
                else
                    main.toggleModule(index);
            });
            showReportPreview(module, report, module->context());
            returned = true;
            // The print code can still finish on its window.
            moduleAliveAfterReturn = !module.isNull() && module->closedUnderPreview();
        });
        QTRY_VERIFY(returned);
        QVERIFY(previewWasModal);
        QVERIFY(moduleAliveAfterReturn);
        QVERIFY(main.moduleWindow(index) == nullptr);
        QTRY_VERIFY(preview.isNull());
        QTRY_VERIFY(module.isNull());

        // The module opens again and prints afresh.
        main.toggleModule(index);
        QVERIFY(main.moduleWindow(index) != nullptr);
    }
};

QTEST_MAIN(ReportPreviewTest)
#include "ReportPreviewTest.moc"
