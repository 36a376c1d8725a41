#include "shell/AppContext.h"

#include "catalogue/DataSource.h"
#include "common/TextOrder.h"
#include "shell/FilePaths.h"

#include <QDir>
#include <QFileInfo>

AppContext::AppContext(const QString& startupFolder, Prompts& prompts, QObject* parent)
    : QObject(parent), prompts_(prompts), startupFolder_(withSeparator(QDir::cleanPath(startupFolder)))
{
    userDataFolder_ = dataFolder();
    lastListFolder_ = startupFolder_;
    catalogues_ = std::make_unique<tvx::catalogue::CatalogueSet>(toFsPath(dataFolder()));
    catalogues_->setTextOrder(tvx::systemTextOrder());
    dataSourceFixture_ = new DataSource(QStringLiteral("DataSourceFixture"), &catalogues_->TableFixtureMerge(), this);
    dataSourceManufacturer_ =
        new DataSource(QStringLiteral("DataSourceManufacturer"), &catalogues_->TableManufacturerMerge(), this);
    dataSourceSource_ = new DataSource(QStringLiteral("DataSourceSource"), &catalogues_->TableFixtureMerge2(), this);
    dataSourceRoadcase_ = new DataSource(QStringLiteral("DataSourceRoadcase"), &catalogues_->TableRoadCase(), this);
}

AppContext::~AppContext() = default;

void AppContext::setSaveDefaultData(bool on)
{
    if (on == saveDefaultData_)
        return;
    saveDefaultData_ = on;
    emit saveDefaultDataChanged(on);
}

QString AppContext::withSeparator(const QString& folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

void AppContext::updateUserDataFolder()
{
    const QString chosen = QString::fromStdString(setup_.get(tvx::setup::UserDataFolder));
    if (!chosen.isEmpty() && QFileInfo(chosen).isDir())
        userDataFolder_ = withSeparator(chosen);
    else
        userDataFolder_ = dataFolder();
}

void AppContext::setLastListFolder(const QString& folder)
{
    lastListFolder_ = folder.isEmpty() ? startupFolder_ : withSeparator(folder);
}

void AppContext::setModuleFilterText(const QString& text)
{
    if (text == moduleFilterText_)
        return;
    moduleFilterText_ = text;
    catalogues_->setModuleFilterText(text.toStdString());
    emit moduleFilterTextChanged(text);
}

void AppContext::setConverterFormat(int precision, int digits)
{
    converterPrecision_ = precision;
    converterDigits_ = digits;
}
