#pragma once

#include "shell/AppContext.h"
#include "shell/ScriptedPrompts.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// One module window over a fresh start-up folder, with scripted prompts.
template <typename Window>
struct ModuleFixture {
    QTemporaryDir dir;
    ScriptedPrompts prompts;
    std::unique_ptr<AppContext> context;
    QPointer<Window> window;

    ModuleFixture()
    {
        QDir().mkpath(folder() + QStringLiteral("Data"));
        QDir().mkpath(folder() + QStringLiteral("Resources"));
        context = std::make_unique<AppContext>(folder(), prompts);
    }
    ~ModuleFixture() { delete window.data(); }
    ModuleFixture(const ModuleFixture&) = delete;
    ModuleFixture& operator=(const ModuleFixture&) = delete;

    QString folder() const { return dir.path() + QLatin1Char('/'); }
    tvx::SetupRecord& setup() { return context->setup(); }

    // Puts a file that ships with the program into the folder's Resources.
    void copyShippedResource(const char* name)
    {
        QFile::copy(QStringLiteral(TVX_SHIPPED_DIR "/Resources/") + QLatin1String(name),
                    folder() + QStringLiteral("Resources/") + QLatin1String(name));
    }

    // Creates, shows and activates the window, as the toolbar does.
    Window& open()
    {
        window = new Window(*context);
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window))
            qWarning("the window did not become active");
        return *window;
    }

    template <typename T = QWidget>
    T* get(const QString& name) const
    {
        T* w = window->template findChild<T*>(name);
        if (w == nullptr)
            qWarning("no control %s", qPrintable(name));
        return w;
    }
};
