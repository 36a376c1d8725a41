#pragma once

#include "converter/Converter.h"

#include <QGroupBox>
#include <QLineEdit>

class NumberEdit;
class QAction;
class QComboBox;
class QToolButton;

// A result box: typing is refused, but the text can be selected and copied.
// Of the keys that type a character only Backspace, Ctrl+A, Ctrl+C, Ctrl+V,
// Ctrl+X and Ctrl+Z reach it; moving and selecting work as usual.
class ConverterResultEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit ConverterResultEdit(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// One category of the converter: From and To lists, the switch button, the
// entry box and the result box. The same widget serves all eight categories;
// the category decides the control names, the units and whether the entry box
// takes a minus sign (temperature) or offers the pop-up calculator (all the
// others).
class ConverterGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit ConverterGroup(tvx::converter::Category category, QWidget* parent = nullptr);

    tvx::converter::Category category() const { return category_; }
    bool offersCalculator() const { return calculatorAction_ != nullptr; }

    QComboBox* fromList() const { return from_; }
    QComboBox* toList() const { return to_; }
    NumberEdit* entry() const { return entry_; }
    QLineEdit* result() const { return result_; }

    // From, To and entry text; false when a list has no unit selected.
    bool input(tvx::converter::CategoryInput& input) const;

    // Selects the units (indexes brought into range) without reporting a change.
    void setUnits(int from, int to);

    // Width of the widest unit name of any category, so that every group's
    // lists are equally wide and the groups line up.
    static int unitListWidth(const QWidget* reference);

signals:
    // The user changed From, To or the entry text, or switched the units.
    void inputChanged();
    // The calculator button of the entry box was pressed.
    void calculatorRequested();

private:
    void switchUnits();

    tvx::converter::Category category_;
    QComboBox* from_ = nullptr;
    QComboBox* to_ = nullptr;
    QToolButton* switch_ = nullptr;
    NumberEdit* entry_ = nullptr;
    ConverterResultEdit* result_ = nullptr;
    QAction* calculatorAction_ = nullptr;
};
