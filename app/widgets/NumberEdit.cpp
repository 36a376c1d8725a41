#include "widgets/NumberEdit.h"

#include "widgets/LocaleNumbers.h"

#include <QKeyEvent>

NumberEdit::NumberEdit(QWidget* parent) : QLineEdit(parent) {}

bool NumberEdit::accepts(QChar c) const
{
    return c.isDigit() || c == QLatin1Char('.') || c == QLatin1Char(',') || (minusAllowed_ && c == QLatin1Char('-'));
}

std::optional<double> NumberEdit::number() const
{
    return parseLocaleNumber(text());
}

void NumberEdit::keyPressEvent(QKeyEvent* event)
{
    const QString typed = event->text();
    const bool control = event->modifiers().testFlag(Qt::ControlModifier);
    if (control) {
        // Only the clipboard, select-all and undo shortcuts.
        switch (event->key()) {
        case Qt::Key_A: case Qt::Key_C: case Qt::Key_V: case Qt::Key_X: case Qt::Key_Z:
            QLineEdit::keyPressEvent(event);
            return;
        default:
            if (typed.isEmpty() || !typed.at(0).isPrint()) {
                QLineEdit::keyPressEvent(event);
                return;
            }
            event->accept();
            return;
        }
    }
    if (!typed.isEmpty() && typed.at(0).isPrint()) {
        for (QChar c : typed) {
            if (!accepts(c)) {
                event->accept(); // discarded
                return;
            }
        }
    }
    QLineEdit::keyPressEvent(event);
}
