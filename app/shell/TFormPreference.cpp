#include "shell/TFormPreference.h"

#include "shell/AppContext.h"
#include "shell/Prompts.h"
#include "widgets/ScreenFit.h"

#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTreeView>

namespace {

constexpr int kNarrowWidth = 420;
constexpr int kWideWidth = 640;
constexpr int kHeight = 320;
constexpr int kMaxFolderChars = 255;

using tvx::setup::Int32At;

} // namespace

TFormPreference::TFormPreference(AppContext& context, QWidget* parent) : ModuleWindow(context, parent)
{
    setObjectName(QStringLiteral("FormPreference"));
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    auto* client = new QWidget(this);
    setCentralWidget(client);

    auto* windowGroup = new QGroupBox(QStringLiteral("Window Option"), client);
    windowGroup->setGeometry(8, 6, 404, 86);
    trayIcon_ = addCheckBox(windowGroup, "CheckBoxTrayIcon", QStringLiteral("Send toolbar to Tray Icon when minimized"),
                            QStringLiteral("When minimizing the application, if this box is checked, the application "
                                           "is sent to the tray Icon"),
                            20);
    stayOnTop_ = addCheckBox(windowGroup, "CheckBoxToolBarStayOnTop", QStringLiteral("Toolbar always stay on top"),
                             QStringLiteral("When checked, the toolbar will remain on top of all others applications"),
                             41);
    startMinimized_ = addCheckBox(windowGroup, "CheckBoxStartMinimized", QStringLiteral("Startup minimized"),
                                  QStringLiteral("When Checked, the Trovanex will start in the tray icon"), 62);

    auto* databaseGroup = new QGroupBox(QStringLiteral("Database Option"), client);
    databaseGroup->setGeometry(8, 96, 404, 62);
    useDefaultDatabase_ = addCheckBox(
        databaseGroup, "CheckBoxUseDefaultDatabase", QStringLiteral("Use Default Database"),
        QStringLiteral("When Checked, the Default Fixture/Manufacturer database are include in the list"), 20);
    auto* note = new QLabel(QStringLiteral("(Require a restart...)"), databaseGroup);
    QFont italic = note->font();
    italic.setItalic(true);
    note->setFont(italic);
    note->setGeometry(30, 40, 360, 16);

    auto* warningGroup = new QGroupBox(QStringLiteral("Warning"), client);
    warningGroup->setGeometry(8, 162, 404, 66);
    confirmSaveList_ = addCheckBox(
        warningGroup, "CheckBoxConfirmSaveList", QStringLiteral("Confirm save list when closing a module"),
        QStringLiteral("Confirmation when closing a module where the list of fixture is not saved"), 20);
    confirmClose_ = addCheckBox(warningGroup, "CheckBoxConfirmClose",
                                QStringLiteral("Confirm before closing the application"),
                                QStringLiteral("Confirmation when closing down the Trovanex"), 41);

    auto* userLabel = new QLabel(QStringLiteral("User Name:"), client);
    userLabel->setGeometry(8, 238, 80, 22);
    userName_ = new QLineEdit(client);
    userName_->setObjectName(QStringLiteral("EditUserName"));
    userName_->setToolTip(QStringLiteral("Enter your name, it will be display when you print a report"));
    userName_->setMaxLength(kMaxFolderChars);
    userName_->setGeometry(90, 238, 322, 22);

    auto* folderLabel = new QLabel(QStringLiteral("Data Folder:"), client);
    folderLabel->setGeometry(8, 266, 80, 22);
    dataFolder_ = new QLineEdit(client);
    dataFolder_->setObjectName(QStringLiteral("EditDataFolder"));
    dataFolder_->setToolTip(QStringLiteral("Your lists are saved in this folder; choose it with Browse"));
    dataFolder_->setReadOnly(true); // only "Select Folder" sets the folder
    dataFolder_->setGeometry(90, 266, 240, 22);
    auto* browse = new QPushButton(QStringLiteral("Browse"), client);
    browse->setObjectName(QStringLiteral("ButtonBrowse"));
    browse->setGeometry(336, 265, 76, 24);

    auto* ok = new QPushButton(QStringLiteral("OK"), client);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setGeometry(336, 292, 76, 24);
    ok->setDefault(true);

    folders_ = new QFileSystemModel(this);
    folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    folders_->setRootPath(QDir::rootPath());
    tree_ = new QTreeView(client);
    tree_->setObjectName(QStringLiteral("ShellTreeView1"));
    tree_->setModel(folders_);
    for (int c = 1; c < folders_->columnCount(); ++c)
        tree_->hideColumn(c);
    tree_->header()->hide();
    tree_->setGeometry(kNarrowWidth + 4, 8, kWideWidth - kNarrowWidth - 12, 276);
    auto* select = new QPushButton(QStringLiteral("&Select Folder"), client);
    select->setObjectName(QStringLiteral("BitBtnSelectFolder"));
    select->setGeometry(kNarrowWidth + 4, 290, kWideWidth - kNarrowWidth - 12, 26);

    tvx::SetupRecord& s = this->context().setup();
    auto store = [this, &s](QCheckBox* box, Int32At at) {
        connect(box, &QCheckBox::clicked, this, [&s, box, at]() { s.set(at, box->isChecked() ? 1 : 0); });
    };
    store(trayIcon_, tvx::setup::TrayIconOnMinimize);
    store(stayOnTop_, tvx::setup::ToolbarStayOnTop);
    store(confirmSaveList_, tvx::setup::ConfirmSaveList);
    store(confirmClose_, tvx::setup::ConfirmClose);
    store(startMinimized_, tvx::setup::StartMinimized);
    connect(trayIcon_, &QCheckBox::clicked, this, [this]() { this->context().notifyTrayIconSettingChanged(); });
    connect(stayOnTop_, &QCheckBox::clicked, this, [this]() { this->context().notifyStayOnTopChanged(); });
    connect(useDefaultDatabase_, &QCheckBox::clicked, this, [this, &s]() {
        // Stored inverted: 0 includes the default catalogues.
        s.set(tvx::setup::DefaultCataloguesExcluded, useDefaultDatabase_->isChecked() ? 0 : 1);
        this->context().notifyDefaultDatabaseChanged();
    });
    connect(userName_, &QLineEdit::textEdited, this, [&s](const QString& text) {
        s.set(tvx::setup::UserName, text.isEmpty() ? std::string("<User Name>") : text.toStdString());
    });
    connect(browse, &QPushButton::clicked, this, &TFormPreference::ButtonBrowseClick);
    connect(select, &QPushButton::clicked, this, &TFormPreference::BitBtnSelectFolderClick);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);

    setFixedSize(kNarrowWidth, kHeight);
    selectTreeFolder(this->context().startupFolder());
    centreOnScreen(this);
}

QCheckBox* TFormPreference::addCheckBox(QWidget* parent, const char* name, const QString& caption,
                                        const QString& hint, int y)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setToolTip(hint);
    box->setGeometry(12, y, 380, 20);
    return box;
}

void TFormPreference::setClientWidth(int width)
{
    setFixedSize(width, kHeight);
}

bool TFormPreference::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate) {
        setClientWidth(kNarrowWidth);
        loadControls();
    }
    return ModuleWindow::event(event);
}

void TFormPreference::loadControls()
{
    const tvx::SetupRecord& s = context().setup();
    userName_->setText(QString::fromStdString(s.get(tvx::setup::UserName)));

    const QString stored = QString::fromStdString(s.get(tvx::setup::UserDataFolder));
    if (!stored.isEmpty() && QFileInfo(stored).isDir()) {
        dataFolder_->setText(stored);
        selectTreeFolder(stored);
    } else {
        // A folder that no longer exists falls back to the data folder, stored
        // without its trailing separator like a chosen one.
        QString fallback = context().dataFolder();
        fallback.chop(1);
        dataFolder_->setText(fallback);
        context().setup().set(tvx::setup::UserDataFolder, fallback.toStdString());
        context().updateUserDataFolder();
        selectTreeFolder(fallback);
    }

    trayIcon_->setChecked(s.get(tvx::setup::TrayIconOnMinimize) == 1);
    stayOnTop_->setChecked(s.get(tvx::setup::ToolbarStayOnTop) == 1);
    startMinimized_->setChecked(s.get(tvx::setup::StartMinimized) == 1);
    useDefaultDatabase_->setChecked(s.get(tvx::setup::DefaultCataloguesExcluded) == 0);
    confirmSaveList_->setChecked(s.get(tvx::setup::ConfirmSaveList) == 1);
    confirmClose_->setChecked(s.get(tvx::setup::ConfirmClose) == 1);
}

void TFormPreference::ButtonBrowseClick()
{
    setClientWidth(kWideWidth);
}

void TFormPreference::selectTreeFolder(const QString& folder)
{
    const QModelIndex index = folders_->index(QDir::cleanPath(folder));
    if (!index.isValid())
        return;
    tree_->setCurrentIndex(index);
    tree_->scrollTo(index);
}

QString TFormPreference::selectedTreeFolder() const
{
    const QModelIndex index = tree_->currentIndex();
    return index.isValid() ? folders_->filePath(index) : QString();
}

void TFormPreference::BitBtnSelectFolderClick()
{
    const QString folder = QDir::cleanPath(selectedTreeFolder());
    if (selectedTreeFolder().isEmpty())
        return;
    if (folder.size() > kMaxFolderChars) {
        context().prompts().information(
            this, QStringLiteral("Folder Path is longer than 255 characters, select another folder"));
        return;
    }
    dataFolder_->setText(folder);
    setClientWidth(kNarrowWidth);
    context().setup().set(tvx::setup::UserDataFolder, folder.toStdString());
    context().updateUserDataFolder();
}
