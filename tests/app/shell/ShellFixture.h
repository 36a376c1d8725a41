#pragma once

#include "setup/SetupFile.h"
#include "shell/FilePaths.h"
#include "shell/ScriptedPrompts.h"
#include "shell/TFormMain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

// A toolbar window over a fresh start-up folder with scripted prompts.
struct ShellFixture {
    QTemporaryDir dir;
    ScriptedPrompts prompts;
    std::unique_ptr<TFormMain> main;

    QString folder() const { return dir.path() + QLatin1Char('/'); }
    QString setupFile() const { return folder() + QStringLiteral("Data/TvxSetup.tvx"); }

    // Writes a setup file before the toolbar starts.
    void writeSetup(const tvx::SetupRecord& record)
    {
        QDir().mkpath(folder() + QStringLiteral("Data"));
        tvx::saveSetupFile(toFsPath(setupFile()), record);
    }

    // seedCatalogues: put empty default catalogue files in place, as an
    // installed program has them, so the start asks nothing.
    TFormMain& start(bool seedCatalogues = true)
    {
        QDir().mkpath(folder() + QStringLiteral("Data"));
        QDir().mkpath(folder() + QStringLiteral("Resources"));
        if (seedCatalogues) {
            for (const char* name : {"DataFixture.dbd", "DataManufacturer.dbd"}) {
                QFile file(folder() + QStringLiteral("Data/") + QLatin1String(name));
                if (!file.exists() && file.open(QIODevice::WriteOnly))
                    file.close();
            }
        }
        main = std::make_unique<TFormMain>(folder(), prompts);
        main->show();
        return *main;
    }

    tvx::SetupRecord savedSetup() const { return tvx::loadSetupFile(toFsPath(setupFile())).record; }
};
