#include "shell/ScriptedPrompts.h"

QStringList ScriptedPrompts::askedTexts() const
{
    QStringList texts;
    for (const Asked& a : asked_)
        texts << a.text;
    return texts;
}

void ScriptedPrompts::clear()
{
    answers_.clear();
    paths_.clear();
    asked_.clear();
    fileDialogs_.clear();
}

Prompts::Answer ScriptedPrompts::message(QWidget*, Icon icon, const QString& text, Buttons buttons)
{
    asked_.append({icon, text, buttons});
    if (!answers_.isEmpty())
        return answers_.dequeue();
    return (buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel) ? Answer::Yes : Answer::Ok;
}

QString ScriptedPrompts::nextPath()
{
    return paths_.isEmpty() ? QString() : paths_.dequeue();
}

QString ScriptedPrompts::openFile(QWidget*, const FileDialog& dialog)
{
    fileDialogs_.append(dialog);
    return nextPath();
}

QString ScriptedPrompts::saveFile(QWidget*, const FileDialog& dialog)
{
    fileDialogs_.append(dialog);
    return nextPath();
}

QString ScriptedPrompts::chooseFolder(QWidget*, const QString& caption, const QString& folder)
{
    FileDialog d;
    d.caption = caption;
    d.folder = folder;
    fileDialogs_.append(d);
    return nextPath();
}
