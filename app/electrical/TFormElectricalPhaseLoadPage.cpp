#include "electrical/TFormElectricalPhaseLoadPage.h"

#include "electrical/PhaseLoad.h"
#include "shell/Prompts.h"
#include "widgets/LocaleNumbers.h"
#include "widgets/NumberEdit.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

#include <cmath>

namespace el = tvx::electrical;

namespace {

constexpr int kNumberWidth = 76;
constexpr int kMaxDevices = 99999;

// Backgrounds of the share fields.
const QColor kSkyBlue(0xA6, 0xCA, 0xF0);
const QColor kYellow(0xFF, 0xFF, 0x00);
const QColor kRed(0xFF, 0x00, 0x00);

QString qs(const std::string& s)
{
    return QString::fromStdString(s);
}

QString qs(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

std::string separator()
{
    return localeDecimalSeparator();
}

QLineEdit* resultField(QWidget* parent, const QString& objectName)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(objectName);
    edit->setReadOnly(true);
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edit->setFixedWidth(kNumberWidth);
    // Read-only results look like results, not like inputs.
    QPalette p = edit->palette();
    p.setColor(QPalette::Base, p.color(QPalette::Window).lighter(104));
    edit->setPalette(p);
    edit->setProperty("defaultBase", p.color(QPalette::Base));
    return edit;
}

NumberEdit* numberField(QWidget* parent, const QString& objectName, const QString& hint = {})
{
    auto* edit = new NumberEdit(parent);
    edit->setObjectName(objectName);
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edit->setFixedWidth(kNumberWidth);
    if (!hint.isEmpty())
        edit->setToolTip(hint);
    return edit;
}

QLabel* caption(QWidget* parent, const QString& text, QWidget* buddy = nullptr)
{
    auto* label = new QLabel(text, parent);
    if (buddy)
        label->setBuddy(buddy);
    return label;
}

QFrame* rule(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

void showShare(QLineEdit* edit, const el::Share& share)
{
    edit->setText(qs(share.text));
    QPalette p = edit->palette();
    switch (share.level) {
    case el::ShareLevel::Low: p.setColor(QPalette::Base, kSkyBlue); break;
    case el::ShareLevel::High: p.setColor(QPalette::Base, kYellow); break;
    case el::ShareLevel::Over: p.setColor(QPalette::Base, kRed); break;
    case el::ShareLevel::NotAvailable: p.setColor(QPalette::Base, edit->property("defaultBase").value<QColor>()); break;
    }
    edit->setPalette(p);
}

double finiteOrZero(double v)
{
    return std::isfinite(v) ? v : 0.0;
}

} // namespace

PhaseLoadPage::PhaseLoadPage(Kind kind, Prompts& prompts, QWidget* parent)
    : QWidget(parent), kind_(kind), prompts_(prompts)
{
    setObjectName(kind == Kind::SinglePhase ? QStringLiteral("TabSheetSinglePhase") : QStringLiteral("TabSheetThreePhase"));
    build();
}

QString PhaseLoadPage::name(const QString& base) const
{
    return kind_ == Kind::SinglePhase ? base + QLatin1Char('1') : base;
}

void PhaseLoadPage::build()
{
    const bool single = kind_ == Kind::SinglePhase;
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(10, 8, 10, 8);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    // Columns: 0 caption, 1 connection, 2 input, 3 "Amps:", 4 current | 5 gap |
    // 6 caption / leg, 7 "Amps:", 8 current, 9 "%:", 10 share.
    grid->setColumnMinimumWidth(5, 18);
    grid->setColumnStretch(11, 1);

    // ---- supply
    voltage_ = new QComboBox(this);
    voltage_->setObjectName(name(QStringLiteral("EditVoltagePhasePhase")));
    voltage_->setEditable(true);
    voltageEdit_ = new NumberEdit(voltage_);
    voltageEdit_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    voltage_->setLineEdit(voltageEdit_);
    voltage_->setInsertPolicy(QComboBox::NoInsert);
    for (std::string_view v : el::kPhasePhaseVoltages)
        voltage_->addItem(qs(v));
    voltage_->setEditText(qs(single ? el::kDefaultSinglePhaseVoltageText : el::kDefaultThreePhaseVoltageText));
    voltage_->setToolTip(QStringLiteral("Enter or select the Voltage in between the 2 phases"));
    voltage_->setFixedWidth(kNumberWidth);

    voltageNeutral_ = resultField(this, name(QStringLiteral("EditVoltagePhaseNeutral")));
    voltageNeutral_->setToolTip(QStringLiteral("Voltage between a phase and the neutral"));
    maxAmps_ = numberField(this, name(QStringLiteral("EditMaxAmpsPhase")), QStringLiteral("Enter the maximum amperage per phase"));
    capacity_ = numberField(this, name(QStringLiteral("EditMaxAvailableKVA")), QStringLiteral("Maximum available KVA"));

    grid->addWidget(caption(this, QStringLiteral("Voltage Phase-Phase:"), voltage_), 0, 0, 1, 2);
    grid->addWidget(voltage_, 0, 2);
    grid->addWidget(caption(this, QStringLiteral("Voltage Phase-Neutral:")), 1, 0, 1, 2);
    grid->addWidget(voltageNeutral_, 1, 2);
    grid->addWidget(caption(this, QStringLiteral("Max Amps per Phase:"), maxAmps_), 2, 0, 1, 2);
    grid->addWidget(maxAmps_, 2, 2);
    grid->addWidget(caption(this, QStringLiteral("Max Available KVA:"), capacity_), 3, 0, 1, 2);
    grid->addWidget(capacity_, 3, 2);

    // ---- device block
    devices_ = new QSpinBox(this);
    devices_->setObjectName(name(QStringLiteral("EditNumberDevice")));
    devices_->setRange(0, kMaxDevices);
    devices_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    devices_->setFixedWidth(kNumberWidth);
    watts_ = numberField(this, name(QStringLiteral("EditWattsPerDevice")), QStringLiteral("Enter the wattage of a single device"));
    workingVoltage_ = new QComboBox(this);
    workingVoltage_->setObjectName(name(QStringLiteral("ComboBoxWorkingVoltage")));
    workingVoltage_->setEditable(false);
    workingVoltage_->setToolTip(QStringLiteral("Select at which voltage the devices work."));
    workingVoltage_->setFixedWidth(kNumberWidth);
    apply_ = new QPushButton(QStringLiteral("Apply"), this);
    apply_->setObjectName(name(QStringLiteral("ButtonApply")));
    apply_->setToolTip(QStringLiteral("Press here to apply the device values to the KVA Load entry"));
    apply_->setFixedWidth(kNumberWidth);

    grid->addWidget(caption(this, QStringLiteral("Number of Device:"), devices_), 0, 6, 1, 3);
    grid->addWidget(devices_, 0, 10);
    grid->addWidget(caption(this, QStringLiteral("Watts per Device:"), watts_), 1, 6, 1, 3);
    grid->addWidget(watts_, 1, 10);
    grid->addWidget(caption(this, QStringLiteral("Device working voltage:"), workingVoltage_), 2, 6, 1, 3);
    grid->addWidget(workingVoltage_, 2, 10);
    grid->addWidget(apply_, 3, 10);

    grid->addWidget(rule(this), 4, 0, 1, 11);

    // ---- loads and branch currents
    struct LoadConnection {
        const char* connection;
        const char* suffix;
        const char* hint;
    };
    static constexpr const char* hintXN = "Enter the load in KVA between Phase X and N";
    static constexpr const char* hintYN = "Enter the load in KVA between Phase Y and N";
    static constexpr const char* hintXY = "Enter the load in KVA between Phase X and Y";
    static constexpr const char* hintYZ = "Enter the load in KVA between Phase Y and Z";
    static constexpr const char* hintZX = "Enter the load in KVA between Phase Z and X";
    const std::vector<LoadConnection> singleLoads = {{"X-N", "XN", hintXN}, {"Y-N", "YN", hintYN}, {"X-Y", "XY", hintXY}};
    // The phase-neutral fields of the three-phase page repeat the three
    // phase-phase hints in their order.
    const std::vector<LoadConnection> threeLoads = {{"X-Y", "XY", hintXY}, {"Y-Z", "YZ", hintYZ}, {"Z-X", "ZX", hintZX},
                                              {"X-N", "XN", hintXY}, {"Y-N", "YN", hintYZ}, {"Z-N", "ZN", hintZX}};
    const int firstRow = 5;
    int row = firstRow;
    for (const LoadConnection& entry : single ? singleLoads : threeLoads) {
        LoadRow load;
        load.load = numberField(this, name(QStringLiteral("EditLoadKVA_") + QLatin1String(entry.suffix)),
                                QString::fromLatin1(entry.hint));
        load.amps = resultField(this, name(QStringLiteral("EditAmps") + QLatin1String(entry.suffix)));
        grid->addWidget(caption(this, QStringLiteral("Load kVA:"), load.load), row, 0);
        grid->addWidget(caption(this, QString::fromLatin1(entry.connection)), row, 1);
        grid->addWidget(load.load, row, 2);
        grid->addWidget(caption(this, QStringLiteral("Amps:")), row, 3);
        grid->addWidget(load.amps, row, 4);
        loads_.push_back(load);
        ++row;
    }
    const int loadEnd = row;

    // ---- legs
    const std::vector<const char*> legNames =
        single ? std::vector<const char*>{"X", "Y", "N"} : std::vector<const char*>{"X", "Y", "Z", "N"};
    row = firstRow;
    for (const char* leg : legNames) {
        LegRow r;
        r.amps = resultField(this, name(QStringLiteral("EditAmps") + QLatin1String(leg)));
        r.percent = resultField(this, name(QStringLiteral("EditPercent") + QLatin1String(leg)));
        auto* legLabel = caption(this, QStringLiteral("Phase ") + QLatin1String(leg));
        if (QLatin1String(leg) == QLatin1String("N"))
            legLabel->setText(QStringLiteral("Neutral"));
        grid->addWidget(legLabel, row, 6);
        grid->addWidget(caption(this, QStringLiteral("Amps:")), row, 7);
        grid->addWidget(r.amps, row, 8);
        grid->addWidget(caption(this, QStringLiteral("%:")), row, 9);
        grid->addWidget(r.percent, row, 10);
        legs_.push_back(r);
        ++row;
    }
    row = std::max(row, loadEnd);

    grid->addWidget(rule(this), row++, 0, 1, 11);

    // ---- totals and description
    total_ = resultField(this, name(QStringLiteral("EditTotalLoadKVA")));
    available_ = resultField(this, name(QStringLiteral("EditPercentAvailableKVA")));
    grid->addWidget(caption(this, QStringLiteral("Total Load KVA:")), row, 0, 1, 2);
    grid->addWidget(total_, row, 2);
    grid->addWidget(caption(this, QStringLiteral("% of available KVA:")), row, 6, 1, 3);
    grid->addWidget(available_, row, 10);
    ++row;
    description_ = new QLineEdit(this);
    description_->setObjectName(single ? QStringLiteral("EditDescription1") : QStringLiteral("EditDescription3"));
    grid->addWidget(caption(this, QStringLiteral("Description:"), description_), row, 0, 1, 2);
    grid->addWidget(description_, row, 2, 1, 9);
    ++row;

    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(single ? QStringLiteral("Memo1") : QStringLiteral("Memo3"));
    memo_->setReadOnly(true);
    memo_->setMinimumHeight(40);
    memo_->setFocusPolicy(Qt::ClickFocus);
    grid->addWidget(memo_, row, 0, 1, 12);
    grid->setRowStretch(row, 1);

    // ---- wiring: every input change recomputes the page.
    connect(voltage_, &QComboBox::currentTextChanged, this, &PhaseLoadPage::recalculate);
    connect(maxAmps_, &QLineEdit::textChanged, this, &PhaseLoadPage::recalculate);
    connect(watts_, &QLineEdit::textChanged, this, &PhaseLoadPage::recalculate);
    connect(devices_, &QSpinBox::valueChanged, this, &PhaseLoadPage::recalculate);
    for (const LoadRow& load : loads_)
        connect(load.load, &QLineEdit::textChanged, this, &PhaseLoadPage::recalculate);
    // Only the user's own edits of the capacity set Imax; the rounded capacity
    // the calculation writes back must not change a typed Imax.
    connect(capacity_, &QLineEdit::textEdited, this, &PhaseLoadPage::capacityEdited);
    connect(apply_, &QPushButton::clicked, this, &PhaseLoadPage::applyDevices);
}

void PhaseLoadPage::setWarningText(const QString& text)
{
    memo_->setPlainText(text);
}

void PhaseLoadPage::recalculate()
{
    const std::string sep = separator();
    auto text = [](const QLineEdit* e) { return e->text().toStdString(); };
    el::Shown vpn, smax, total;
    std::vector<el::Shown> branch, legAmps;
    std::vector<el::Share> legShares;
    el::Share free;
    if (kind_ == Kind::SinglePhase) {
        el::SinglePhaseInput in;
        in.voltage = voltage_->currentText().toStdString();
        in.previousVoltage = voltageValue_;
        in.maxAmps = text(maxAmps_);
        in.loadXN = text(loads_[0].load);
        in.loadYN = text(loads_[1].load);
        in.loadXY = text(loads_[2].load);
        in.decimalSeparator = sep;
        const el::SinglePhaseResult r = el::calculateSinglePhase(in);
        voltageValue_ = r.voltage;
        vpn = r.voltageNeutral;
        smax = r.maxKva;
        total = r.totalKva;
        branch = {r.ampsXN, r.ampsYN, r.ampsXY};
        legAmps = {r.ampsX, r.ampsY, r.ampsN};
        legShares = {r.percentX, r.percentY, r.percentN};
        free = r.percentAvailableKva;
    } else {
        el::ThreePhaseInput in;
        in.voltage = voltage_->currentText().toStdString();
        in.maxAmps = text(maxAmps_);
        in.loadXY = text(loads_[0].load);
        in.loadYZ = text(loads_[1].load);
        in.loadZX = text(loads_[2].load);
        in.loadXN = text(loads_[3].load);
        in.loadYN = text(loads_[4].load);
        in.loadZN = text(loads_[5].load);
        in.decimalSeparator = sep;
        const el::ThreePhaseResult r = el::calculateThreePhase(in);
        voltageValue_ = r.voltage;
        vpn = r.voltageNeutral;
        smax = r.maxKva;
        total = r.totalKva;
        branch = {r.ampsXY, r.ampsYZ, r.ampsZX, r.ampsXN, r.ampsYN, r.ampsZN};
        legAmps = {r.ampsX, r.ampsY, r.ampsZ, r.ampsN};
        legShares = {r.percentX, r.percentY, r.percentZ, r.percentN};
        free = r.percentAvailableKva;
    }
    voltageNeutralValue_ = vpn.value;

    voltageNeutral_->setText(qs(vpn.text));
    for (std::size_t i = 0; i < loads_.size(); ++i)
        loads_[i].amps->setText(qs(branch[i].text));
    for (std::size_t i = 0; i < legs_.size(); ++i) {
        legs_[i].amps->setText(qs(legAmps[i].text));
        showShare(legs_[i].percent, legShares[i]);
    }
    total_->setText(qs(total.text));
    showShare(available_, free);
    if (!capacity_->hasFocus())
        capacity_->setText(qs(smax.text));
    rebuildWorkingVoltages();
}

void PhaseLoadPage::rebuildWorkingVoltages()
{
    const int selected = workingVoltage_->currentIndex();
    const auto items = el::workingVoltageItems(voltageValue_, voltageNeutralValue_);
    const QSignalBlocker block(workingVoltage_);
    workingVoltage_->clear();
    workingVoltage_->addItem(qs(items[0]));
    workingVoltage_->addItem(qs(items[1]));
    workingVoltage_->setCurrentIndex(selected);
}

void PhaseLoadPage::capacityEdited()
{
    const std::string kva = capacity_->text().toStdString();
    const el::Shown imax = kind_ == Kind::SinglePhase ? el::singlePhaseMaxAmps(kva, voltageValue_, separator())
                                                      : el::threePhaseMaxAmps(kva, voltageValue_, separator());
    if (!maxAmps_->hasFocus()) {
        maxAmps_->setText(qs(imax.text));
        maxAmps_->setCursorPosition(0); // a long text shows its leading digits
    }
}

void PhaseLoadPage::applyDevices()
{
    el::ApplyInput in;
    in.selectedVoltage = workingVoltage_->currentText().toStdString();
    in.deviceCount = devices_->cleanText().toStdString();
    in.wattsPerDevice = watts_->text().toStdString();
    in.voltage = voltageValue_;
    in.voltageNeutral = voltageNeutralValue_;
    in.decimalSeparator = separator();

    auto put = [](NumberEdit* edit, const std::optional<std::string>& value) {
        if (value)
            edit->setText(qs(*value));
    };
    bool needsSelection = false;
    if (kind_ == Kind::SinglePhase) {
        const el::SinglePhaseApply a = el::applySinglePhase(in);
        needsSelection = a.needsSelection;
        put(loads_[0].load, a.loadXN);
        put(loads_[1].load, a.loadYN);
        put(loads_[2].load, a.loadXY);
    } else {
        const el::ThreePhaseApply a = el::applyThreePhase(in);
        needsSelection = a.needsSelection;
        put(loads_[0].load, a.loadXY);
        put(loads_[1].load, a.loadYZ);
        put(loads_[2].load, a.loadZX);
        put(loads_[3].load, a.loadXN);
        put(loads_[4].load, a.loadYN);
        put(loads_[5].load, a.loadZN);
    }
    if (needsSelection) {
        prompts_.warning(window(), qs(el::kSelectWorkingVoltage));
        workingVoltage_->setFocus();
        return;
    }
    recalculate();
}

void PhaseLoadPage::clearAll()
{
    for (const LoadRow& load : loads_)
        load.load->clear();
    description_->clear();
}

void PhaseLoadPage::restore(const Stored& stored)
{
    auto value = [&](std::size_t i) { return i < stored.values.size() ? finiteOrZero(stored.values[i]) : 0.0; };
    // A fresh record holds 0 V: open with the usual supply of the page.
    const double v = value(0);
    if (v > 0.0)
        voltage_->setEditText(shortestLocaleText(v));
    else
        voltage_->setEditText(qs(kind_ == Kind::SinglePhase ? el::kDefaultSinglePhaseVoltageText
                                                            : el::kDefaultThreePhaseVoltageText));
    maxAmps_->setText(shortestLocaleText(value(1)));
    watts_->setText(shortestLocaleText(value(2)));
    for (std::size_t i = 0; i < loads_.size(); ++i)
        loads_[i].load->setText(shortestLocaleText(value(3 + i)));
    devices_->setValue(std::clamp(stored.deviceCount, 0, kMaxDevices));
    recalculate();
    const int index = stored.workingVoltageIndex;
    workingVoltage_->setCurrentIndex(index >= 0 && index < workingVoltage_->count() ? index : -1);
    description_->setText(stored.description);
}

PhaseLoadPage::Stored PhaseLoadPage::store() const
{
    auto number = [](const QString& text) { return finiteOrZero(parseLocaleNumber(text).value_or(0.0)); };
    Stored s;
    s.values.push_back(number(voltage_->currentText()));
    s.values.push_back(number(maxAmps_->text()));
    s.values.push_back(number(watts_->text()));
    for (const LoadRow& load : loads_)
        s.values.push_back(number(load.load->text()));
    s.deviceCount = devices_->value();
    s.workingVoltageIndex = workingVoltage_->currentIndex();
    s.description = description_->text();
    return s;
}
