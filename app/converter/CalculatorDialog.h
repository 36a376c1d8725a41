#pragma once

#include "converter/PocketCalculator.h"

#include <QDialog>

#include <optional>

class QLineEdit;
class QPushButton;

// The pop-up calculator of the converter's entry boxes (title "Calculator").
// It starts from the box's value; OK (or Enter, which first completes a
// pending operation) hands the result back through accepted().
class CalculatorDialog : public QDialog {
    Q_OBJECT
public:
    // allowNegative false: OK is offered only for a result of 0 or more, as
    // the boxes it serves take no negative numbers.
    CalculatorDialog(double start, bool allowNegative, QWidget* parent = nullptr);

    // The value shown; nullopt in the error state.
    std::optional<double> value() const { return calc_.value(); }
    QString displayText() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPushButton* key(const QString& text, const QString& name);
    void pressDigit(int digit);
    void refresh();
    void finish();

    tvx::converter::PocketCalculator calc_;
    bool allowNegative_;
    QLineEdit* display_ = nullptr;
    QPushButton* ok_ = nullptr;
};
