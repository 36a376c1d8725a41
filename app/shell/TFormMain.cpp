#include "shell/TFormMain.h"

#include "catalogue/CatalogueMessages.h"
#include "setup/SetupFile.h"
#include "shell/AppContext.h"
#include "shell/AppInfo.h"
#include "shell/FilePaths.h"
#include "shell/InfoWindows.h"
#include "shell/ModuleFactories.h"
#include "shell/Prompts.h"
#include "widgets/ModuleWindow.h"
#include "widgets/ScreenFit.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPixmap>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <QToolButton>

#include <exception>

namespace {

constexpr int kButtonSize = 26;
constexpr int kButtonPitch = 29;
constexpr int kButtonLeft = 2;
constexpr int kButtonTop = 3;
constexpr int kClientWidth = 554;
constexpr int kClientHeight = 48;
constexpr int kStatusHeight = 19;

struct ToolSpec {
    const char* name;
    const char* hint;
    const char* picture;
};

// The four buttons after the module buttons.
constexpr ToolSpec kToolButtons[] = {
    {"SpeedButtonHelp", "Help", "Help.bmp"},
    {"SpeedButtonMinimizedAllWindow", "Minimize all modules", "MinimizedWindow.bmp"},
    {"SpeedButtonCloseAllWindows", "Close all modules", "CloseWindow.bmp"},
    {"SpeedButtonSendToTrayIcon", "Send to Tray Icon", "DownArrow.bmp"},
};

QString text(const char* s)
{
    return QString::fromUtf8(s);
}

} // namespace

TFormMain::TFormMain(const QString& startupFolder, Prompts& prompts, QWidget* parent)
    : QMainWindow(parent), context_(std::make_unique<AppContext>(startupFolder, prompts))
{
    setObjectName(QStringLiteral("FormMain"));
    setFont(QFont(QStringLiteral("Arial"), 8));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    loadSetupRecord();
    SetupLoad();

    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("PanelButtons"));
    bar->setFixedSize(kClientWidth, kClientHeight - kStatusHeight);
    setCentralWidget(bar);
    buildButtons(bar);
    buildMenus();
    buildStatusBar();
    buildTray();

    context_->updateUserDataFolder();
    setWindowTitle(text(tvxapp::MainCaption));
    openCatalogues();
    UpdateStatusBar();

    connect(context_.get(), &AppContext::defaultDatabaseChanged, this, [this]() {
        context_->catalogues().setDefaultExcluded(
            context_->setup().get(tvx::setup::DefaultCataloguesExcluded) == 1);
        UpdateStatusBar();
    });
    connect(context_.get(), &AppContext::trayIconSettingChanged, this, [this]() {
        trayEnabled_ = context_->setup().get(tvx::setup::TrayIconOnMinimize) == 1;
    });
    connect(context_.get(), &AppContext::stayOnTopChanged, this, &TFormMain::applyStayOnTop);
    setFixedSize(sizeHint());
    applyStayOnTop();
}

void TFormMain::applyStayOnTop()
{
    const bool onTop = context_->setup().get(tvx::setup::ToolbarStayOnTop) == 1;
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop)
        return;
    const bool wasVisible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (wasVisible)
        show(); // changing a flag hides the window
}

TFormMain::~TFormMain()
{
    // Module windows have no owner; make sure none outlives the context.
    for (auto& w : modules_)
        delete w.data();
}

void TFormMain::showAtStart()
{
    show();
    if (context_->setup().get(tvx::setup::StartMinimized) == 1)
        minimizeApplication();
}

void TFormMain::loadSetupRecord()
{
    tvx::SetupLoadResult loaded = tvx::loadSetupFile(toFsPath(context_->setupFilePath()));
    context_->setup() = loaded.record;
    switch (loaded.status) {
    case tvx::SetupLoadStatus::Loaded:
    case tvx::SetupLoadStatus::CreatedNew:
        break;
    case tvx::SetupLoadStatus::Short:
    case tvx::SetupLoadStatus::CreateFailed:
        context_->prompts().warning(nullptr, QString::fromStdString(loaded.message));
        break;
    case tvx::SetupLoadStatus::ReadFailed:
        // Writing at exit would replace settings we merely failed to read.
        saveSetupAtExit_ = false;
        context_->prompts().warning(
            nullptr, QString::fromStdString(loaded.message) +
                         QStringLiteral("\nSettings changed in this session will not be saved, so the file stays as it is."));
        break;
    }
}

void TFormMain::openCatalogues()
{
    tvx::catalogue::CatalogueSet& catalogues = context_->catalogues();
    const tvx::SetupRecord& s = context_->setup();
    catalogues.setDefaultExcluded(s.get(tvx::setup::DefaultCataloguesExcluded) == 1);
    showNotices(catalogues.openAll());
    catalogues.setCatalogueFilterText(s.get(tvx::setup::FixtureDatabaseFilter));
    if (s.get(tvx::setup::FixtureDatabaseFilterOn) == 1) {
        catalogues.setCatalogueFilterOn(true);
        catalogues.setModuleFilterOn(true);
    }
}

void TFormMain::showNotices(const std::vector<tvx::catalogue::Notice>& notices)
{
    QWidget* parent = isVisible() ? this : nullptr;
    for (const tvx::catalogue::Notice& n : notices) {
        const QString message = QString::fromStdString(n.text);
        switch (n.kind) {
        case tvx::catalogue::Notice::Kind::Information: context_->prompts().information(parent, message); break;
        case tvx::catalogue::Notice::Kind::Warning: context_->prompts().warning(parent, message); break;
        case tvx::catalogue::Notice::Kind::Error: context_->prompts().error(parent, message); break;
        }
    }
}

void TFormMain::buildButtons(QWidget* bar)
{
    auto makeButton = [&](int slot, const char* name, const char* hint, const char* picture) {
        auto* b = new QToolButton(bar);
        b->setObjectName(text(name));
        b->setToolTip(text(hint));
        b->setAutoRaise(true);
        b->setGeometry(kButtonLeft + slot * kButtonPitch, kButtonTop, kButtonSize, kButtonSize);
        QPixmap pix(context_->resourcePath(text(picture)));
        if (!pix.isNull()) {
            b->setIcon(QIcon(pix));
            b->setIconSize(QSize(kButtonSize - 4, kButtonSize - 4));
        } else {
            b->setText(text(hint).left(1)); // picture missing: the hint's first letter
        }
        return b;
    };

    int slot = 0;
    for (std::size_t index : toolbarOrder()) {
        const ModuleSpec& m = moduleTable()[index];
        QToolButton* b = makeButton(slot++, m.buttonName, m.hint, m.picture);
        moduleButtons_[index] = b;
        b->installEventFilter(this);
        connect(b, &QToolButton::clicked, this, [this, index]() { toggleModule(index); });
    }
    QToolButton* help = makeButton(slot++, kToolButtons[0].name, kToolButtons[0].hint, kToolButtons[0].picture);
    help->setEnabled(false);
    connect(makeButton(slot++, kToolButtons[1].name, kToolButtons[1].hint, kToolButtons[1].picture),
            &QToolButton::clicked, this, &TFormMain::minimizeAllModules);
    connect(makeButton(slot++, kToolButtons[2].name, kToolButtons[2].hint, kToolButtons[2].picture),
            &QToolButton::clicked, this, &TFormMain::CloseModule);
    connect(makeButton(slot++, kToolButtons[3].name, kToolButtons[3].hint, kToolButtons[3].picture),
            &QToolButton::clicked, this, &TFormMain::minimizeApplication);
}

void TFormMain::buildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    auto addItem = [this](QMenu* menu, const char* name, const QString& caption) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(text(name));
        return a;
    };

    QMenu* program = bar->addMenu(QStringLiteral("Program"));
    program->setObjectName(QStringLiteral("Program1"));
    connect(addItem(program, "Minimzeallwindows1", QStringLiteral("Minimze all windows")), &QAction::triggered,
            this, &TFormMain::minimizeAllModules);
    connect(addItem(program, "Closeallwindows1", QStringLiteral("Close all windows")), &QAction::triggered, this,
            &TFormMain::CloseModule);
    connect(addItem(program, "Sendtotrayicon1", QStringLiteral("Send to tray icon")), &QAction::triggered, this,
            &TFormMain::minimizeApplication);
    connect(addItem(program, "SaveDatabasesNow1", QStringLiteral("Save Databases Now")), &QAction::triggered,
            this, &TFormMain::saveAllDatabase);
    connect(addItem(program, "Exit1", QStringLiteral("Exit")), &QAction::triggered, this, &QWidget::close);
    saveDefaultData_ = addItem(program, "SaveDefaultData1", QStringLiteral("Save Default Data"));
    saveDefaultData_->setCheckable(true);
    saveDefaultData_->setChecked(false);
    saveDefaultData_->setVisible(false);
    connect(saveDefaultData_, &QAction::toggled, context_.get(), &AppContext::setSaveDefaultData);
    connect(addItem(program, "Import1", QStringLiteral("Import")), &QAction::triggered, this,
            &TFormMain::importFixtures);

    QMenu* modules = bar->addMenu(QStringLiteral("Modules"));
    modules->setObjectName(QStringLiteral("Modules1"));
    popupMenu_ = new QMenu(this);
    popupMenu_->setObjectName(QStringLiteral("PopupMenu1"));
    for (std::size_t index : toolbarOrder()) {
        const ModuleSpec& m = moduleTable()[index];
        connect(addItem(modules, m.menuItemName, text(m.menuCaption)), &QAction::triggered, this,
                [this, index]() { toggleModule(index); });
        connect(addItem(popupMenu_, m.popupItemName, text(m.popupCaption)), &QAction::triggered, this,
                [this, index]() { toggleModule(index); });
    }
    popupMenu_->addSeparator();
    connect(addItem(popupMenu_, "Showtoolbar1", QStringLiteral("Show toolbar")), &QAction::triggered, this,
            &TFormMain::restoreApplication);
    connect(addItem(popupMenu_, "Minimzeallwindows2", QStringLiteral("Minimze all windows")), &QAction::triggered,
            this, &TFormMain::minimizeAllModules);
    connect(addItem(popupMenu_, "Closeallwindows2", QStringLiteral("Close all windows")), &QAction::triggered,
            this, &TFormMain::CloseModule);
    connect(addItem(popupMenu_, "Exit2", QStringLiteral("Exit program")), &QAction::triggered, this,
            &QWidget::close);

    QMenu* help = bar->addMenu(QStringLiteral("?"));
    help->setObjectName(QStringLiteral("N1"));
    addItem(help, "Help2", QStringLiteral("Help"))->setEnabled(false);
    connect(addItem(help, "About1", QStringLiteral("About")), &QAction::triggered, this, &TFormMain::showAbout);
    connect(addItem(help, "Disclaimer1", QStringLiteral("Disclaimer")), &QAction::triggered, this,
            &TFormMain::showDisclaimer);
}

void TFormMain::buildStatusBar()
{
    QStatusBar* status = statusBar();
    status->setObjectName(QStringLiteral("StatusBar1"));
    status->setSizeGripEnabled(false);
    status->setFixedHeight(kStatusHeight);
    status->setContentsMargins(0, 0, 0, 0);
    const int widths[3] = {20, 120, 50};
    for (int i = 0; i < 3; ++i) {
        statusPanels_[i] = new QLabel(status);
        statusPanels_[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        statusPanels_[i]->setFixedWidth(widths[i]);
        statusPanels_[i]->setFrameShape(QFrame::Panel);
        statusPanels_[i]->setFrameShadow(QFrame::Sunken);
        status->addWidget(statusPanels_[i]);
    }
}

void TFormMain::buildTray()
{
    tray_ = new QSystemTrayIcon(this);
    tray_->setObjectName(QStringLiteral("TrayIcon1"));
    QPixmap icon(context_->resourcePath(QStringLiteral("TrayIcon.bmp")));
    if (icon.isNull())
        icon = QPixmap(context_->resourcePath(QStringLiteral("TVX_Logo.bmp")));
    if (icon.isNull()) {
        icon = QPixmap(32, 32);
        icon.fill(QColor(94, 94, 255));
    }
    tray_->setIcon(QIcon(icon));
    tray_->setContextMenu(popupMenu_);
    connect(tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::DoubleClick)
            restoreApplication();
    });
}

void TFormMain::SetupLoad()
{
    const tvx::SetupRecord& s = context_->setup();
    context_->setLastListFolder(QString::fromStdString(s.get(tvx::setup::LastListFolder)));
    context_->setConverterFormat(s.get(tvx::setup::ConverterPrecisionShell), s.get(tvx::setup::ConverterDigitsShell));
    move(positionOnScreen({s.get(tvx::setup::ToolbarLeft), s.get(tvx::setup::ToolbarTop)}, size()));
}

void TFormMain::SetupSave()
{
    tvx::SetupRecord& s = context_->setup();
    s.markSaved();
    s.set(tvx::setup::LastListFolder, context_->lastListFolder().toStdString());
    s.set(tvx::setup::ConverterPrecisionShell, context_->converterPrecision());
    s.set(tvx::setup::ConverterDigitsShell, context_->converterDigits());
    // pos() keeps the normal position while minimized or in the tray.
    s.set(tvx::setup::ToolbarLeft, x());
    s.set(tvx::setup::ToolbarTop, y());
}

bool TFormMain::SetupSaveToFile()
{
    try {
        tvx::saveSetupFile(toFsPath(context_->setupFilePath()), context_->setup());
        return true;
    } catch (const std::exception& e) {
        context_->prompts().error(this, QStringLiteral("The settings could not be saved.\n%1")
                                            .arg(QString::fromLocal8Bit(e.what())));
        return false;
    }
}

void TFormMain::UpdateStatusBar()
{
    const bool excluded = context_->setup().get(tvx::setup::DefaultCataloguesExcluded) == 1;
    statusPanels_[1]->setText(excluded ? QStringLiteral("Default Database OFF")
                                       : QStringLiteral("Default Database ON"));
}

QString TFormMain::windowClassOf(const QWidget* window)
{
    if (window == nullptr)
        return {};
    const QVariant declared = window->property("windowClass");
    return declared.isValid() ? declared.toString() : QString::fromLatin1(window->metaObject()->className());
}

QWidget* TFormMain::moduleWindow(std::size_t index) const
{
    return modules_.at(index).data();
}

QList<QWidget*> TFormMain::openModuleWindows() const
{
    QList<QWidget*> open;
    for (const auto& w : modules_)
        if (w)
            open << w.data();
    return open;
}

void TFormMain::toggleModule(std::size_t index)
{
    if (QWidget* w = moduleWindow(index))
        w->close();
    else
        openModule(index);
}

void TFormMain::openModule(std::size_t index)
{
    const ModuleSpec& entry = moduleTable().at(index);
    ModuleWindow* w = nullptr;
    try {
        w = factory_ ? factory_(index, *context_) : createModuleWindow(index, *context_);
        modules_[index] = w;
        connect(w, &ModuleWindow::closed, this, [this, index, w]() {
            if (modules_[index] == w)
                modules_[index] = nullptr;
        });
        w->show();
        w->setWindowTitle(text(entry.caption));
        w->raise();
        w->activateWindow();
    } catch (const std::exception& e) {
        context_->prompts().error(this, QStringLiteral("The window \"%1\" could not be opened.\n%2")
                                            .arg(text(entry.caption), QString::fromLocal8Bit(e.what())));
        if (w != nullptr) {
            modules_[index] = nullptr;
            w->hide();
            w->deleteLater();
        }
    }
}

void TFormMain::restoreModule(std::size_t index)
{
    if (QWidget* w = moduleWindow(index)) {
        if (w->isMinimized())
            w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
    }
}

void TFormMain::minimizeAllModules()
{
    for (std::size_t i = 0; i < ModuleCount; ++i)
        if (QWidget* w = moduleWindow(i))
            w->setWindowState(w->windowState() | Qt::WindowMinimized);
}

bool TFormMain::CloseModule()
{
    for (std::size_t i = 0; i < ModuleCount; ++i) {
        if (QWidget* w = moduleWindow(i)) {
            w->close();
            if (moduleWindow(i) != nullptr)
                return false; // the module kept its window open
        }
    }
    return true;
}

void TFormMain::minimizeApplication()
{
    if (minimizing_)
        return;
    minimizing_ = true;
    hiddenForTray_.clear();
    if (trayEnabled_ && QSystemTrayIcon::isSystemTrayAvailable()) {
        hiddenForTray_ << this;
        for (QWidget* w : openModuleWindows())
            if (w->isVisible())
                hiddenForTray_ << w;
        for (const auto& w : hiddenForTray_)
            w->hide();
        tray_->show();
        inTray_ = true;
    } else {
        for (QWidget* w : openModuleWindows())
            if (!w->isMinimized()) {
                hiddenForTray_ << w;
                w->setWindowState(w->windowState() | Qt::WindowMinimized);
            }
        setWindowState(windowState() | Qt::WindowMinimized);
    }
    minimizing_ = false;
}

void TFormMain::restoreApplication()
{
    if (inTray_) {
        for (const auto& w : hiddenForTray_)
            if (w)
                w->show();
        tray_->hide();
        inTray_ = false;
    } else {
        for (const auto& w : hiddenForTray_)
            if (w)
                w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
    }
    hiddenForTray_.clear();
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void TFormMain::wakeUp()
{
    if (inTray_ || isMinimized() || !isVisible()) {
        restoreApplication();
    } else {
        raise();
        activateWindow();
    }
}

bool TFormMain::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        trayEnabled_ = context_->setup().get(tvx::setup::TrayIconOnMinimize) == 1;
    return QMainWindow::event(event);
}

bool TFormMain::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        for (std::size_t i = 0; i < ModuleCount; ++i) {
            if (watched == moduleButtons_[i]) {
                restoreModule(i);
                break;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TFormMain::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized() && !minimizing_ && !inTray_)
        minimizeApplication();
}

void TFormMain::mouseDoubleClickEvent(QMouseEvent* event)
{
    // A double click on the free area reveals "Save Default Data" until the program ends.
    saveDefaultData_->setVisible(true);
    QMainWindow::mouseDoubleClickEvent(event);
}

void TFormMain::closeEvent(QCloseEvent* event)
{
    if (context_->setup().get(tvx::setup::ConfirmClose) == 1 &&
        context_->prompts().message(this, Prompts::Icon::Warning, QStringLiteral("Do you want to close the  program?"),
                                    Prompts::Buttons::YesNo) != Prompts::Answer::Yes) {
        event->ignore();
        return;
    }
    // A module that keeps its window (its own question was cancelled) stops
    // the exit before anything is saved, so no list is lost.
    if (!CloseModule()) {
        event->ignore();
        return;
    }
    saveAllDatabase();
    SetupSave();
    if (saveSetupAtExit_)
        SetupSaveToFile();
    tray_->hide();
    event->accept();
    QCoreApplication::quit();
}

void TFormMain::saveAllDatabase()
{
    showNotices(context_->catalogues().SaveAllDatabase(context_->saveDefaultData()));
}

void TFormMain::importFixtures()
{
    Prompts::FileDialog dialog;
    dialog.caption = QStringLiteral("Import");
    dialog.folder = context_->userDataFolder();
    const QString file = context_->prompts().openFile(this, dialog);
    if (file.isEmpty()) {
        context_->prompts().information(this, QString::fromUtf8(tvx::catalogue::msg::CannotImport));
        return;
    }
    const tvx::catalogue::ImportResult result = context_->catalogues().importFixtures(toFsPath(file));
    if (!result.error.empty())
        context_->prompts().error(this, QString::fromStdString(result.error));
    // Imported fixtures live in the default catalogue: say where they end up.
    QString done = result.added == 1 ? QStringLiteral("1 fixture was added to the default fixture catalogue.")
                                     : QStringLiteral("%1 fixtures were added to the default fixture catalogue.")
                                           .arg(qulonglong(result.added));
    if (result.added > 0) {
        done += context_->saveDefaultData()
                    ? QStringLiteral("\nThey are written to \"DataFixture.dbd\" when the databases are next saved.")
                    : QStringLiteral("\nThey are written to \"DataFixture.dbd\" only when \"Save Default Data\" is set "
                                     "(double-click the toolbar to show it); otherwise they are gone when the program ends.");
    }
    context_->prompts().information(this, done);
}

void TFormMain::showAbout()
{
    TViewAbout about(*context_, this);
    about.exec();
}

void TFormMain::showDisclaimer()
{
    TFormDisclaimer disclaimer(*context_, this);
    disclaimer.exec();
}
