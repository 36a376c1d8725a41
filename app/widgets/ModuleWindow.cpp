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

QMenu* ModuleWindow::addEditMenu()
{
    QMenu* edit = menuBar()->addMenu(QStringLiteral("Edit"));
    edit->setObjectName(QStringLiteral("Edit1"));
    const auto add = [this, edit](const char* name, const QString& caption, QKeySequence::StandardKey keys,
                                  auto apply) {
        QAction* a = edit->addAction(caption);
        a->setObjectName(QLatin1String(name));
        a->setShortcut(keys);
        connect(a, &QAction::triggered, this, [this, apply]() {
            if (QLineEdit* e = focusedEdit())
                apply(e);
        });
    };
    add("Copy1", QStringLiteral("&Copy"), QKeySequence::Copy, [](QLineEdit* e) { e->copy(); });
    add("Paste1", QStringLiteral("&Paste"), QKeySequence::Paste, [](QLineEdit* e) {
        if (!e->isReadOnly())
            e->paste();
    });
    add("Cut1", QStringLiteral("Cu&t"), QKeySequence::Cut, [](QLineEdit* e) {
        if (e->isReadOnly())
            e->copy();
        else
            e->cut();
    });
    return edit;
}
