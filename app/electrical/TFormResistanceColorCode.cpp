#include "electrical/TFormResistanceColorCode.h"

#include "electrical/TFormResistanceColorCodePrint.h"
#include "reports/ReportPreview.h"
#include "setup/SetupLayout.h"
#include "shell/AppContext.h"
#include "widgets/LocaleNumbers.h"
#include "widgets/NumberEdit.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

using tvx::electrical::BandSetting;
using tvx::electrical::ColourBand;
using tvx::electrical::EntryUnit;

constexpr int kSwatchWidth = 46;
constexpr int kSwatchHeight = 17;
constexpr int kResultChars = 34;

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QColor colourOf(tvx::electrical::ResistorColour colour)
{
    return QColor(QRgb(tvx::electrical::colourInfo(colour).rgb));
}

// Black or white, whichever reads on the colour.
QColor textOn(const QColor& background)
{
    const double luminance = 0.299 * background.red() + 0.587 * background.green() + 0.114 * background.blue();
    return luminance > 140 ? QColor(Qt::black) : QColor(Qt::white);
}

QString fillStyle(const char* type, const QColor& colour)
{
    return QStringLiteral("%1 { background: %2; color: %3; border: 1px solid #606060; }")
        .arg(QLatin1String(type), colour.name(), textOn(colour).name());
}

QLabel* headingLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont f = label->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() + 1);
    label->setFont(f);
    label->setStyleSheet(QStringLiteral("color: #000080;"));
    return label;
}

QFrame* panelFrame(QWidget* parent)
{
    auto* frame = new QFrame(parent);
    frame->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    return frame;
}

// "Total Resistance = " followed by a fraction with a rule between its parts.
QWidget* fractionFormula(const QString& numerator, const QString& denominator, QWidget* parent)
{
    auto* box = new QWidget(parent);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(12, 0, 0, 0);
    row->setSpacing(2);
    row->addWidget(new QLabel(QStringLiteral("Total Resistance = "), box));
    auto* fraction = new QVBoxLayout;
    fraction->setSpacing(1);
    auto* top = new QLabel(numerator, box);
    top->setAlignment(Qt::AlignCenter);
    auto* rule = new QFrame(box);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Plain);
    auto* bottom = new QLabel(denominator, box);
    bottom->setAlignment(Qt::AlignCenter);
    fraction->addWidget(top);
    fraction->addWidget(rule);
    fraction->addWidget(bottom);
    row->addLayout(fraction);
    row->addStretch(1);
    return box;
}

} // namespace

TFormResistanceColorCode::TFormResistanceColorCode(AppContext& context, QWidget* parent)
    : ModuleWindow(context, parent)
{
    setObjectName(QStringLiteral("FormResistanceColorCode"));
    useFixedCalculatorFrame();

    auto* client = new QWidget(this);
    setCentralWidget(client);

    auto* right = new QVBoxLayout;
    right->setSpacing(10);
    right->addWidget(buildResistor());
    right->addWidget(buildResults());
    right->addWidget(buildEntry());
    right->addStretch(1);

    auto* columns = new QHBoxLayout;
    columns->setSpacing(10);
    columns->addWidget(buildChart(), 0, Qt::AlignTop);
    columns->addWidget(buildPickers(), 0, Qt::AlignTop);
    columns->addLayout(right);

    auto* page = new QVBoxLayout(client);
    page->setContentsMargins(10, 10, 10, 10);
    page->setSpacing(10);
    page->addLayout(columns);
    page->addWidget(buildFormulas());

    buildMenus();
    ResultsUpdate();

    fixSizeAndCentre();
}

QWidget* TFormResistanceColorCode::buildChart()
{
    QFrame* frame = panelFrame(centralWidget());
    frame->setObjectName(QStringLiteral("Resistance_ChartPanel"));
    auto* box = new QVBoxLayout(frame);
    box->setContentsMargins(10, 8, 10, 8);
    box->setSpacing(6);
    QLabel* title = headingLabel(QStringLiteral("Resistor Color Code"), frame);
    title->setObjectName(QStringLiteral("Resistance_ChartTitle"));
    title->setAlignment(Qt::AlignCenter);
    box->addWidget(title);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(2);
    const char* letters[] = {"A", "B", "C", "D"};
    for (int c = 0; c < 4; ++c) {
        auto* letter = new QLabel(QLatin1String(letters[c]), frame);
        QFont bold = letter->font();
        bold.setBold(true);
        letter->setFont(bold);
        letter->setAlignment(Qt::AlignCenter);
        grid->addWidget(letter, 0, c + 1);
    }
    int row = 1;
    for (const tvx::electrical::ResistorColour colour : tvx::electrical::chartOrder()) {
        const auto& info = tvx::electrical::colourInfo(colour);
        auto* swatch = new QLabel(qs(info.name), frame);
        swatch->setAlignment(Qt::AlignCenter);
        swatch->setMinimumWidth(74);
        swatch->setStyleSheet(fillStyle("QLabel", colourOf(colour)));
        grid->addWidget(swatch, row, 0);
        const std::string_view texts[] = {info.digitText, info.digitText, info.multiplierText, info.toleranceText};
        for (int c = 0; c < 4; ++c) {
            auto* text = new QLabel(qs(texts[c]), frame);
            text->setAlignment(Qt::AlignCenter);
            grid->addWidget(text, row, c + 1);
        }
        ++row;
    }
    box->addLayout(grid);
    return frame;
}

QWidget* TFormResistanceColorCode::buildResistor()
{
    auto* holder = new QWidget(centralWidget());
    auto* row = new QHBoxLayout(holder);
    row->setContentsMargins(0, 6, 0, 6);
    row->setSpacing(0);
    const auto lead = [holder]() {
        auto* wire = new QFrame(holder);
        wire->setFixedSize(44, 4);
        wire->setStyleSheet(QStringLiteral("background: #9a9a9a;"));
        return wire;
    };
    auto* body = new QFrame(holder);
    body->setObjectName(QStringLiteral("Resistance_Shape1"));
    body->setFixedSize(230, 58);
    body->setStyleSheet(QStringLiteral("#Resistance_Shape1 { background: #400000; border-radius: 14px; }"));
    const char* names[] = {"ResistanceCode_A", "ResistanceCode_B", "ResistanceCode_C", "ResistanceCode_D"};
    const char* hints[] = {"A= First digiit", "B= Second digit", "C= Multiplier", "D= Tolerance"};
    const int xs[] = {34, 72, 110, 176};
    for (std::size_t b = 0; b < bandShapes_.size(); ++b) {
        auto* band = new QFrame(body);
        band->setObjectName(QLatin1String(names[b]));
        band->setToolTip(QLatin1String(hints[b]));
        band->setGeometry(xs[b], 0, 20, 58);
        bandShapes_[b] = band;
    }
    row->addStretch(1);
    row->addWidget(lead(), 0, Qt::AlignVCenter);
    row->addWidget(body);
    row->addWidget(lead(), 0, Qt::AlignVCenter);
    row->addStretch(1);
    return holder;
}

QWidget* TFormResistanceColorCode::buildPickers()
{
    QFrame* frame = panelFrame(centralWidget());
    frame->setObjectName(QStringLiteral("Resistance_PickerPanel"));
    auto* box = new QVBoxLayout(frame);
    box->setContentsMargins(10, 8, 10, 8);
    box->setSpacing(2);
    for (const char* line : {"Click on the corresponding", "colors of your resistor"}) {
        auto* label = new QLabel(QLatin1String(line), frame);
        label->setAlignment(Qt::AlignCenter);
        box->addWidget(label);
    }
    box->addSpacing(6);

    auto* columns = new QHBoxLayout;
    columns->setSpacing(8);
    const ColourBand bands[] = {ColourBand::A, ColourBand::B, ColourBand::C, ColourBand::D};
    const char* letters[] = {"A", "B", "C", "D"};
    for (std::size_t b = 0; b < 4; ++b) {
        auto* panel = new QWidget(frame);
        panel->setObjectName(QStringLiteral("Resistance_Panel%1").arg(b + 1));
        auto* column = new QVBoxLayout(panel);
        column->setContentsMargins(0, 0, 0, 0);
        column->setSpacing(2);
        auto* letter = new QLabel(QLatin1String(letters[b]), panel);
        QFont bold = letter->font();
        bold.setBold(true);
        letter->setFont(bold);
        letter->setAlignment(Qt::AlignCenter);
        column->addWidget(letter);
        for (const tvx::electrical::BandSwatch& swatch : tvx::electrical::bandSwatches(bands[b])) {
            auto* button = new QToolButton(panel);
            button->setObjectName(qs(swatch.objectName));
            button->setToolTip(qs(swatch.hint));
            button->setFocusPolicy(Qt::NoFocus);
            button->setFixedSize(kSwatchWidth, kSwatchHeight);
            button->setCursor(Qt::PointingHandCursor);
            button->setStyleSheet(fillStyle("QToolButton", colourOf(swatch.setting.colour)));
            const ColourBand band = bands[b];
            const BandSetting setting = swatch.setting;
            connect(button, &QToolButton::clicked, this, [this, band, setting]() { swatchClick(band, setting); });
            column->addWidget(button);
        }
        column->addStretch(1);
        columns->addWidget(panel);
    }
    box->addLayout(columns);
    return frame;
}

QWidget* TFormResistanceColorCode::buildResults()
{
    QFrame* frame = panelFrame(centralWidget());
    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(10, 8, 10, 8);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    const auto result = [&](int row, const char* name, const QString& caption) {
        grid->addWidget(new QLabel(caption, frame), row, 0);
        auto* field = new QLineEdit(frame);
        field->setObjectName(QLatin1String(name));
        field->setToolTip(caption);
        field->setReadOnly(true);
        field->setFocusPolicy(Qt::ClickFocus);
        field->setMinimumWidth(field->fontMetrics().averageCharWidth() * kResultChars);
        field->setStyleSheet(QStringLiteral("QLineEdit { background: #f0f0f0; }"));
        grid->addWidget(field, row, 1);
        return field;
    };
    total_ = result(0, "Resistance_Total", QStringLiteral("Result in Ohms"));
    totalK_ = result(1, "Resistance_TotalK", QStringLiteral("Result in KiloOhms"));
    totalM_ = result(2, "Resistance_TotalM", QStringLiteral("Result in MegaOhms"));
    return frame;
}

QWidget* TFormResistanceColorCode::buildEntry()
{
    QFrame* frame = panelFrame(centralWidget());
    auto* box = new QVBoxLayout(frame);
    box->setContentsMargins(10, 8, 10, 8);
    box->setSpacing(6);

    auto* line = new QHBoxLayout;
    line->setSpacing(6);
    line->addWidget(new QLabel(QStringLiteral("Enter Resistance Value"), frame));
    entry_ = new NumberEdit(frame);
    entry_->setObjectName(QStringLiteral("EditOhmsEntry"));
    entry_->setAlignment(Qt::AlignRight);
    entry_->setFixedWidth(entry_->fontMetrics().averageCharWidth() * 16 + 14);
    connect(entry_, &QLineEdit::textChanged, this, &TFormResistanceColorCode::EditOhmsEntryChange);
    line->addWidget(entry_);

    auto* spin = new QWidget(frame);
    spin->setObjectName(QStringLiteral("SpinButton1"));
    auto* arrows = new QVBoxLayout(spin);
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->setSpacing(0);
    for (const bool up : {true, false}) {
        auto* arrow = new QToolButton(spin);
        arrow->setObjectName(up ? QStringLiteral("SpinButton1Up") : QStringLiteral("SpinButton1Down"));
        arrow->setArrowType(up ? Qt::UpArrow : Qt::DownArrow);
        arrow->setFixedSize(18, 12);
        arrow->setAutoRepeat(true);
        arrow->setFocusPolicy(Qt::NoFocus);
        connect(arrow, &QToolButton::clicked, this, [this, up]() { SpinButton1Click(up); });
        arrows->addWidget(arrow);
    }
    line->addWidget(spin);
    line->addStretch(1);
    box->addLayout(line);

    auto* units = new QHBoxLayout;
    units->setSpacing(14);
    auto* group = new QButtonGroup(frame);
    const auto radio = [&](const char* name, const QString& caption) {
        auto* button = new QRadioButton(caption, frame);
        button->setObjectName(QLatin1String(name));
        group->addButton(button);
        connect(button, &QRadioButton::clicked, this, &TFormResistanceColorCode::ValueToBands);
        units->addWidget(button);
        return button;
    };
    ohms_ = radio("RadioButtonOhms", QStringLiteral("Ohms"));
    kiloOhms_ = radio("RadioButtonKiloOhms", QStringLiteral("KiloOhms"));
    megaOhms_ = radio("RadioButtonMegaOhms", QStringLiteral("MegaOhms"));
    ohms_->setChecked(true);
    units->addStretch(1);
    box->addLayout(units);
    return frame;
}

QWidget* TFormResistanceColorCode::buildFormulas()
{
    QFrame* frame = panelFrame(centralWidget());
    frame->setObjectName(QStringLiteral("Resistance_FormulaPanel"));
    auto* box = new QVBoxLayout(frame);
    box->setContentsMargins(10, 8, 10, 8);
    box->setSpacing(4);
    box->addWidget(headingLabel(QStringLiteral("Resistor calculator "), frame));

    const auto caption = [frame](const char* text) {
        auto* label = new QLabel(QLatin1String(text), frame);
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        return label;
    };
    auto* columns = new QHBoxLayout;
    columns->setSpacing(24);

    auto* series = new QVBoxLayout;
    series->setSpacing(4);
    series->addWidget(caption("Formula for Resistors in Series:"));
    auto* seriesText = new QLabel(QStringLiteral("Total Resistance = Resistance1+ Resistance2 + Resistance3 ....."), frame);
    seriesText->setContentsMargins(12, 0, 0, 0);
    series->addWidget(seriesText);
    series->addStretch(1);

    auto* two = new QVBoxLayout;
    two->setSpacing(4);
    two->addWidget(caption("Formula for 2 Resistors in Parallel:"));
    two->addWidget(fractionFormula(QStringLiteral("Resistance1 * Resistance2"), QStringLiteral("Resistance1 + Resistance2"),
                                   frame));
    two->addStretch(1);

    auto* many = new QVBoxLayout;
    many->setSpacing(4);
    many->addWidget(caption("Formula for Multiple Resistors in Parallel:"));
    many->addWidget(fractionFormula(QStringLiteral("1"), QStringLiteral("1/Resistance1 + 1/Resistance2 +...."), frame));
    many->addStretch(1);

    columns->addLayout(series);
    columns->addLayout(two);
    columns->addLayout(many);
    columns->addStretch(1);
    box->addLayout(columns);
    return frame;
}

void TFormResistanceColorCode::buildMenus()
{
    QMenu* action = addMenu(QStringLiteral("&Action"), QStringLiteral("Action1"));
    addClearAllItem(action, [this]() { Clear1Click(); });
    addPrintItem(action, [this]() { Print1Click(); });
    action->addSeparator();
    addExitItem(action);

    addEditMenu();
}

tvx::electrical::ColourCodeResults TFormResistanceColorCode::resultTexts() const
{
    return {total_->text().toStdString(), totalK_->text().toStdString(), totalM_->text().toStdString()};
}

EntryUnit TFormResistanceColorCode::unit() const
{
    if (kiloOhms_->isChecked())
        return EntryUnit::KiloOhms;
    if (megaOhms_->isChecked())
        return EntryUnit::MegaOhms;
    return EntryUnit::Ohms;
}

void TFormResistanceColorCode::setEntryText(const QString& text)
{
    settingEntry_ = true;
    entry_->setText(text);
    settingEntry_ = false;
}

void TFormResistanceColorCode::firstActivate()
{
    bands_ = tvx::electrical::initialBands();
    ohms_->setChecked(true);
    const double stored = tvx::electrical::storedEntryValue(context().setup().get(tvx::setup::ColourCodeOhms));
    setEntryText(QString::fromStdString(tvx::electrical::entryText(stored, localeDecimalSeparator())));
    ValueToBands();
}

void TFormResistanceColorCode::storeValues()
{
    context().setup().set(tvx::setup::ColourCodeOhms, entry_->number().value_or(0.0));
}

void TFormResistanceColorCode::swatchClick(ColourBand band, const BandSetting& setting)
{
    if (entry_->hasFocus())
        ohms_->setFocus();
    bands_[band] = setting;
    ResultsUpdate();
}

void TFormResistanceColorCode::EditOhmsEntryChange()
{
    // Only the user's own changes convert; the window's rewrites do not.
    if (!settingEntry_ && entry_->hasFocus())
        ValueToBands();
}

void TFormResistanceColorCode::SpinButton1Click(bool up)
{
    entry_->setFocus();
    const std::optional<std::string> changed =
        tvx::electrical::spinEntry(entry_->text().toStdString(), up, localeDecimalSeparator());
    if (changed)
        setEntryText(QString::fromStdString(*changed));
    ValueToBands();
}

void TFormResistanceColorCode::ValueToBands()
{
    const tvx::electrical::ValueToBandsResult result =
        tvx::electrical::valueToBands(entry_->text().toStdString(), unit(), bands_, localeDecimalSeparator());
    if (result.cutEntry)
        setEntryText(QString::fromStdString(*result.cutEntry));
    bands_ = result.bands;
    ResultsUpdate();
}

void TFormResistanceColorCode::ResultsUpdate()
{
    const tvx::electrical::ColourCodeResults texts =
        tvx::electrical::colourCodeResults(bands_, localeDecimalSeparator());
    total_->setText(QString::fromStdString(texts.ohms));
    totalK_->setText(QString::fromStdString(texts.kiloOhms));
    totalM_->setText(QString::fromStdString(texts.megaOhms));
    for (std::size_t b = 0; b < bandShapes_.size(); ++b)
        bandShapes_[b]->setStyleSheet(
            QStringLiteral("background: %1;").arg(colourOf(bands_.bands[b].colour).name()));
    if (!entry_->hasFocus())
        setEntryText(QString::fromStdString(
            tvx::electrical::resistanceEntryText(bands_, unit(), localeDecimalSeparator())));
}

void TFormResistanceColorCode::Clear1Click()
{
    setEntryText(QStringLiteral("0"));
    ValueToBands();
}

void TFormResistanceColorCode::Print1Click()
{
    TFormResistanceColorCodePrint print(context(), bands_, resultTexts());
    showReportPreview(this, print.report(), context());
}

void TFormResistanceColorCode::Close1Click()
{
    close();
}
