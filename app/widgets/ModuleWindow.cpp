#include "widgets/ModuleWindow.h"

#include "setup/WindowGeometry.h"
#include "shell/AppContext.h"
#include "widgets/ScreenFit.h"

#include <QCloseEvent>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

ModuleWindow::ModuleWindow(AppContext& context, QWidget* parent) : QMainWindow(parent), context_(context)
{
    setAttribute(Qt::WA_DeleteOnClose);
}

bool ModuleWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && firstActivation_) {
        firstActivation_ = false;
        firstActivate();
    }
    return QMainWindow::event(event);
}

void ModuleWindow::setOpenPreview(QWidget* preview)
{
    preview_ = preview;
    if (preview == nullptr && closedUnderPreview_)
        deleteLater();
}

void ModuleWindow::closeEvent(QCloseEvent* event)
{
    // The preview goes first, so the module is never closed under it.
    if (preview_)
        preview_->close();
    if (!canClose()) {
        event->ignore();
        return;
    }
    // A window closed before it was ever activated has nothing of its own to store.
    if (!firstActivation_)
        storeValues();
    event->accept();
    // The print call that opened the preview is still on the stack: delete
    // the window when it clears the preview, not in the preview's event loop.
    if (preview_) {
        closedUnderPreview_ = true;
        setAttribute(Qt::WA_DeleteOnClose, false);
    }
    emit closed();
}

void ModuleWindow::useFixedCalculatorFrame()
{
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
}

void ModuleWindow::fixSizeAndCentre()
{
    adjustSize();
    setFixedSize(sizeHint());
    centreOnScreen(this);
}

void ModuleWindow::restoreGeometryBlock(tvx::setup::GeometryAt at)
{
    const tvx::GeometryRestore r = tvx::restoreGeometry(context_.setup(), at);
    QRect frame = geometry();
    if (r.height)
        frame.setHeight(*r.height);
    if (r.width)
        frame.setWidth(*r.width);
    resize(sizeOnScreen(frame.size()));
    QPoint pos = this->pos();
    if (r.left)
        pos.setX(*r.left);
    if (r.top)
        pos.setY(*r.top);
    move(positionOnScreen(pos, size()));
    if (r.maximized)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void ModuleWindow::storeGeometryBlock(tvx::setup::GeometryAt at)
{
    tvx::WindowGeometry g;
    const Qt::WindowStates state = windowState();
    g.state = state.testFlag(Qt::WindowMinimized)   ? tvx::WindowStateMinimized
              : state.testFlag(Qt::WindowMaximized) ? tvx::WindowStateMaximized
                                                    : tvx::WindowStateNormal;
    g.height = height();
    g.width = width();
    g.top = y();
    g.left = x();
    tvx::storeGeometry(context_.setup(), at, g);
}

QLineEdit* ModuleWindow::focusedEdit() const
{
    QWidget* w = focusWidget();
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        return edit;
    if (auto* combo = qobject_cast<QComboBox*>(w))
        return combo->lineEdit();
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(w))
        return spin->findChild<QLineEdit*>();
    return nullptr;
}

QMenu* ModuleWindow::addMenu(const QString& caption, const QString& name)
{
    QMenu* menu = menuBar()->addMenu(caption);
    menu->setObjectName(name);
    return menu;
}

QAction* ModuleWindow::addMenuItem(QMenu* menu, const QString& name, const QString& caption,
                                   const QKeySequence& keys, std::function<void()> run)
{
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    a->setShortcut(keys);
    connect(a, &QAction::triggered, this, [run = std::move(run)]() { run(); });
    return a;
}

QAction* ModuleWindow::addClearAllItem(QMenu* menu, std::function<void()> run)
{
    return addMenuItem(menu, QStringLiteral("Clear1"), QStringLiteral("&Clear All Fields"),
                       QKeySequence(Qt::CTRL | Qt::Key_Delete), std::move(run));
}

QAction* ModuleWindow::addPrintItem(QMenu* menu, std::function<void()> run)
{
    return addMenuItem(menu, QStringLiteral("Print1"), QStringLiteral("&Print"), QKeySequence(Qt::CTRL | Qt::Key_P),
                       std::move(run));
}

QAction* ModuleWindow::addExitItem(QMenu* menu)
{
    return addMenuItem(menu, QStringLiteral("Close1"), QStringLiteral("&Exit"), QKeySequence(Qt::CTRL | Qt::Key_F12),
                       [this]() { close(); });
}

QMenu* ModuleWindow::addEditMenu()
{
    QMenu* edit = addMenu(QStringLiteral("Edit"), QStringLiteral("Edit1"));
    addMenuItem(edit, QStringLiteral("Copy1"), QStringLiteral("&Copy"), QKeySequence::Copy, [this]() {
        if (QLineEdit* e = focusedEdit())
            e->copy();
    });
    addMenuItem(edit, QStringLiteral("Paste1"), QStringLiteral("&Paste"), QKeySequence::Paste, [this]() {
        if (QLineEdit* e = focusedEdit(); e && !e->isReadOnly())
            e->paste();
    });
    addMenuItem(edit, QStringLiteral("Cut1"), QStringLiteral("Cu&t"), QKeySequence::Cut, [this]() {
        if (QLineEdit* e = focusedEdit()) {
            if (e->isReadOnly())
                e->copy();
            else
                e->cut();
        }
    });
    return edit;
}
