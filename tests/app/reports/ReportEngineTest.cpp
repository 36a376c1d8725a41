#include "reports/ReportDocument.h"
#include "reports/ReportFrames.h"
#include "reports/ReportLayout.h"
#include "setup/SetupLayout.h"
#include "setup/SetupRecord.h"
#include "table/RecordTable.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

using ReportUnits::pt;

std::unique_ptr<tvx::RecordTable> lampTable(int rows)
{
    auto table = std::make_unique<tvx::RecordTable>(std::vector<tvx::Field>{
        tvx::Field::text("Name", 40), tvx::Field::floating("Lumens").withFormat("#.##' lm'")});
    for (int i = 1; i <= rows; ++i) {
        tvx::Record r = table->newRecord();
        r[0] = QStringLiteral("Lamp %1").arg(i, 3, 10, QLatin1Char('0')).toStdString();
        r[1] = 1000.0 + i + 0.25;
        table->appendRecord(std::move(r));
    }
    return table;
}

// A list report as the catalogue windows build them: list frame, column
// titles, one detail line per record with its running number.
struct ListReport {
    tvx::SetupRecord setup;
    std::unique_ptr<tvx::RecordTable> table;
    ReportDefinition report{QStringLiteral("Lamp Database Report")};
    QList<int> hookPages;

    explicit ListReport(int rows, const QString& userName = QStringLiteral("<User Name>"))
        : table(lampTable(rows))
    {
        setup.set(tvx::setup::UserName, userName.toStdString());
        report.setLocale(QLocale::c());
        ReportFrames::addListFrame(report, QStringLiteral("Lamp Database"),
                                   {QStringLiteral("Spring tour"), true, 0});
        const ReportFont font = ReportFont::arial(9);
        ReportBand& columns = report.addBand(BandKind::ColumnHeader, pt(16));
        columns.add(ReportElement::label(QRectF(0, 0, pt(40), pt(14)), QStringLiteral("No."), font.withBold()));
        columns.add(ReportElement::label(QRectF(pt(50), 0, pt(200), pt(14)), QStringLiteral("Name"), font.withBold()));
        ReportBand& detail = report.addBand(BandKind::Detail, pt(12), table.get());
        detail.add(ReportElement::systemValue(QRectF(0, 0, pt(40), pt(12)), SystemValue::DetailNumber, font,
                                              Qt::AlignLeft | Qt::AlignVCenter, {}, QStringLiteral("No")));
        detail.add(ReportElement::field(QRectF(pt(50), 0, pt(200), pt(12)), QStringLiteral("Name"), font,
                                        Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Name")));
        detail.add(ReportElement::field(QRectF(pt(260), 0, pt(100), pt(12)), QStringLiteral("Lumens"), font,
                                        Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Lumens")));
        report.setStartPage([this](ReportDefinition& r, int page) {
            hookPages << page;
            ReportFrames::setFooterText(r, setup);
        });
    }
};

QStringList allNamed(const LaidOutReport& laid, const QString& name)
{
    QStringList out;
    for (const LaidOutPage& page : laid.pages)
        out << page.textsNamed(name);
    return out;
}

// Every item lies inside the printable area of the sheet.
void verifyInsideMargins(const LaidOutReport& laid)
{
    const QRectF area(laid.margin, laid.margin, laid.pageWidth - 2 * laid.margin, laid.pageHeight - 2 * laid.margin);
    for (int p = 0; p < laid.pageCount(); ++p)
        for (const LaidOutItem& item : laid.pages[std::size_t(p)].items)
            QVERIFY2(area.adjusted(-1, -1, 1, 1).contains(item.rect.topLeft()) &&
                         area.adjusted(-1, -1, 1, 1).contains(item.rect.bottomRight()),
                     qPrintable(QStringLiteral("page %1: '%2' outside the printable area").arg(p + 1).arg(item.text)));
}

int pdfPageCount(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray bytes = file.readAll();
    return int(bytes.count("/Type /Page\n") + bytes.count("/Type /Page ") + bytes.count("/Type /Page/") +
               bytes.count("/Type /Page>"));
}

} // namespace

class ReportEngineTest : public QObject {
    Q_OBJECT
private slots:
    void listReportRepeatsHeaderAndFooterOnEveryPage()
    {
        ListReport f(150);
        f.table->moveTo(5);
        const LaidOutReport laid = layoutReport(f.report);

        QCOMPARE(laid.pageCount(), 3);
        QCOMPARE(f.hookPages, QList<int>({1, 2, 3}));
        for (int p = 0; p < 3; ++p) {
            const LaidOutPage& page = laid.pages[std::size_t(p)];
            QCOMPARE(page.textsNamed(ReportFrames::HeadingLabel), QStringList{QStringLiteral("Lamp Database")});
            QCOMPARE(page.textsNamed(ReportFrames::SubHeadingLabel), QStringList{QStringLiteral("Spring tour")});
            QCOMPARE(page.textsNamed(ReportFrames::PageNumberValue), QStringList{QString::number(p + 1)});
            QCOMPARE(page.textsNamed(ReportFrames::ReportTitleValue),
                     QStringList{QStringLiteral("Lamp Database Report")});
            QCOMPARE(page.textsNamed(ReportFrames::FooterTextLabel),
                     QStringList{QStringLiteral("This report was produce by the Trovanex Voze for <User Name>")});
            QVERIFY(page.hasText(QStringLiteral("No.")));
        }
        // Every record once, in order, numbered from 1, none lost at a page break.
        QStringList numbers;
        QStringList names;
        for (int i = 1; i <= 150; ++i) {
            numbers << QString::number(i);
            names << QStringLiteral("Lamp %1").arg(i, 3, 10, QLatin1Char('0'));
        }
        QCOMPARE(allNamed(laid, QStringLiteral("No")), numbers);
        QCOMPARE(allNamed(laid, QStringLiteral("Name")), names);
        verifyInsideMargins(laid);
        QCOMPARE(f.table->currentRow(), std::size_t(5)); // the table's cursor stays where it was
    }

    void detailFollowsTableOrderAndFilter()
    {
        ListReport f(10);
        f.table->setSort("Name", tvx::SortDirection::Descending);
        f.table->setFilter([](const tvx::Record& r) { return std::get<double>(r[1]) < 1005.0; });
        f.table->setFiltered(true);
        const LaidOutReport laid = layoutReport(f.report);
        QCOMPARE(allNamed(laid, QStringLiteral("Name")),
                 QStringList({QStringLiteral("Lamp 004"), QStringLiteral("Lamp 003"), QStringLiteral("Lamp 002"),
                              QStringLiteral("Lamp 001")}));
        QCOMPARE(allNamed(laid, QStringLiteral("No")), QStringList({"1", "2", "3", "4"}));
    }

    void emptyTablePrintsHeaderAndFooterOnOnePage()
    {
        ListReport f(0);
        const LaidOutReport laid = layoutReport(f.report);
        QCOMPARE(laid.pageCount(), 1);
        const LaidOutPage& page = laid.pages.front();
        QCOMPARE(page.textsNamed(ReportFrames::HeadingLabel).size(), 1);
        QCOMPARE(page.textsNamed(ReportFrames::PageNumberValue), QStringList{"1"});
        QCOMPARE(page.textsNamed(ReportFrames::FooterTextLabel).size(), 1);
        QVERIFY(page.textsNamed(QStringLiteral("Name")).isEmpty());
    }

    void footerText_data()
    {
        QTest::addColumn<QString>("userName");
        QTest::addColumn<bool>("maker");
        QTest::addColumn<QString>("expected");
        QTest::newRow("placeholder") << "<User Name>" << false
                                     << "This report was produce by the Trovanex Voze for <User Name>";
        QTest::newRow("name") << "Dana Reyes" << false << "This report was produce by the Trovanex Voze for Dana Reyes";
        QTest::newRow("empty") << "" << false << "This report was produce by the Trovanex Voze for ";
        QTest::newRow("dmx") << "Dana" << true << "This report was produce by the Trovanex for Dana";
    }
    void footerText()
    {
        QFETCH(QString, userName);
        QFETCH(bool, maker);
        QFETCH(QString, expected);
        tvx::SetupRecord setup;
        setup.set(tvx::setup::UserName, userName.toStdString());
        const auto kind = maker ? ReportFrames::FooterKind::Maker : ReportFrames::FooterKind::Program;
        QCOMPARE(ReportFrames::footerText(setup, kind), expected);
        // And what the footer label prints after the start-of-page hook.
        ReportDefinition report(QStringLiteral("T"));
        ReportFrames::addCalculationFrame(report, QStringLiteral("Heading"));
        report.setStartPage([&](ReportDefinition& r, int) { ReportFrames::setFooterText(r, setup, kind); });
        QCOMPARE(layoutReport(report).pages.front().textsNamed(ReportFrames::FooterTextLabel), QStringList{expected});
    }

    void fieldValuesUseDisplayFormatInLocale_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("first");
        QTest::newRow("C") << QLocale::c() << "1001.25 lm";
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << "1001,25 lm";
    }
    void fieldValuesUseDisplayFormatInLocale()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, first);
        ListReport f(2);
        f.report.setLocale(locale);
        QCOMPARE(allNamed(layoutReport(f.report), QStringLiteral("Lumens")).value(0), first);
    }

    void systemValues()
    {
        ListReport f(1);
        f.report.setPrintTime(QDateTime(QDate(2024, 3, 9), QTime(14, 5)));
        f.report.setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        const LaidOutPage page = layoutReport(f.report).pages.front();
        const QString when = page.textsNamed(ReportFrames::DateTimeValue).value(0);
        QVERIFY2(when.contains(QStringLiteral("3/9/24")) && when.contains(QStringLiteral("2:05")), qPrintable(when));
    }

    void missingRunTimeFilesPrintWithoutThem()
    {
        QTemporaryDir dir;
        ReportDefinition report(QStringLiteral("Basic"));
        ReportFrames::addCalculationFrame(report, QStringLiteral("Basic Report"));
        ReportBand& detail = report.addBand(BandKind::Detail, pt(200));
        detail.add(ReportElement::imageFile(QRectF(0, 0, pt(100), pt(100)), dir.filePath("missing.bmp"),
                                            QStringLiteral("Picture")));
        detail.add(ReportElement::textFile(QRectF(0, pt(110), pt(300), pt(60)), dir.filePath("missing.txt"),
                                           ReportFont::arial(9), false, QStringLiteral("Warning")));
        detail.add(ReportElement::label(QRectF(0, pt(180), pt(100), pt(12)), QStringLiteral("P = Watts")));
        LaidOutReport laid = layoutReport(report);
        QCOMPARE(laid.pageCount(), 1);
        QVERIFY(laid.pages.front().hasText(QStringLiteral("P = Watts")));
        QVERIFY(laid.pages.front().textsNamed(QStringLiteral("Warning")).isEmpty());
        for (const LaidOutItem& item : laid.pages.front().items)
            QVERIFY(item.kind != LaidOutItem::Kind::Image);

        // The same files present: a Windows-1252 text and a picture.
        QFile text(dir.filePath("missing.txt"));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("Amps\xb2 rule.\r\nSecond line.\r\n");
        text.close();
        QImage picture(40, 20, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(dir.filePath("missing.bmp")));
        laid = layoutReport(report);
        QCOMPARE(laid.pages.front().textsNamed(QStringLiteral("Warning")),
                 QStringList({QStringLiteral("Amps\u00b2 rule."), QStringLiteral("Second line.")}));
        const auto image = std::find_if(laid.pages.front().items.begin(), laid.pages.front().items.end(),
                                        [](const LaidOutItem& i) { return i.kind == LaidOutItem::Kind::Image; });
        QVERIFY(image != laid.pages.front().items.end());
        QCOMPARE(image->rect.width(), 2 * image->rect.height()); // aspect kept
    }

    void longTextBlockGrowsAndContinuesOnNextPages()
    {
        ReportDefinition report(QStringLiteral("Basic Electrical Formulas"));
        ReportFrames::addCalculationFrame(report, QStringLiteral("Basic Electrical Formulas Report"), pt(30));
        ReportBand& detail = report.addBand(BandKind::Detail, pt(120));
        detail.add(ReportElement::label(QRectF(0, 0, pt(100), pt(14)), QStringLiteral("E = Volts")));
        detail.add(ReportElement::textBlock(QRectF(0, pt(20), report.contentWidth(), pt(20)), {},
                                            ReportFont::arial(12), true, QStringLiteral("MemoText")));
        QStringList lines;
        for (int i = 1; i <= 120; ++i)
            lines << QStringLiteral("%1: (2 Amps\u00b2 * 10 Ohms) = 40.00 Watts").arg(i);
        report.setStartPage([&](ReportDefinition& r, int) { r.setText(QStringLiteral("MemoText"), lines.join('\n')); });

        const LaidOutReport laid = layoutReport(report);
        QVERIFY(laid.pageCount() >= 3);
        QCOMPARE(allNamed(laid, QStringLiteral("MemoText")), lines);
        QCOMPARE(allNamed(laid, QStringLiteral("QRLabelTrovanex")).size(), 1); // title band on page 1 only
        for (const LaidOutPage& page : laid.pages)
            QCOMPARE(page.textsNamed(ReportFrames::FooterTextLabel).size(), 1);
        verifyInsideMargins(laid);

        // Long lines wrap at the block's width instead of running off the page.
        report.setStartPage({});
        report.setText(QStringLiteral("MemoText"), QString(40, QLatin1Char('x')).append(' ').repeated(20));
        verifyInsideMargins(layoutReport(report));
    }

    void pdfExportHasOnePagePerReportPage()
    {
        QTemporaryDir dir;
        ListReport f(150);
        const ReportDocument doc(layoutReport(f.report));
        const QString path = dir.filePath(QStringLiteral("lamps.pdf"));
        QVERIFY(doc.exportPdf(path));
        QCOMPARE(pdfPageCount(path), 3);
    }

    void savedReportLoadsBackAndDrawsTheSame()
    {
        QTemporaryDir dir;
        ListReport f(70);
        f.report.setOrientation(PageOrientation::Landscape);
        const ReportDocument doc(layoutReport(f.report));
        const QString path = dir.filePath(QStringLiteral("lamps.tvr"));
        QCOMPARE(doc.save(path), QString());
        QString error;
        const std::optional<ReportDocument> loaded = ReportDocument::load(path, &error);
        QVERIFY2(loaded.has_value(), qPrintable(error));
        QCOMPARE(loaded->pageCount(), doc.pageCount());
        QCOMPARE(loaded->title(), QStringLiteral("Lamp Database Report"));
        QCOMPARE(loaded->orientation(), PageOrientation::Landscape);
        // Both draw the same page: few pixels differ (text anti-aliasing only).
        const QImage a = doc.renderPage(1, 72);
        const QImage b = loaded->renderPage(1, 72);
        QCOMPARE(a.size(), b.size());
        QCOMPARE(a.width(), 792); // landscape Letter
        int differ = 0;
        int ink = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x) {
                ink += a.pixel(x, y) != qRgb(255, 255, 255);
                differ += qAbs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) > 96;
            }
        QVERIFY(ink > 1000);
        QVERIFY2(differ < ink / 10, qPrintable(QStringLiteral("%1 of %2").arg(differ).arg(ink)));
        QVERIFY(loaded->exportPdf(dir.filePath(QStringLiteral("again.pdf"))));
        QCOMPARE(pdfPageCount(dir.filePath(QStringLiteral("again.pdf"))), 2);
    }

    void damagedReportFileIsRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("truncateTo"); // -1: keep the whole file
        QTest::addColumn<int>("flipAt");     // -1: no flipped byte
        QTest::newRow("truncated") << QByteArray() << 300 << -1;
        QTest::newRow("flipped byte") << QByteArray() << -1 << 2000;
        QTest::newRow("header only") << QByteArray() << 6 << -1;
        QTest::newRow("not a report") << QByteArray("Name,Lumens\r\nLamp,1000\r\n") << -1 << -1;
        QTest::newRow("empty") << QByteArray("") << -1 << -1;
    }
    void damagedReportFileIsRefused()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, truncateTo);
        QFETCH(int, flipAt);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("bad.tvr"));
        if (bytes.isNull()) {
            ListReport f(70);
            QCOMPARE(ReportDocument(layoutReport(f.report)).save(path), QString());
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            bytes = file.readAll();
            file.close();
            if (truncateTo >= 0)
                bytes.truncate(truncateTo);
            if (flipAt >= 0)
                bytes[flipAt] = char(bytes[flipAt] ^ 0x5a);
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        QString error;
        QVERIFY(!ReportDocument::load(path, &error).has_value());
        QVERIFY2(error.contains(QStringLiteral("damaged")), qPrintable(error));

        QVERIFY(!ReportDocument::load(dir.filePath(QStringLiteral("none.tvr")), &error).has_value());
        QVERIFY(error.contains(QStringLiteral("could not be opened")));
    }
};

QTEST_MAIN(ReportEngineTest)
#include "ReportEngineTest.moc"
