#pragma once

#include "setup/SetupLayout.h"

#include <QKeySequence>
#include <QMainWindow>
#include <QPointer>

#include <functional>

class QAction;
class QLineEdit;
class QMenu;

class AppContext;

// Base of every module window. It runs the module's restore code on the first
// activation, asks the module to store its values into the setup record when
// it closes, and deletes itself once closed.
class ModuleWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit ModuleWindow(AppContext& context, QWidget* parent = nullptr);

    AppContext& context() { return context_; }

    // True once the first activation ran.
    bool activatedOnce() const { return !firstActivation_; }

    // The print preview open over this window (showReportPreview sets it while
    // the preview runs and clears it afterwards). Closing the window closes
    // the preview first; the window then closes normally but is deleted only
    // once the preview is cleared, so the print code below it can unwind.
    void setOpenPreview(QWidget* preview);
    QWidget* openPreview() const { return preview_.data(); }
    // The window was closed while its preview was open.
    bool closedUnderPreview() const { return closedUnderPreview_; }

    // The line edit the Edit menu acts on: the focused edit field, or the
    // edit part of a focused combo or spin box.
    QLineEdit* focusedEdit() const;

signals:
    // The window accepted its close and is about to be deleted.
    void closed();

protected:
    // A menu of the menu bar, and a menu item with its objectName and shortcut.
    QMenu* addMenu(const QString& caption, const QString& name);
    QAction* addMenuItem(QMenu* menu, const QString& name, const QString& caption, const QKeySequence& keys,
                         std::function<void()> run);
    template <typename Window, typename Result>
    QAction* addMenuItem(QMenu* menu, const QString& name, const QString& caption, const QKeySequence& keys,
                         Result (Window::*handler)())
    {
        auto* self = static_cast<Window*>(this);
        return addMenuItem(menu, name, caption, keys, [self, handler]() { (self->*handler)(); });
    }
    // The calculators' items "&Clear All Fields" (Ctrl+Delete), "&Print"
    // (Ctrl+P) and "&Exit" (Ctrl+F12).
    QAction* addClearAllItem(QMenu* menu, std::function<void()> run);
    QAction* addPrintItem(QMenu* menu, std::function<void()> run);
    QAction* addExitItem(QMenu* menu);

    // Adds the "Edit" menu (Copy, Paste, Cut) that every module window has;
    // a read-only field can only be copied from.
    QMenu* addEditMenu();

    // Restore geometry and last inputs; called once, on the first activation.
    virtual void firstActivate() {}
    // Store the window's values into the setup record; called when it closes.
    virtual void storeValues() {}
    // A list window asks here whether to save an unsaved list; false keeps
    // the window open.
    virtual bool canClose() { return true; }

    // The calculators' fixed frame: title, minimize and close buttons only.
    void useFixedCalculatorFrame();
    // Fixes the window at the size its contents ask for and centres it.
    void fixSizeAndCentre();

    // Geometry block helpers following the stored-block rules.
    void restoreGeometryBlock(tvx::setup::GeometryAt at);
    void storeGeometryBlock(tvx::setup::GeometryAt at);

    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    AppContext& context_;
    bool firstActivation_ = true;
    QPointer<QWidget> preview_;
    bool closedUnderPreview_ = false;
};
