#include "electrical/TFormElectricalVoltageDrop.h"

#include "reports/ReportPreview.h"
#include "setup/SetupLayout.h"
#include "shell/AppContext.h"
#include "widgets/LocaleNumbers.h"
#include "widgets/NumberEdit.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

#include <array>
#include <cmath>
#include <vector>

namespace ed = tvx::electrical;
namespace setup = tvx::setup;

namespace {

const QString HintVoltage = QStringLiteral("Enter the  input voltage apply to the wire");
const QString HintAmps = QStringLiteral("Enter the total amperage apply to the wire");
const QString HintDistance = QStringLiteral("Enter the distance (one way) of the wire");
const QString HintGauge = QStringLiteral("Select the gauge of the wire");
const QString HintLimit = QStringLiteral("Enter the maximum voltage drop desired");
const QString HintPercent = QStringLiteral("Enter the maximum voltage drop in % desired");
const QString Note = QStringLiteral(" These formulas apply to copper or aluminium  wire at 75 degree Celcius\n"
                                    " A.W.G. = American Wire Gauges");

constexpr int kInputChars = 10;
constexpr int kResultChars = 17;

// Order of the ten stored numbers.
enum StoredValue {
    DropAmps, DropDistance, WireAmps, WireDistance, WireLimit, DistanceAmps, DistanceLimit, DropVoltage,
    WireVoltage, DistanceVoltage, StoredCount
};

QString qs(const std::string& text)
{
    return QString::fromStdString(text);
}

std::string text(const QLineEdit* edit)
{
    return edit->text().toStdString();
}

void setIfChanged(QLineEdit* edit, const QString& value)
{
    if (edit->text() != value)
        edit->setText(value);
}

int editWidth(const QWidget* w, int chars)
{
    return w->fontMetrics().averageCharWidth() * chars + 14;
}

QLabel* caption(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QLabel* unitLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setStyleSheet(QStringLiteral("color: #505050;"));
    return label;
}

} // namespace

TFormElectricalVoltageDrop::TFormElectricalVoltageDrop(AppContext& context, QWidget* parent)
    : ModuleWindow(context, parent)
{
    setObjectName(QStringLiteral("FormElectricalVoltageDrop"));
    useFixedCalculatorFrame();

    auto* client = new QWidget(this);
    setCentralWidget(client);

    auto* sections = new QHBoxLayout;
    sections->setSpacing(10);
    sections->addWidget(buildDropSection());
    sections->addWidget(buildWireSizeSection());
    sections->addWidget(buildDistanceSection());

    auto* note = new QLabel(Note, client);
    note->setObjectName(QStringLiteral("MemoNote"));
    note->setStyleSheet(QStringLiteral("color: #505050;"));
    note->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* page = new QVBoxLayout(client);
    page->setContentsMargins(12, 10, 12, 10);
    page->setSpacing(10);
    page->addWidget(buildHeader());
    page->addLayout(sections);
    page->addWidget(note);

    // Any input recomputes all three sections.
    for (NumberEdit* edit : {dropVoltage_, dropAmps_, dropDistance_, wireVoltage_, wireAmps_, wireDistance_,
                             wireLimitVolts_, distanceVoltage_, distanceAmps_, distanceLimitVolts_})
        connect(edit, &QLineEdit::textChanged, this, &TFormElectricalVoltageDrop::EditVoltageDropAmpsChange);
    connect(wireLimitPercent_, &QLineEdit::textChanged, this,
            &TFormElectricalVoltageDrop::EditWireSizeVoltageDropPercentChange);
    connect(distanceLimitPercent_, &QLineEdit::textChanged, this,
            &TFormElectricalVoltageDrop::EditDistanceVoltageDropPercentChange);
    for (QComboBox* list : {dropGauge_, distanceGauge_})
        connect(list, &QComboBox::currentIndexChanged, this, &TFormElectricalVoltageDrop::EditVoltageDropAmpsChange);
    for (QRadioButton* button :
         {dropSingle_, dropThree_, wireSingle_, wireThree_, distanceSingle_, distanceThree_})
        connect(button, &QRadioButton::toggled, this, &TFormElectricalVoltageDrop::EditVoltageDropAmpsChange);
    for (QRadioButton* button : {feet_, meter_, aluminium_, copper_})
        connect(button, &QRadioButton::clicked, this, &TFormElectricalVoltageDrop::RadioButtonFeetClick);

    buildMenus();

    fixSizeAndCentre();
}

NumberEdit* TFormElectricalVoltageDrop::numberEdit(const char* name, const QString& hint)
{
    auto* edit = new NumberEdit(this);
    edit->setObjectName(QLatin1String(name));
    edit->setToolTip(hint);
    edit->setAlignment(Qt::AlignRight);
    edit->setFixedWidth(editWidth(edit, kInputChars));
    return edit;
}

QComboBox* TFormElectricalVoltageDrop::gaugeList(const char* name)
{
    auto* list = new QComboBox(this);
    list->setObjectName(QLatin1String(name));
    list->setToolTip(HintGauge);
    list->setEditable(false);
    for (const ed::Gauge& g : ed::kGauges)
        list->addItem(QString::fromUtf8(g.item.data(), qsizetype(g.item.size())));
    list->setMaxVisibleItems(16);
    list->installEventFilter(this);
    return list;
}

QLineEdit* TFormElectricalVoltageDrop::resultField(const char* name)
{
    auto* field = new QLineEdit(this);
    field->setObjectName(QLatin1String(name));
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::ClickFocus);
    field->setAlignment(Qt::AlignRight);
    field->setFixedWidth(editWidth(field, kResultChars));
    field->setStyleSheet(QStringLiteral("QLineEdit { background: #f0f0f0; font-weight: bold; }"));
    return field;
}

QRadioButton* TFormElectricalVoltageDrop::radio(const char* name, const QString& text)
{
    auto* button = new QRadioButton(text, this);
    button->setObjectName(QLatin1String(name));
    return button;
}

QGroupBox* TFormElectricalVoltageDrop::buildHeader()
{
    auto* box = new QGroupBox(this);
    box->setObjectName(QStringLiteral("GroupBoxHeader"));
    feet_ = radio("RadioButtonFeet", QStringLiteral("Feet"));
    meter_ = radio("RadioButtonMeter", QStringLiteral("Meter"));
    aluminium_ = radio("RadioButtonAluminium", QStringLiteral("Aluminium"));
    copper_ = radio("RadioButtonCopper", QStringLiteral("Copper"));
    feet_->setChecked(true);
    copper_->setChecked(true);
    auto* units = new QButtonGroup(box);
    units->addButton(feet_);
    units->addButton(meter_);
    auto* materials = new QButtonGroup(box);
    materials->addButton(aluminium_);
    materials->addButton(copper_);

    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(10, 6, 10, 6);
    row->setSpacing(14);
    row->addWidget(new QLabel(QStringLiteral("Length:"), box));
    row->addWidget(feet_);
    row->addWidget(meter_);
    row->addSpacing(30);
    row->addWidget(new QLabel(QStringLiteral("Conductor:"), box));
    row->addWidget(aluminium_);
    row->addWidget(copper_);
    row->addStretch(1);
    return box;
}

QGroupBox* TFormElectricalVoltageDrop::buildDropSection()
{
    auto* box = new QGroupBox(QStringLiteral("Voltage Drop"), this);
    box->setObjectName(QStringLiteral("GroupBoxVoltageDrop"));
    dropVoltage_ = numberEdit("EditVoltageDropInputVoltage", HintVoltage);
    dropAmps_ = numberEdit("EditVoltageDropAmps", HintAmps);
    dropDistance_ = numberEdit("EditVoltageDropDistance", HintDistance);
    dropGauge_ = gaugeList("ComboBoxVoltageDropAWG");
    dropSingle_ = radio("RadioButtonsinglephase2_3wire", QStringLiteral("Single-Phase"));
    dropThree_ = radio("RadioButton3phase3wire", QStringLiteral("Three-Phase"));
    auto* systems = new QButtonGroup(box);
    systems->addButton(dropSingle_);
    systems->addButton(dropThree_);
    dropResult_ = resultField("VoltageDropResult");
    dropPercentResult_ = resultField("VoltageDropPercentResult");

    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(10, 8, 10, 10);
    grid->setVerticalSpacing(6);
    grid->addWidget(caption(QStringLiteral("Input Voltage"), box), 0, 0);
    grid->addWidget(dropVoltage_, 0, 1, Qt::AlignLeft);
    grid->addWidget(caption(QStringLiteral("Amps"), box), 1, 0);
    grid->addWidget(dropAmps_, 1, 1, Qt::AlignLeft);
    grid->addWidget(caption(QStringLiteral("Distance"), box), 2, 0);
    grid->addWidget(dropDistance_, 2, 1, Qt::AlignLeft);
    grid->addWidget(caption(QStringLiteral("Wire Gauge"), box), 3, 0);
    grid->addWidget(dropGauge_, 3, 1);
    grid->addWidget(dropSingle_, 4, 1);
    grid->addWidget(dropThree_, 5, 1);
    grid->setRowMinimumHeight(6, 8);
    grid->addWidget(caption(QStringLiteral("Voltage Drop"), box), 7, 0);
    grid->addWidget(dropResult_, 7, 1);
    grid->addWidget(dropPercentResult_, 8, 1);
    grid->setRowStretch(9, 1);
    return box;
}

QGroupBox* TFormElectricalVoltageDrop::buildWireSizeSection()
{
    auto* box = new QGroupBox(QStringLiteral("Wire Size"), this);
    box->setObjectName(QStringLiteral("GroupBoxWireSize"));
    wireVoltage_ = numberEdit("EditWireSizeInputVoltage", HintVoltage);
    wireAmps_ = numberEdit("EditWireSizeAmps", HintAmps);
    wireDistance_ = numberEdit("EditWireSizeDistance", HintDistance);
    wireLimitVolts_ = numberEdit("EditWireSizeVoltageDrop", HintLimit);
    wireLimitPercent_ = numberEdit("EditWireSizeVoltageDropPercent", HintPercent);
    wireSingle_ = radio("RadioButtonWireSize1Phase", QStringLiteral("Single-Phase"));
    wireThree_ = radio("RadioButtonWireSize3Phase", QStringLiteral("Three-Phase"));
    auto* systems = new QButtonGroup(box);
    systems->addButton(wireSingle_);
    systems->addButton(wireThree_);
    wireResult_ = resultField("WireSizeResult");
    cmilLabel_ = new QLabel(QStringLiteral("0 Cmils"), box);
    cmilLabel_->setObjectName(QStringLiteral("LabelCmil"));
    cmilLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    cmilLabel_->setStyleSheet(QStringLiteral("color: #505050;"));

    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(10, 8, 10, 10);
    grid->setVerticalSpacing(6);
    grid->addWidget(caption(QStringLiteral("Input Voltage"), box), 0, 0);
    grid->addWidget(wireVoltage_, 0, 1);
    grid->addWidget(caption(QStringLiteral("Amps"), box), 1, 0);
    grid->addWidget(wireAmps_, 1, 1);
    grid->addWidget(caption(QStringLiteral("Distance"), box), 2, 0);
    grid->addWidget(wireDistance_, 2, 1);
    grid->addWidget(caption(QStringLiteral("Voltage Drop"), box), 3, 0);
    grid->addWidget(wireLimitVolts_, 3, 1);
    grid->addWidget(unitLabel(QStringLiteral("V"), box), 3, 2);
    grid->addWidget(wireLimitPercent_, 4, 1);
    grid->addWidget(unitLabel(QStringLiteral("%"), box), 4, 2);
    grid->addWidget(wireSingle_, 5, 1, 1, 2);
    grid->addWidget(wireThree_, 6, 1, 1, 2);
    grid->setRowMinimumHeight(7, 8);
    grid->addWidget(caption(QStringLiteral("Wire Size"), box), 8, 0);
    grid->addWidget(wireResult_, 8, 1, 1, 2);
    grid->addWidget(cmilLabel_, 9, 1, 1, 2);
    grid->setRowStretch(10, 1);
    return box;
}

QGroupBox* TFormElectricalVoltageDrop::buildDistanceSection()
{
    auto* box = new QGroupBox(QStringLiteral("Distance"), this);
    box->setObjectName(QStringLiteral("GroupBoxDistance"));
    distanceVoltage_ = numberEdit("EditDistanceInputVoltage", HintVoltage);
    distanceAmps_ = numberEdit("EditDistanceAmps", HintAmps);
    distanceGauge_ = gaugeList("ComboBoxDistanceAWG");
    distanceLimitVolts_ = numberEdit("EditDistanceVoltageDrop", HintLimit);
    distanceLimitPercent_ = numberEdit("EditDistanceVoltageDropPercent", HintPercent);
    distanceSingle_ = radio("RadioButtonDistance1Phase", QStringLiteral("Single-Phase"));
    distanceThree_ = radio("RadioButtonDistance3Phase", QStringLiteral("Three-Phase"));
    auto* systems = new QButtonGroup(box);
    systems->addButton(distanceSingle_);
    systems->addButton(distanceThree_);
    distanceResult_ = resultField("DistanceResult");

    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(10, 8, 10, 10);
    grid->setVerticalSpacing(6);
    grid->addWidget(caption(QStringLiteral("Input Voltage"), box), 0, 0);
    grid->addWidget(distanceVoltage_, 0, 1);
    grid->addWidget(caption(QStringLiteral("Amps"), box), 1, 0);
    grid->addWidget(distanceAmps_, 1, 1);
    grid->addWidget(caption(QStringLiteral("Wire Gauge"), box), 2, 0);
    grid->addWidget(distanceGauge_, 2, 1, 1, 2);
    grid->addWidget(caption(QStringLiteral("Voltage Drop"), box), 3, 0);
    grid->addWidget(distanceLimitVolts_, 3, 1);
    grid->addWidget(unitLabel(QStringLiteral("V"), box), 3, 2);
    grid->addWidget(distanceLimitPercent_, 4, 1);
    grid->addWidget(unitLabel(QStringLiteral("%"), box), 4, 2);
    grid->addWidget(distanceSingle_, 5, 1, 1, 2);
    grid->addWidget(distanceThree_, 6, 1, 1, 2);
    grid->setRowMinimumHeight(7, 8);
    grid->addWidget(caption(QStringLiteral("Distance"), box), 8, 0);
    grid->addWidget(distanceResult_, 8, 1, 1, 2);
    grid->setRowStretch(9, 1);
    return box;
}

void TFormElectricalVoltageDrop::buildMenus()
{
    QMenu* action = addMenu(QStringLiteral("Action"), QStringLiteral("Action1"));
    addClearAllItem(action, [this]() { Clear1Click(); });
    addPrintItem(action, [this]() { Print1Click(); });
    action->addSeparator();
    addExitItem(action);

    addEditMenu();
}

ed::PhaseSystem TFormElectricalVoltageDrop::dropSystem() const
{
    return dropThree_->isChecked()    ? ed::PhaseSystem::Three
           : dropSingle_->isChecked() ? ed::PhaseSystem::Single
                                      : ed::PhaseSystem::None;
}

ed::PhaseSystem TFormElectricalVoltageDrop::wireSystem() const
{
    return wireThree_->isChecked()    ? ed::PhaseSystem::Three
           : wireSingle_->isChecked() ? ed::PhaseSystem::Single
                                      : ed::PhaseSystem::None;
}

ed::PhaseSystem TFormElectricalVoltageDrop::distanceSystem() const
{
    return distanceThree_->isChecked()    ? ed::PhaseSystem::Three
           : distanceSingle_->isChecked() ? ed::PhaseSystem::Single
                                          : ed::PhaseSystem::None;
}

ed::LengthUnit TFormElectricalVoltageDrop::unit() const
{
    return meter_->isChecked() ? ed::LengthUnit::Metre : ed::LengthUnit::Feet;
}

ed::Conductor TFormElectricalVoltageDrop::conductor() const
{
    return aluminium_->isChecked() ? ed::Conductor::Aluminium : ed::Conductor::Copper;
}

void TFormElectricalVoltageDrop::firstActivate()
{
    loadSetup();
}

bool TFormElectricalVoltageDrop::event(QEvent* event)
{
    const bool handled = ModuleWindow::event(event); // runs firstActivate() on the first activation
    if (event->type() == QEvent::WindowActivate)
        VoltageDropCalculate();
    return handled;
}

void TFormElectricalVoltageDrop::storeValues()
{
    saveSetup();
}

void TFormElectricalVoltageDrop::EditVoltageDropAmpsChange()
{
    if (!busy_)
        VoltageDropCalculate();
}

void TFormElectricalVoltageDrop::RadioButtonFeetClick()
{
    VoltageDropCalculate();
}

void TFormElectricalVoltageDrop::EditDistanceVoltageDropPercentChange()
{
    if (!busy_)
        VoltageDropCalculate();
}

void TFormElectricalVoltageDrop::EditWireSizeVoltageDropPercentChange()
{
    // The percent follows the volts on every calculation; only the user's own
    // typing in it drives the other way.
    if (!busy_ && isActiveWindow() && wireLimitPercent_->hasFocus())
        VoltageDropCalculate();
}

void TFormElectricalVoltageDrop::VoltageDropCalculate()
{
    if (busy_)
        return;
    const auto focus = [](const QLineEdit* volts, const QLineEdit* percent) {
        if (percent->hasFocus())
            return ed::LimitFocus::Percent;
        return volts->hasFocus() ? ed::LimitFocus::Volts : ed::LimitFocus::Neither;
    };

    ed::VoltageDropInput in;
    in.unit = unit();
    in.conductor = conductor();
    in.dropVoltage = text(dropVoltage_);
    in.dropAmps = text(dropAmps_);
    in.dropDistance = text(dropDistance_);
    in.dropGauge = dropGauge_->currentIndex();
    in.dropSystem = dropSystem();
    in.wireVoltage = text(wireVoltage_);
    in.wireAmps = text(wireAmps_);
    in.wireDistance = text(wireDistance_);
    in.wireLimitVolts = text(wireLimitVolts_);
    in.wireLimitPercent = text(wireLimitPercent_);
    in.wireSystem = wireSystem();
    in.wireFocus = focus(wireLimitVolts_, wireLimitPercent_);
    in.distanceVoltage = text(distanceVoltage_);
    in.distanceAmps = text(distanceAmps_);
    in.distanceGauge = distanceGauge_->currentIndex();
    in.distanceLimitVolts = text(distanceLimitVolts_);
    in.distanceLimitPercent = text(distanceLimitPercent_);
    in.distanceSystem = distanceSystem();
    in.distanceFocus = focus(distanceLimitVolts_, distanceLimitPercent_);
    in.previous = memory_;
    in.decimalSeparator = localeDecimalSeparator();

    const ed::VoltageDropResult r = ed::VoltageDropCalculate(in);
    memory_ = r.memory;

    busy_ = true;
    setIfChanged(dropResult_, qs(r.drop));
    setIfChanged(dropPercentResult_, qs(r.dropPercent));
    if (r.wireLimitVolts)
        setIfChanged(wireLimitVolts_, qs(*r.wireLimitVolts));
    if (r.wireLimitPercent)
        setIfChanged(wireLimitPercent_, qs(*r.wireLimitPercent));
    cmilLabel_->setText(qs(r.requiredMils));
    setIfChanged(wireResult_, qs(r.wireSize));
    if (r.distanceLimitVolts)
        setIfChanged(distanceLimitVolts_, qs(*r.distanceLimitVolts));
    if (r.distanceLimitPercent)
        setIfChanged(distanceLimitPercent_, qs(*r.distanceLimitPercent));
    setIfChanged(distanceResult_, qs(r.distance));
    busy_ = false;
}

void TFormElectricalVoltageDrop::loadSetup()
{
    const tvx::SetupRecord& rec = context().setup();
    busy_ = true;
    const std::vector<double> stored = rec.get(setup::VoltageDropValues);
    const std::array<NumberEdit*, StoredCount> edits = {dropAmps_,       dropDistance_,  wireAmps_,
                                                        wireDistance_,   wireLimitVolts_, distanceAmps_,
                                                        distanceLimitVolts_, dropVoltage_, wireVoltage_,
                                                        distanceVoltage_};
    for (std::size_t i = 0; i < edits.size(); ++i) {
        const double value = i < stored.size() ? stored[i] : 0.0;
        // A damaged record may hold a NaN, an infinity or a negative value:
        // show nothing then, as for a zero.
        edits[i]->setText(std::isfinite(value) && value > 0.0 ? shortestLocaleText(value) : QString());
    }
    dropGauge_->setCurrentIndex(ed::gaugeIndexInRange(rec.get(setup::VoltageDropGauge)));
    distanceGauge_->setCurrentIndex(ed::gaugeIndexInRange(rec.get(setup::VoltageDropDistanceGauge)));
    (rec.get(setup::VoltageDropSystem) == 1 ? dropThree_ : dropSingle_)->setChecked(true);
    (rec.get(setup::VoltageDropWireSizeSystem) == 1 ? wireSingle_ : wireThree_)->setChecked(true);
    (rec.get(setup::VoltageDropDistanceSystem) == 1 ? distanceSingle_ : distanceThree_)->setChecked(true);
    (rec.get(setup::VoltageDropLengthInFeet) == 1 ? feet_ : meter_)->setChecked(true);
    (rec.get(setup::VoltageDropAluminium) == 1 ? aluminium_ : copper_)->setChecked(true);
    busy_ = false;
}

void TFormElectricalVoltageDrop::saveSetup()
{
    tvx::SetupRecord& rec = context().setup();
    const std::array<const NumberEdit*, StoredCount> edits = {dropAmps_,       dropDistance_,  wireAmps_,
                                                              wireDistance_,   wireLimitVolts_, distanceAmps_,
                                                              distanceLimitVolts_, dropVoltage_, wireVoltage_,
                                                              distanceVoltage_};
    std::vector<double> values(edits.size(), 0.0);
    for (std::size_t i = 0; i < edits.size(); ++i) {
        const double value = edits[i]->number().value_or(0.0);
        values[i] = std::isfinite(value) && value > 0.0 ? value : 0.0;
    }
    rec.set(setup::VoltageDropValues, values);
    rec.set(setup::VoltageDropGauge, dropGauge_->currentIndex());
    rec.set(setup::VoltageDropDistanceGauge, distanceGauge_->currentIndex());
    rec.set(setup::VoltageDropSystem, dropThree_->isChecked() ? 1 : dropSingle_->isChecked() ? 2 : 0);
    rec.set(setup::VoltageDropWireSizeSystem, wireSingle_->isChecked() ? 1 : 0);
    rec.set(setup::VoltageDropDistanceSystem, distanceSingle_->isChecked() ? 1 : 0);
    rec.set(setup::VoltageDropLengthInFeet, feet_->isChecked() ? 1 : 0);
    rec.set(setup::VoltageDropAluminium, aluminium_->isChecked() ? 1 : 0);
}

bool TFormElectricalVoltageDrop::eventFilter(QObject* watched, QEvent* event)
{
    // The gauge lists take no typing (a typed character would jump to the
    // item starting with it); arrow keys still step through the list.
    if (event->type() == QEvent::KeyPress && (watched == dropGauge_ || watched == distanceGauge_)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!key->text().isEmpty() && key->text().at(0).isPrint())
            return true;
    }
    return ModuleWindow::eventFilter(watched, event);
}

VoltageDropReportTexts TFormElectricalVoltageDrop::reportTexts() const
{
    VoltageDropReportTexts t;
    t.wireType = qs(ed::conductorText(conductor()));
    t.lengthUnit = qs(ed::lengthUnitText(unit()));
    t.dropPhase = qs(ed::phaseSystemText(dropSystem()));
    t.dropVoltage = dropVoltage_->text();
    t.dropAmps = dropAmps_->text();
    t.dropDistance = dropDistance_->text();
    t.dropGauge = dropGauge_->currentText();
    t.dropResult = dropResult_->text();
    t.dropPercent = dropPercentResult_->text();
    t.wirePhase = qs(ed::phaseSystemText(wireSystem()));
    t.wireVoltage = wireVoltage_->text();
    t.wireAmps = wireAmps_->text();
    t.wireDistance = wireDistance_->text();
    t.wireLimitVolts = wireLimitVolts_->text();
    t.wireLimitPercent = wireLimitPercent_->text();
    t.wireSize = wireResult_->text();
    t.distancePhase = qs(ed::phaseSystemText(distanceSystem()));
    t.distanceVoltage = distanceVoltage_->text();
    t.distanceAmps = distanceAmps_->text();
    t.distanceLimitVolts = distanceLimitVolts_->text();
    t.distanceLimitPercent = distanceLimitPercent_->text();
    t.distanceGauge = distanceGauge_->currentText();
    t.distanceResult = distanceResult_->text();
    return t;
}

void TFormElectricalVoltageDrop::Clear1Click()
{
    busy_ = true;
    for (NumberEdit* edit : {dropVoltage_, dropAmps_, dropDistance_, wireVoltage_, wireAmps_, wireDistance_,
                             wireLimitVolts_, wireLimitPercent_, distanceVoltage_, distanceAmps_,
                             distanceLimitVolts_, distanceLimitPercent_})
        edit->clear();
    busy_ = false;
    VoltageDropCalculate();
}

void TFormElectricalVoltageDrop::Print1Click()
{
    TFormElectricalVoltageDropPrint print(context(), reportTexts());
    showReportPreview(this, print.report(), context());
}

void TFormElectricalVoltageDrop::Close1Click()
{
    close();
}
