#pragma once

#include "catalogue/CatalogueSet.h"
#include "setup/SetupRecord.h"

#include <QObject>
#include <QString>

#include <memory>

class DataSource;
class Prompts;

// What the toolbar window shares with the windows it opens: the setup record,
// the folders, the module filter text and the prompts. One instance per run,
// owned by the toolbar window and handed to every window it creates.
class AppContext : public QObject {
    Q_OBJECT
public:
    // startupFolder: the working folder at start; Data/ and Resources/ hang below it.
    AppContext(const QString& startupFolder, Prompts& prompts, QObject* parent = nullptr);
    ~AppContext() override;

    tvx::SetupRecord& setup() { return setup_; }
    const tvx::SetupRecord& setup() const { return setup_; }
    Prompts& prompts() { return prompts_; }

    // The reference catalogues and the data sources windows bind to.
    tvx::catalogue::CatalogueSet& catalogues() { return *catalogues_; }
    DataSource& DataSourceFixture() { return *dataSourceFixture_; }
    DataSource& DataSourceManufacturer() { return *dataSourceManufacturer_; }
    DataSource& DataSourceSource() { return *dataSourceSource_; }
    DataSource& DataSourceRoadcase() { return *dataSourceRoadcase_; }

    // The check mark of "Save Default Data": the default catalogues may be
    // edited and are written back to their files.
    bool saveDefaultData() const { return saveDefaultData_; }
    void setSaveDefaultData(bool on);

    // Folder texts end with the separator.
    QString startupFolder() const { return startupFolder_; }
    QString dataFolder() const { return startupFolder_ + QStringLiteral("Data/"); }
    QString resourcesFolder() const { return startupFolder_ + QStringLiteral("Resources/"); }
    QString resourcePath(const QString& fileName) const { return resourcesFolder() + fileName; }
    QString setupFilePath() const { return dataFolder() + QStringLiteral("TvxSetup.tvx"); }

    // Where list dialogs start: the folder chosen in Preferences when it
    // exists, otherwise the data folder.
    QString userDataFolder() const { return userDataFolder_; }
    // Re-reads the chosen folder from the setup record.
    void updateUserDataFolder();

    // The folder of the last list file opened or saved; the start-up folder
    // until one was.
    QString lastListFolder() const { return lastListFolder_; }
    void setLastListFolder(const QString& folder);

    // The manufacturer shown by the module windows' shared filter.
    QString moduleFilterText() const { return moduleFilterText_; }
    void setModuleFilterText(const QString& text);

    // The General Converter's display precision and digits, held for the
    // whole run and kept in the setup record's shell copy.
    int converterPrecision() const { return converterPrecision_; }
    int converterDigits() const { return converterDigits_; }
    void setConverterFormat(int precision, int digits);

    // Preferences tell the toolbar about changes it acts on at once.
    void notifyTrayIconSettingChanged() { emit trayIconSettingChanged(); }
    void notifyDefaultDatabaseChanged() { emit defaultDatabaseChanged(); }
    void notifyStayOnTopChanged() { emit stayOnTopChanged(); }

signals:
    void moduleFilterTextChanged(const QString& text);
    void trayIconSettingChanged();
    void defaultDatabaseChanged();
    void stayOnTopChanged();
    void saveDefaultDataChanged(bool on);

private:
    static QString withSeparator(const QString& folder);

    tvx::SetupRecord setup_;
    Prompts& prompts_;
    QString startupFolder_;
    std::unique_ptr<tvx::catalogue::CatalogueSet> catalogues_;
    DataSource* dataSourceFixture_ = nullptr;
    DataSource* dataSourceManufacturer_ = nullptr;
    DataSource* dataSourceSource_ = nullptr;
    DataSource* dataSourceRoadcase_ = nullptr;
    bool saveDefaultData_ = false;
    QString userDataFolder_;
    QString lastListFolder_;
    QString moduleFilterText_;
    int converterPrecision_ = 0;
    int converterDigits_ = 0;
};
