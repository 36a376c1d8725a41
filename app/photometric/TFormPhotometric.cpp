#include "photometric/TFormPhotometric.h"

#include "photometric/PhotometricDiagram.h"
#include "photometric/PhotometricFixtures.h"
#include "setup/SetupLayout.h"
#include "shell/AppContext.h"
#include "widgets/LocaleNumbers.h"
#include "widgets/NumberEdit.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QAbstractItemView>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

#include <algorithm>
#include <span>

namespace {

namespace pm = tvx::photometric;

// Client area of the window, and the diagram drawn at this share of its
// 300 x 330 pixels.
constexpr int kClientWidth = 620;
constexpr int kClientHeight = 306;
constexpr double kDiagramScale = 0.66;

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

void keepSpaceWhenHidden(QWidget* w)
{
    QSizePolicy policy = w->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    w->setSizePolicy(policy);
}

} // namespace

TFormPhotometric::TFormPhotometric(AppContext& context, QWidget* parent) : ModuleWindow(context, parent)
{
    setObjectName(QStringLiteral("FormPhotometric"));
    useFixedCalculatorFrame();
    // The small type of the toolbar: the whole calculator fits a compact window.
    setFont(QFont(QStringLiteral("Arial"), 8));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("PhotoClient"));
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);

    diagram_ = new PhotometricDiagram(kDiagramScale, client);
    diagram_->move(6, 6);
    connect(diagram_, &PhotometricDiagram::letterClicked, this, &TFormPhotometric::selectTarget);

    fixtures_ = new PhotometricFixtures(context, client);
    connect(fixtures_, &PhotometricFixtures::valueClicked, this, &TFormPhotometric::enterValue);
    const int filterTop = diagram_->y() + diagram_->height() + 8;
    fixtures_->filterBox()->setGeometry(6, filterTop, diagram_->width(), kClientHeight - filterTop - 4);

    const int panelLeft = diagram_->x() + diagram_->width() + 10;
    const int panelWidth = 236;
    fixtures_->panel()->setGeometry(panelLeft, 4, panelWidth, kClientHeight - 8);

    QWidget* group = buildCalculateGroup(client);
    const int groupLeft = panelLeft + panelWidth + 8;
    group->setGeometry(groupLeft, 0, kClientWidth - groupLeft - 6, kClientHeight - 4);

    buildMenus();

    fixSizeAndCentre();
}

QWidget* TFormPhotometric::buildCalculateGroup(QWidget* parent)
{
    auto* group = new QGroupBox(QStringLiteral("Calculate..."), parent);
    group->setObjectName(QStringLiteral("GroupBox1"));

    target_ = new QComboBox(group);
    target_->setObjectName(QStringLiteral("PhotoDropBox1"));
    target_->setToolTip(QStringLiteral("Select the variable you are looking for"));
    for (const pm::QuantityInfo& q : pm::quantities())
        target_->addItem(qs(q.caption));
    target_->view()->setMinimumWidth(target_->view()->sizeHintForColumn(0) + 8);
    connect(target_, &QComboBox::currentIndexChanged, this, &TFormPhotometric::PhotoDropBox1Change);

    auto* knowingCaption = new QLabel(QStringLiteral("Knowing..."), group);
    knowingCaption->setObjectName(QStringLiteral("Label1"));
    knowing_ = new QComboBox(group);
    knowing_->setObjectName(QStringLiteral("CBKnowing"));
    knowing_->setToolTip(QStringLiteral("Select the variable you know"));
    connect(knowing_, &QComboBox::currentIndexChanged, this, &TFormPhotometric::CBKnowingChange);

    auto* formulaCaption = new QLabel(QStringLiteral("Formula:"), group);
    formulaCaption->setObjectName(QStringLiteral("Label2"));
    formula_ = new QLabel(group);
    formula_->setObjectName(QStringLiteral("LabelFormula"));
    formula_->setWordWrap(true);
    formula_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    formula_->setMinimumHeight(2 * formula_->fontMetrics().height());
    QFont formulaFont = formula_->font();
    formulaFont.setBold(true);
    formula_->setFont(formulaFont);
    formula_->setStyleSheet(QStringLiteral("color: #000080;"));

    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(6, 4, 6, 6);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    grid->addWidget(target_, 0, 0, 1, 2);
    // Captions above their fields: the lists get the group's full width.
    grid->addWidget(knowingCaption, 1, 0, 1, 2);
    grid->addWidget(knowing_, 2, 0, 1, 2);
    grid->addWidget(formulaCaption, 3, 0, 1, 2);
    grid->addWidget(formula_, 4, 0, 1, 2);

    const char* const inputNames[] = {"EditEnterValueA", "EditEnterValueB", "EditEnterValueC"};
    const char* const labelNames[] = {"LabelValueA", "LabelValueB", "LabelValueC"};
    for (std::size_t i = 0; i < inputs_.size(); ++i) {
        inputLabels_[i] = new QLabel(group);
        inputLabels_[i]->setObjectName(QLatin1String(labelNames[i]));
        inputLabels_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        inputs_[i] = new NumberEdit(group);
        inputs_[i]->setObjectName(QLatin1String(inputNames[i]));
        inputs_[i]->setAlignment(Qt::AlignRight);
        inputs_[i]->setText(QStringLiteral("1"));
        keepSpaceWhenHidden(inputLabels_[i]);
        keepSpaceWhenHidden(inputs_[i]);
        connect(inputs_[i], &QLineEdit::textEdited, this, &TFormPhotometric::PhotoMetricCalculation);
        grid->addWidget(inputLabels_[i], 5 + int(i), 0);
        grid->addWidget(inputs_[i], 5 + int(i), 1);
    }

    const auto resultRow = [&](const char* labelName, const char* editName, int gridRow, QLabel*& label,
                               QLineEdit*& edit) {
        label = new QLabel(group);
        label->setObjectName(QLatin1String(labelName));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        edit = new QLineEdit(group);
        edit->setObjectName(QLatin1String(editName));
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::ClickFocus);
        edit->setAlignment(Qt::AlignRight);
        edit->setFont(bold);
        QPalette p = edit->palette();
        p.setColor(QPalette::Base, QColor(0xf0, 0xf0, 0xf0));
        edit->setPalette(p);
        keepSpaceWhenHidden(label);
        keepSpaceWhenHidden(edit);
        grid->addWidget(label, gridRow, 0);
        grid->addWidget(edit, gridRow, 1);
    };
    resultRow("LabelResultA", "EditResultA", 8, resultLabelA_, resultA_);
    resultRow("LabelResultB", "EditResultB", 9, resultLabelB_, resultB_);

    warning_ = new QLabel(QStringLiteral("Invalide Entry!!!"), group);
    warning_->setObjectName(QStringLiteral("LabelWarning"));
    warning_->setToolTip(
        QStringLiteral("The value entered are not valid, calculation cannot be completed, try new values"));
    warning_->setAlignment(Qt::AlignCenter);
    QFont warningFont = warning_->font();
    warningFont.setBold(true);
    warning_->setFont(warningFont);
    warning_->setStyleSheet(QStringLiteral("color: red;"));
    keepSpaceWhenHidden(warning_);
    warning_->hide();
    grid->addWidget(warning_, 10, 0, 1, 2);
    grid->setRowStretch(11, 1);
    grid->setColumnStretch(1, 1);

    fillKnowing();
    layoutRow();
    return group;
}

void TFormPhotometric::buildMenus()
{
    QMenu* action = addMenu(QStringLiteral("Action"), QStringLiteral("Action1"));
    addClearAllItem(action, [this]() { Clear1Click(); });
    action->addSeparator();
    addExitItem(action);

    addEditMenu();

    QMenu* calculate = addMenu(QStringLiteral("Calculate..."), QStringLiteral("Calculate1"));
    const Qt::Key keys[pm::QuantityCount] = {Qt::Key_H, Qt::Key_V, Qt::Key_D, Qt::Key_F, Qt::Key_C, Qt::Key_K,
                                             Qt::Key_X, Qt::Key_Y, Qt::Key_L, Qt::Key_P, Qt::Key_M};
    for (std::size_t i = 0; i < pm::QuantityCount; ++i) {
        const int target = int(i);
        addMenuItem(calculate, QStringLiteral("Calculate") + qs(pm::quantities()[i].id), qs(pm::quantities()[i].caption),
            QKeySequence(Qt::CTRL | Qt::ALT | keys[i]), [this, target]() { selectTarget(target); });
    }
}

bool TFormPhotometric::event(QEvent* event)
{
    const bool handled = ModuleWindow::event(event);
    // Every activation re-applies this module's filter to the shared table.
    if (event->type() == QEvent::WindowActivate)
        fixtures_->applyStoredFilter();
    return handled;
}

void TFormPhotometric::firstActivate()
{
    // Without the picture the letters still work over a white area.
    diagram_->loadPicture(context().resourcePath(QStringLiteral("Photometric_plot.bmp")));

    const tvx::SetupRecord& setup = context().setup();
    values_ = pm::validValues(setup.get(tvx::setup::PhotometricValues));
    const std::size_t target = pm::validTarget(setup.get(tvx::setup::PhotometricTarget));
    const std::size_t choice = pm::validChoice(target, setup.get(tvx::setup::PhotometricKnowing));
    {
        const QSignalBlocker block(target_);
        target_->setCurrentIndex(int(target));
    }
    fillKnowing();
    layoutRow();
    {
        const QSignalBlocker block(knowing_);
        knowing_->setCurrentIndex(int(choice));
    }
    layoutRow();
    PhotoMetricCalculation();
    fixtures_->showStoredFilterText();
}

void TFormPhotometric::storeValues()
{
    tvx::SetupRecord& setup = context().setup();
    setup.set(tvx::setup::PhotometricTarget, std::max(0, target_->currentIndex()));
    setup.set(tvx::setup::PhotometricKnowing, std::max(0, knowing_->currentIndex()));
    setup.set(tvx::setup::PhotometricValues, std::span<const double>(values_.data(), values_.size()));
}

void TFormPhotometric::selectTarget(int target)
{
    {
        const QSignalBlocker block(target_);
        target_->setCurrentIndex(int(pm::validTarget(target)));
    }
    PhotoDropBox1Change();
}

void TFormPhotometric::enterValue(int quantity, double value)
{
    if (quantity < 0 || std::size_t(quantity) >= pm::QuantityCount)
        return;
    values_[std::size_t(quantity)] = value;
    layoutRow();
    PhotoMetricCalculation();
}

void TFormPhotometric::PhotoDropBox1Change()
{
    fillKnowing();
    layoutRow();
    PhotoMetricCalculation();
}

void TFormPhotometric::CBKnowingChange()
{
    layoutRow();
    PhotoMetricCalculation();
}

void TFormPhotometric::fillKnowing()
{
    const QSignalBlocker block(knowing_);
    knowing_->clear();
    for (const std::string& item : pm::knowingItems(std::size_t(std::max(0, target_->currentIndex()))))
        knowing_->addItem(QString::fromStdString(item));
    knowing_->setCurrentIndex(0);
}

void TFormPhotometric::layoutRow()
{
    const pm::FormulaRow& row = pm::formulaRow(std::size_t(std::max(0, target_->currentIndex())),
                                               std::size_t(std::max(0, knowing_->currentIndex())));
    const std::string separator = localeDecimalSeparator();
    formula_->setText(qs(row.formula));
    for (std::size_t i = 0; i < inputs_.size(); ++i) {
        const bool shown = i < row.inputCount;
        inputLabels_[i]->setText(shown ? qs(row.inputs[i].caption) : QString());
        inputLabels_[i]->setVisible(shown);
        inputs_[i]->setVisible(shown);
        if (shown && row.inputs[i].quantity != pm::Quantity::None)
            inputs_[i]->setText(QString::fromStdString(
                pm::inputText(values_[std::size_t(row.inputs[i].quantity)], separator)));
    }
    resultLabelA_->setText(qs(row.resultCaption));
    resultLabelB_->setText(qs(row.secondResultCaption));
    resultLabelB_->setVisible(row.hasSecondResult());
    resultB_->setVisible(row.hasSecondResult());
}

void TFormPhotometric::PhotoMetricCalculation()
{
    warning_->hide();
    std::array<std::string, 3> texts;
    for (std::size_t i = 0; i < inputs_.size(); ++i)
        texts[i] = inputs_[i]->text().trimmed().toStdString();
    const pm::Calculation result =
        pm::PhotoMetricCalculation(std::size_t(std::max(0, target_->currentIndex())),
                                   std::size_t(std::max(0, knowing_->currentIndex())), texts, values_,
                                   localeDecimalSeparator());
    values_ = result.values;
    if (!result.ok)
        warning_->show();
    resultA_->setText(QString::fromStdString(result.resultA));
    resultB_->setText(QString::fromStdString(result.resultB));
    // Negative results (C from K above 90) are drawn in red.
    QPalette p = resultA_->palette();
    p.setColor(QPalette::Text, result.negativeA ? QColor(Qt::red) : palette().color(QPalette::Text));
    resultA_->setPalette(p);
}

void TFormPhotometric::Clear1Click()
{
    values_.fill(0.0);
    for (NumberEdit* edit : inputs_)
        edit->setText(QStringLiteral("0"));
    PhotoMetricCalculation();
}

void TFormPhotometric::Close1Click()
{
    close();
}
