#include "catalogue/CatalogueSet.h"
#include "shell/FilePaths.h"

#include <QFile>
#include <QImage>
#include <QtTest>

// Everything that ships beside the program must load without an error.
class ShippedFilesTest : public QObject {
    Q_OBJECT
    const QString resources = QStringLiteral(TVX_SHIPPED_DIR "/Resources/");

private slots:
    void everyPictureLoads_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("size"); // square pictures; 0 = any size
        for (const char* n : {"Bulboff.bmp", "Electrical_Formula.bmp", "Electrical Load.bmp",
                              "Electrical Load List.bmp", "Voltage Drop.bmp", "Resistance.bmp", "Rigging.bmp",
                              "Weight Load List.bmp", "Truck Load List.bmp", "Converter.bmp", "DMX.bmp",
                              "TABLEmanufacturer.BMP", "TABLEFixture.BMP", "TABLERoadCase.BMP", "Preferences.bmp",
                              "Help.bmp", "MinimizedWindow.bmp", "CloseWindow.bmp", "DownArrow.bmp"})
            QTest::newRow(n) << QString::fromLatin1(n) << 26;
        for (const char* n : {"Save.bmp", "Open.bmp", "Print.bmp", "DeleteLine.bmp", "ClearList.bmp", "Add.bmp",
                              "PrintPreview.bmp", "AddMultiple.bmp", "ApplyLine.bmp", "balance.bmp",
                              "ARROWLeft.BMP", "ARROWRight.BMP", "grphpie.bmp", "RiggingPrintFormulas.bmp"})
            QTest::newRow(n) << QString::fromLatin1(n) << 24;
        for (const char* n : {"TVX_Logo.bmp", "TrayIcon.bmp", "ohmlaw.bmp", "Photometric_plot.bmp", "RiggingS.bmp",
                              "RiggingL.bmp"})
            QTest::newRow(n) << QString::fromLatin1(n) << 0;
    }

    void everyPictureLoads()
    {
        QFETCH(QString, name);
        QFETCH(int, size);
        const QImage image(resources + name);
        QVERIFY2(!image.isNull(), qPrintable(name));
        if (size > 0)
            QCOMPARE(image.size(), QSize(size, size));
    }

    void warningTextsAreThere()
    {
        for (const char* n : {"1phasewarning.rtf", "3phasewarning.rtf", "Printphasewarning.txt"}) {
            QFile file(resources + QLatin1String(n));
            QVERIFY2(file.open(QIODevice::ReadOnly), n);
            QVERIFY(file.size() > 0);
        }
    }

    void defaultCataloguesLoadWithoutAnError()
    {
        const QString data = QStringLiteral(TVX_SHIPPED_DIR "/Data");
        if (!QFile::exists(data + QStringLiteral("/DataFixture.dbd")))
            QSKIP("no default catalogues shipped");
        QTemporaryDir dir;
        for (const char* n : {"DataFixture.dbd", "DataManufacturer.dbd"})
            QVERIFY(QFile::copy(data + "/" + QLatin1String(n), dir.path() + "/" + QLatin1String(n)));
        tvx::catalogue::CatalogueSet set(toFsPath(dir.path()));
        const auto notices = set.openAll();
        for (const auto& n : notices)
            qWarning("%s", n.text.c_str());
        QVERIFY(notices.empty());
        QVERIFY(set.TableFixture().totalCount() >= 40);
        // Every fixture names a manufacturer of the default catalogue.
        tvx::RecordTable& makers = set.TableManufacturer();
        const std::size_t makerField = makers.requireIndex("Manufacturer");
        std::set<std::string> known;
        for (const tvx::Record* r : makers.recordsInOrder())
            known.insert(std::get<std::string>(r->values[makerField]));
        tvx::RecordTable& fixtures = set.TableFixture();
        const std::size_t fixtureMaker = fixtures.requireIndex("Manufacturer");
        for (const tvx::Record* r : fixtures.recordsInOrder()) {
            const auto* m = std::get_if<std::string>(&r->values[fixtureMaker]);
            QVERIFY(m != nullptr);
            QVERIFY2(known.count(*m) == 1, m->c_str());
        }
    }
};

QTEST_MAIN(ShippedFilesTest)
#include "ShippedFilesTest.moc"
