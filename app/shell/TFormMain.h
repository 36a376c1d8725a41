#pragma once

#include "catalogue/CatalogueSet.h"
#include "shell/ModuleTable.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <memory>

class AppContext;
class ModuleWindow;
class Prompts;
class QAction;
class QLabel;
class QMenu;
class QSystemTrayIcon;
class QToolButton;

// The toolbar window: created first, alive until the program ends. It owns the
// application context and opens, restores, minimizes and closes the module
// windows through the module table.
class TFormMain : public QMainWindow {
    Q_OBJECT
public:
    // startupFolder: the working folder at start ("Data" and "Resources" below it).
    TFormMain(const QString& startupFolder, Prompts& prompts, QWidget* parent = nullptr);
    ~TFormMain() override;

    AppContext& context() { return *context_; }

    // Shows the window, or minimizes the application when the settings ask
    // to start minimized.
    void showAtStart();

    // The module's window when it is open, else null.
    QWidget* moduleWindow(std::size_t index) const;
    // Opens the module when it is closed, closes it when it is open.
    void toggleModule(std::size_t index);
    // Brings an open module back from the minimized state.
    void restoreModule(std::size_t index);
    void minimizeAllModules();
    // Asks every open module to close, in module-table order. False when a
    // module stayed open (its own close question was cancelled).
    bool CloseModule();

    void UpdateStatusBar();
    // Keeps the toolbar above other windows while the Preferences ask for it.
    void applyStayOnTop();
    void SetupLoad();
    void SetupSave();
    // Writes the setup record to its file; reports a failure to the user.
    bool SetupSaveToFile();

    // Minimizes the whole application: to the tray when the tray icon is
    // enabled and the desktop has one, else to the task bar.
    void minimizeApplication();
    void restoreApplication();
    bool isInTray() const { return inTray_; }
    // A second start asked this instance to show itself.
    void wakeUp();

    // Whether the tray icon is in use (the Preferences setting from the
    // first activation on).
    bool trayIconEnabled() const { return trayEnabled_; }

    QAction* saveDefaultDataAction() const { return saveDefaultData_; }
    QMenu* popupMenu() const { return popupMenu_; }
    QToolButton* moduleButton(std::size_t index) const { return moduleButtons_.at(index); }

    // Replaces how module windows are made (tests put in windows of their own).
    using ModuleFactory = std::function<ModuleWindow*(std::size_t index, AppContext& context)>;
    void setModuleFactory(ModuleFactory factory) { factory_ = std::move(factory); }

    // The window class a module window was created as.
    static QString windowClassOf(const QWidget* window);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void buildButtons(QWidget* bar);
    void buildMenus();
    void buildStatusBar();
    void buildTray();
    void loadSetupRecord();
    void openCatalogues();
    void showNotices(const std::vector<tvx::catalogue::Notice>& notices);
    void openModule(std::size_t index);
public:
    // "Save Databases Now": writes the catalogue files, telling the user of
    // each one that could not be written.
    void saveAllDatabase();
    // "Import": appends a table file to the default fixture catalogue.
    void importFixtures();

private:
    void showAbout();
    void showDisclaimer();
    QList<QWidget*> openModuleWindows() const;

    std::unique_ptr<AppContext> context_;
    ModuleFactory factory_;
    std::array<QPointer<QWidget>, ModuleCount> modules_;
    std::array<QToolButton*, ModuleCount> moduleButtons_{};
    QLabel* statusPanels_[3] = {nullptr, nullptr, nullptr};
    QAction* saveDefaultData_ = nullptr;
    QMenu* popupMenu_ = nullptr;
    QSystemTrayIcon* tray_ = nullptr;
    bool trayEnabled_ = true; // until the first activation, then the Preferences setting
    bool inTray_ = false;
    bool minimizing_ = false;
    bool saveSetupAtExit_ = true; // false when the settings file could not be read
    QList<QPointer<QWidget>> hiddenForTray_;
};
