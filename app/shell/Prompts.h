#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Every message box and file or folder dialog of the program goes through this
// interface, so that tests can answer them without a modal dialog ever
// blocking.
class Prompts {
public:
    enum class Icon { Information, Warning, Error, Question };
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum class Answer { Ok, Cancel, Yes, No };

    struct FileDialog {
        QString caption;
        QString folder;          // starting folder
        QString fileName;        // proposed file name (save dialogs)
        QString filter;          // e.g. "Electrical Load List (*.EL3)"
        QString defaultSuffix;   // appended when the user typed none (save dialogs)
    };

    virtual ~Prompts() = default;

    virtual Answer message(QWidget* parent, Icon icon, const QString& text, Buttons buttons) = 0;

    // Each returns the chosen path, or an empty string when the user cancelled.
    virtual QString openFile(QWidget* parent, const FileDialog& dialog) = 0;
    virtual QString saveFile(QWidget* parent, const FileDialog& dialog) = 0;
    virtual QString chooseFolder(QWidget* parent, const QString& caption, const QString& folder) = 0;

    void information(QWidget* parent, const QString& text) { message(parent, Icon::Information, text, Buttons::Ok); }
    void warning(QWidget* parent, const QString& text) { message(parent, Icon::Warning, text, Buttons::Ok); }
    void error(QWidget* parent, const QString& text) { message(parent, Icon::Error, text, Buttons::Ok); }
};

// The real dialogs.
class QtPrompts final : public Prompts {
public:
    Answer message(QWidget* parent, Icon icon, const QString& text, Buttons buttons) override;
    QString openFile(QWidget* parent, const FileDialog& dialog) override;
    QString saveFile(QWidget* parent, const FileDialog& dialog) override;
    QString chooseFolder(QWidget* parent, const QString& caption, const QString& folder) override;
};
