#include "shell/AppContext.h"

#include <QDir>
#include <QFileInfo>

AppContext::AppContext(const QString& startupFolder, Prompts& prompts, QObject* parent)
    : QObject(parent), prompts_(prompts), startupFolder_(withSeparator(QDir::cleanPath(startupFolder)))
{
    userDataFolder_ = dataFolder();
    lastListFolder_ = startupFolder_;
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
    emit moduleFilterTextChanged(text);
}

void AppContext::setConverterFormat(int precision, int digits)
{
    converterPrecision_ = precision;
    converterDigits_ = digits;
}
