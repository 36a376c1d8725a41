#include "converter/ConverterGroup.h"

#include "widgets/NumberEdit.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QSignalBlocker>
#include <QToolButton>

#include <algorithm>

namespace {

using tvx::converter::Category;

// Control names per category. The lists, entry and result boxes use one stem
// and the switch button another ("Lenght" / "Length").
struct GroupNames {
    const char* stem;
    const char* switchStem;
};

GroupNames namesOf(Category category)
{
    switch (category) {
    case Category::Mass: return {"Mass", "Mass"};
    case Category::Volume: return {"Volume", "Volume"};
    case Category::Length: return {"Lenght", "Length"};
    case Category::Area: return {"Area", "Area"};
    case Category::Time: return {"Time", "Time"};
    case Category::Speed: return {"Speed", "Speed"};
    case Category::Light: return {"Light", "Light"};
    case Category::Temperature: break;
    }
    return {"Temp", "Temp"};
}

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

constexpr int kIconSize = 16;
const QColor kIconInk(0x1f, 0x3a, 0x68);

QPixmap iconCanvas(const QWidget* w)
{
    const qreal ratio = w->devicePixelRatioF();
    QPixmap pixmap(QSize(kIconSize, kIconSize) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// An up and a down arrow side by side: From and To change places.
QIcon switchIcon(const QWidget* w)
{
    QPixmap pixmap = iconCanvas(w);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kIconInk, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(5, 13.5), QPointF(5, 3));
    p.drawPolyline(QPolygonF({QPointF(2, 6), QPointF(5, 2.5), QPointF(8, 6)}));
    p.drawLine(QPointF(11, 2.5), QPointF(11, 13));
    p.drawPolyline(QPolygonF({QPointF(8, 10), QPointF(11, 13.5), QPointF(14, 10)}));
    return QIcon(pixmap);
}

// A pocket calculator: display strip over a grid of keys.
QIcon calculatorIcon(const QWidget* w)
{
    QPixmap pixmap = iconCanvas(w);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kIconInk, 1.0));
    p.setBrush(QColor(0xf4, 0xf6, 0xfa));
    p.drawRoundedRect(QRectF(2.5, 0.5, 11, 15), 1.5, 1.5);
    p.setBrush(QColor(0xb8, 0xd4, 0xb0));
    p.drawRect(QRectF(4.5, 2.5, 7, 3));
    p.setPen(Qt::NoPen);
    p.setBrush(kIconInk);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            p.drawRect(QRectF(4.5 + col * 2.6, 7.5 + row * 2.6, 1.8, 1.8));
    return QIcon(pixmap);
}

QLabel* caption(const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

} // namespace

ConverterResultEdit::ConverterResultEdit(QWidget* parent) : QLineEdit(parent) {}

void ConverterResultEdit::keyPressEvent(QKeyEvent* event)
{
    const QString typed = event->text();
    const bool types = !typed.isEmpty() && typed.at(0).isPrint();
    if (event->modifiers().testFlag(Qt::ControlModifier)) {
        switch (event->key()) {
        case Qt::Key_A: case Qt::Key_C: case Qt::Key_V: case Qt::Key_X: case Qt::Key_Z:
            QLineEdit::keyPressEvent(event);
            return;
        default:
            break;
        }
    }
    if (types) {
        event->accept(); // refused
        return;
    }
    QLineEdit::keyPressEvent(event);
}

int ConverterGroup::unitListWidth(const QWidget* reference)
{
    int widest = 0;
    for (const Category category : tvx::converter::AllCategories)
        for (const std::string_view unit : tvx::converter::unitNames(category))
            widest = std::max(widest, reference->fontMetrics().horizontalAdvance(qs(unit)));
    // Room for the frame and the drop-down arrow.
    return widest + 44;
}

ConverterGroup::ConverterGroup(Category category, QWidget* parent) : QGroupBox(parent), category_(category)
{
    const GroupNames names = namesOf(category);
    const QString stem = QLatin1String(names.stem);
    setObjectName(QStringLiteral("ConvertGroup") + stem);
    setTitle(qs(tvx::converter::categoryLabel(category)));

    const int listWidth = unitListWidth(this);
    const auto unitList = [&](const QString& name) {
        auto* list = new QComboBox(this);
        list->setObjectName(name);
        list->setEditable(false);
        list->setMaxVisibleItems(14);
        for (const std::string_view unit : tvx::converter::unitNames(category))
            list->addItem(qs(unit));
        list->setFixedWidth(listWidth);
        connect(list, &QComboBox::currentIndexChanged, this, &ConverterGroup::inputChanged);
        return list;
    };
    from_ = unitList(QStringLiteral("Convert") + stem + QStringLiteral("From"));
    to_ = unitList(QStringLiteral("Convert") + stem + QStringLiteral("To"));

    switch_ = new QToolButton(this);
    switch_->setObjectName(QStringLiteral("ConvertSwitch") + QLatin1String(names.switchStem));
    switch_->setToolTip(QStringLiteral("Invert Selection"));
    switch_->setIcon(switchIcon(this));
    switch_->setIconSize(QSize(kIconSize, kIconSize));
    switch_->setAutoRaise(false);
    switch_->setFixedSize(28, from_->sizeHint().height() * 2 + 4);
    switch_->setFocusPolicy(Qt::TabFocus);
    connect(switch_, &QToolButton::clicked, this, &ConverterGroup::switchUnits);

    const int digitWidth = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    entry_ = new NumberEdit(this);
    entry_->setObjectName(QStringLiteral("Convert") + stem + QStringLiteral("Input"));
    entry_->setAlignment(Qt::AlignRight);
    entry_->setFixedWidth(digitWidth * 22 + 40);
    if (category == Category::Temperature) {
        entry_->setMinusAllowed(true);
    } else {
        calculatorAction_ = new QAction(calculatorIcon(this), QStringLiteral("Calculator"), entry_);
        calculatorAction_->setObjectName(QStringLiteral("Convert") + stem + QStringLiteral("Calculator"));
        calculatorAction_->setToolTip(QStringLiteral("Calculator (F4)"));
        calculatorAction_->setShortcut(QKeySequence(Qt::Key_F4));
        calculatorAction_->setShortcutContext(Qt::WidgetShortcut);
        entry_->addAction(calculatorAction_, QLineEdit::TrailingPosition);
        connect(calculatorAction_, &QAction::triggered, this, &ConverterGroup::calculatorRequested);
    }
    connect(entry_, &QLineEdit::textChanged, this, &ConverterGroup::inputChanged);

    result_ = new ConverterResultEdit(this);
    result_->setObjectName(QStringLiteral("Convert") + stem + QStringLiteral("Result"));
    result_->setAlignment(Qt::AlignRight);
    result_->setFixedWidth(entry_->width());
    result_->setStyleSheet(QStringLiteral("QLineEdit { background: #eef1f5; }"));

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(10, 8, 10, 10);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(6);
    grid->addWidget(caption(QStringLiteral("From:"), from_, this), 0, 0);
    grid->addWidget(from_, 0, 1);
    grid->addWidget(caption(QStringLiteral("To:"), to_, this), 1, 0);
    grid->addWidget(to_, 1, 1);
    grid->addWidget(switch_, 0, 2, 2, 1, Qt::AlignCenter);
    grid->addWidget(caption(QStringLiteral("Entry value:"), entry_, this), 0, 4);
    grid->addWidget(entry_, 0, 5);
    grid->addWidget(caption(QStringLiteral("Result:"), result_, this), 1, 4);
    grid->addWidget(result_, 1, 5);
    grid->setColumnMinimumWidth(3, 8);
    grid->setColumnStretch(3, 1);
}

bool ConverterGroup::input(tvx::converter::CategoryInput& input) const
{
    if (from_->currentIndex() < 0 || to_->currentIndex() < 0)
        return false;
    input.from = from_->currentIndex();
    input.to = to_->currentIndex();
    input.entry = entry_->text().toStdString();
    return true;
}

void ConverterGroup::setUnits(int from, int to)
{
    const QSignalBlocker blockFrom(from_);
    const QSignalBlocker blockTo(to_);
    from_->setCurrentIndex(tvx::converter::clampUnitIndex(category_, from));
    to_->setCurrentIndex(tvx::converter::clampUnitIndex(category_, to));
}

void ConverterGroup::switchUnits()
{
    tvx::converter::CategoryInput units;
    if (!input(units))
        return;
    tvx::converter::switchUnits(units);
    setUnits(units.from, units.to);
    emit inputChanged();
}
