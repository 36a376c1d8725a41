#include "converter/CalculatorDialog.h"

#include "widgets/LocaleNumbers.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

using Op = tvx::converter::PocketCalculator::Operation;

constexpr int kKeyWidth = 44;
constexpr int kKeyHeight = 32;

} // namespace

CalculatorDialog::CalculatorDialog(double start, bool allowNegative, QWidget* parent)
    : QDialog(parent), calc_(localeDecimalSeparator()), allowNegative_(allowNegative)
{
    setObjectName(QStringLiteral("Calculator"));
    setWindowTitle(QStringLiteral("Calculator"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    calc_.setValue(start);

    display_ = new QLineEdit(this);
    display_->setObjectName(QStringLiteral("CalcDisplay"));
    display_->setReadOnly(true);
    display_->setFocusPolicy(Qt::NoFocus);
    display_->setAlignment(Qt::AlignRight);
    QFont big = display_->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    display_->setFont(big);
    display_->setStyleSheet(QStringLiteral("QLineEdit { background: #f4f7f2; padding: 2px 4px; }"));

    auto* keys = new QGridLayout;
    keys->setSpacing(4);
    const auto digitKey = [this](int d) {
        QPushButton* b = key(QString::number(d), QStringLiteral("CalcKey%1").arg(d));
        connect(b, &QPushButton::clicked, this, [this, d]() { pressDigit(d); });
        return b;
    };
    const auto opKey = [this](const QString& text, const QString& name, Op op) {
        QPushButton* b = key(text, name);
        connect(b, &QPushButton::clicked, this, [this, op]() {
            calc_.operation(op);
            refresh();
        });
        return b;
    };

    keys->addWidget(key(QStringLiteral("C"), QStringLiteral("CalcKeyClear")), 0, 0, 1, 2);
    keys->addWidget(key(QStringLiteral("\u2190"), QStringLiteral("CalcKeyBack")), 0, 2);
    keys->addWidget(opKey(QStringLiteral("\u00f7"), QStringLiteral("CalcKeyDivide"), Op::Divide), 0, 3);
    keys->addWidget(opKey(QStringLiteral("\u00d7"), QStringLiteral("CalcKeyMultiply"), Op::Multiply), 1, 3);
    keys->addWidget(opKey(QStringLiteral("\u2212"), QStringLiteral("CalcKeySubtract"), Op::Subtract), 2, 3);
    keys->addWidget(opKey(QStringLiteral("+"), QStringLiteral("CalcKeyAdd"), Op::Add), 3, 3);
    for (int d = 1; d <= 9; ++d)
        keys->addWidget(digitKey(d), 3 - (d - 1) / 3, (d - 1) % 3);
    keys->addWidget(digitKey(0), 4, 0, 1, 2);
    keys->addWidget(key(QLocale::system().decimalPoint(), QStringLiteral("CalcKeyPoint")), 4, 2);
    keys->addWidget(key(QStringLiteral("="), QStringLiteral("CalcKeyEquals")), 4, 3);

    const auto wire = [this](const char* name, auto action) {
        connect(findChild<QPushButton*>(QLatin1String(name)), &QPushButton::clicked, this, [this, action]() {
            (calc_.*action)();
            refresh();
        });
    };
    wire("CalcKeyClear", &tvx::converter::PocketCalculator::clear);
    wire("CalcKeyBack", &tvx::converter::PocketCalculator::backspace);
    wire("CalcKeyPoint", &tvx::converter::PocketCalculator::point);
    wire("CalcKeyEquals", &tvx::converter::PocketCalculator::equals);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setObjectName(QStringLiteral("CalcOk"));
    ok_->setAutoDefault(false);
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CalcCancel"));
    buttons->button(QDialogButtonBox::Cancel)->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &CalculatorDialog::finish);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(10, 10, 10, 10);
    page->setSpacing(8);
    page->addWidget(display_);
    page->addLayout(keys);
    page->addWidget(buttons);

    refresh();
    setFixedSize(sizeHint());
}

QPushButton* CalculatorDialog::key(const QString& text, const QString& name)
{
    auto* b = new QPushButton(text, this);
    b->setObjectName(name);
    // Keys share the width evenly; C and 0 span two columns.
    b->setMinimumSize(kKeyWidth, kKeyHeight);
    b->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QString CalculatorDialog::displayText() const
{
    return display_->text();
}

void CalculatorDialog::pressDigit(int digit)
{
    calc_.digit(digit);
    refresh();
}

void CalculatorDialog::refresh()
{
    display_->setText(QString::fromStdString(calc_.display()));
    const std::optional<double> shown = calc_.value();
    ok_->setEnabled(shown && (allowNegative_ || *shown >= 0.0));
}

void CalculatorDialog::finish()
{
    // "12 + 3" then OK gives 15, as a desk calculator would on "=".
    calc_.equals();
    refresh();
    if (ok_->isEnabled())
        accept();
}

void CalculatorDialog::keyPressEvent(QKeyEvent* event)
{
    const QString typed = event->text();
    const QChar c = typed.isEmpty() ? QChar() : typed.at(0);
    if (c.isDigit()) {
        pressDigit(c.digitValue());
        return;
    }
    switch (event->key()) {
    case Qt::Key_Enter:
    case Qt::Key_Return: finish(); return;
    case Qt::Key_Backspace: calc_.backspace(); break;
    case Qt::Key_Delete: calc_.clear(); break;
    default:
        if (c == QLatin1Char('.') || c == QLatin1Char(',') || c == QLocale::system().decimalPoint().at(0))
            calc_.point();
        else if (c == QLatin1Char('+'))
            calc_.operation(Op::Add);
        else if (c == QLatin1Char('-'))
            calc_.operation(Op::Subtract);
        else if (c == QLatin1Char('*') || c == QLatin1Char('x') || c == QChar(0x00d7))
            calc_.operation(Op::Multiply);
        else if (c == QLatin1Char('/') || c == QChar(0x00f7))
            calc_.operation(Op::Divide);
        else if (c == QLatin1Char('='))
            calc_.equals();
        else if (c == QLatin1Char('c') || c == QLatin1Char('C'))
            calc_.clear();
        else {
            QDialog::keyPressEvent(event); // Escape cancels
            return;
        }
        break;
    }
    refresh();
}
