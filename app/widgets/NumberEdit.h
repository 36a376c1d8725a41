#pragma once

#include <QLineEdit>

#include <optional>

// An edit field for numbers: of the characters typed only the digits, the
// point, the comma (and the minus sign where allowed) reach it, besides
// Backspace and Ctrl+A, Ctrl+C, Ctrl+V, Ctrl+X and Ctrl+Z. Keys that type no
// character (arrows, Delete, Tab, Enter) work as usual.
class NumberEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit NumberEdit(QWidget* parent = nullptr);

    void setMinusAllowed(bool allowed) { minusAllowed_ = allowed; }
    // Whether a typed character would reach the field.
    bool accepts(QChar c) const;

    // The value in the user's locale; nullopt when empty or unreadable.
    std::optional<double> number() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool minusAllowed_ = false;
};
