#pragma once

#include "widgets/ModuleWindow.h"

class QCheckBox;
class QFileSystemModel;
class QLineEdit;
class QPushButton;
class QTreeView;

// The program-wide settings. Every change goes into the setup record at once.
class TFormPreference : public ModuleWindow {
    Q_OBJECT
public:
    explicit TFormPreference(AppContext& context, QWidget* parent = nullptr);

    // Fills every control from the setup record; runs on every activation.
    void loadControls();
    // Takes the folder selected in the tree as the user data folder.
    void BitBtnSelectFolderClick();
    void ButtonBrowseClick();
    // Selects a folder in the tree, as the user would.
    void selectTreeFolder(const QString& folder);
    QString selectedTreeFolder() const;

protected:
    bool event(QEvent* event) override;

private:
    QCheckBox* addCheckBox(QWidget* parent, const char* name, const QString& caption, const QString& hint, int y);
    void setClientWidth(int width);

    QCheckBox* trayIcon_ = nullptr;
    QCheckBox* stayOnTop_ = nullptr;
    QCheckBox* startMinimized_ = nullptr;
    QCheckBox* useDefaultDatabase_ = nullptr;
    QCheckBox* confirmSaveList_ = nullptr;
    QCheckBox* confirmClose_ = nullptr;
    QLineEdit* userName_ = nullptr;
    QLineEdit* dataFolder_ = nullptr;
    QFileSystemModel* folders_ = nullptr;
    QTreeView* tree_ = nullptr;
};
