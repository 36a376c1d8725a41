#pragma once

#include "shell/Prompts.h"

#include <QList>
#include <QQueue>

// Prompts for tests: records every question and answers from a script.
// An unscripted message gets the first button's answer (Ok or Yes); an
// unscripted file dialog gets an empty path (cancelled).
class ScriptedPrompts final : public Prompts {
public:
    struct Asked {
        Icon icon;
        QString text;
        Buttons buttons;
    };

    void queueAnswer(Answer answer) { answers_.enqueue(answer); }
    void queuePath(const QString& path) { paths_.enqueue(path); }

    const QList<Asked>& asked() const { return asked_; }
    QStringList askedTexts() const;
    const QList<FileDialog>& fileDialogs() const { return fileDialogs_; }
    void clear();

    Answer message(QWidget* parent, Icon icon, const QString& text, Buttons buttons) override;
    QString openFile(QWidget* parent, const FileDialog& dialog) override;
    QString saveFile(QWidget* parent, const FileDialog& dialog) override;
    QString chooseFolder(QWidget* parent, const QString& caption, const QString& folder) override;

private:
    QString nextPath();

    QQueue<Answer> answers_;
    QQueue<QString> paths_;
    QList<Asked> asked_;
    QList<FileDialog> fileDialogs_;
};
