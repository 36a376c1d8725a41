#include "converter/TFormGeneralConverter.h"

#include "converter/CalculatorDialog.h"
#include "converter/ConverterGroup.h"
#include "converter/PocketCalculator.h"
#include "setup/SetupLayout.h"
#include "shell/AppContext.h"
#include "shell/Prompts.h"
#include "widgets/LocaleNumbers.h"
#include "widgets/NumberEdit.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace {

using tvx::converter::Category;
using tvx::converter::ResultFormat;

// Where each category sits: two columns, four rows.
constexpr std::array<Category, tvx::converter::CategoryCount> kLayoutOrder{
    Category::Mass, Category::Volume, Category::Time, Category::Length,
    Category::Area, Category::Speed, Category::Temperature, Category::Light};

// The defaults of a setup record this program never saved.
constexpr int kFirstPrecision = 15;
constexpr int kFirstDigits = 3;

// Desktop calculators tried by "Calculator...", the most common first.
const char* const kCalculatorPrograms[] = {"gnome-calculator", "kcalc", "galculator", "qalculate-gtk",
                                           "qalculate-qt", "mate-calc", "xfce4-calculator", "xcalc"};

const QString kNoCalculator = QStringLiteral(
    "No calculator program was found on this computer.\n\nInstall a desktop calculator (for example "
    "GNOME Calculator, KCalc or Galculator) to open it from here.");
const QString kCalculatorFailed = QStringLiteral("The calculator program %1 could not be started.");

const QString kFormatNames[] = {QStringLiteral("Normal"), QStringLiteral("Exponent"), QStringLiteral("Fixed")};

std::size_t indexOf(Category category)
{
    return static_cast<std::size_t>(category);
}

} // namespace

TFormGeneralConverter::TFormGeneralConverter(AppContext& context, QWidget* parent)
    : ModuleWindow(context, parent), findCalculator_(&TFormGeneralConverter::findDesktopCalculator),
      startProgram_([](const QString& program) { return QProcess::startDetached(program, {}); })
{
    setObjectName(QStringLiteral("FormGeneralConverter"));
    useFixedCalculatorFrame();

    auto* client = new QWidget(this);
    setCentralWidget(client);
    auto* grid = new QGridLayout(client);
    grid->setContentsMargins(10, 8, 10, 8);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    for (std::size_t i = 0; i < kLayoutOrder.size(); ++i) {
        auto* g = new ConverterGroup(kLayoutOrder[i], client);
        groups_[indexOf(g->category())] = g;
        grid->addWidget(g, static_cast<int>(i / 2), static_cast<int>(i % 2));
        connect(g, &ConverterGroup::inputChanged, this, &TFormGeneralConverter::inputChanged);
        connect(g, &ConverterGroup::calculatorRequested, this, [this, g]() { openPocketCalculator(g); });
        g->entry()->installEventFilter(this); // tidied on leaving, see eventFilter
    }

    buildMenus();
    buildStatusBar();
    showDisplaySettings();

    fixSizeAndCentre();
}

ConverterGroup* TFormGeneralConverter::group(Category category) const
{
    return groups_[indexOf(category)];
}

void TFormGeneralConverter::buildMenus()
{
    QMenu* action = addMenu(QStringLiteral("Action"), QStringLiteral("Action1"));
    addClearAllItem(action, [this]() { Clear1Click(); });
    action->addSeparator();
    addExitItem(action);

    QMenu* format = addMenu(QStringLiteral("Format"), QStringLiteral("Format1"));
    const auto radioMenu = [&](const QString& caption, const QString& name) {
        QMenu* menu = format->addMenu(caption);
        menu->setObjectName(name);
        auto* group = new QActionGroup(menu);
        group->setExclusive(true);
        return std::make_pair(menu, group);
    };
    const auto radioItem = [&](std::pair<QMenu*, QActionGroup*> radio, const QString& caption, const QString& name,
                               auto slot) {
        QAction* a = addMenuItem(radio.first, name, caption, QKeySequence(), slot);
        a->setCheckable(true);
        radio.second->addAction(a);
        return a;
    };

    const auto precision = radioMenu(QStringLiteral("&Precision"), QStringLiteral("Precision1"));
    for (int p = tvx::converter::MinPrecision; p <= tvx::converter::MaxPrecision; ++p)
        precisionItems_[static_cast<std::size_t>(p - 1)] =
            radioItem(precision, QString::number(p), QStringLiteral("Precision_%1").arg(p), [this, p]() { setPrecision(p); });

    const auto display = radioMenu(QStringLiteral("&Display"), QStringLiteral("Display1"));
    for (int d = tvx::converter::MinDigits; d <= tvx::converter::MaxDigits; ++d)
        digitItems_[static_cast<std::size_t>(d)] =
            radioItem(display, QString::number(d), QStringLiteral("Display_%1").arg(d), [this, d]() { setDigits(d); });

    const auto formats = radioMenu(QStringLiteral("&Format"), QStringLiteral("FormatMenu1"));
    const ResultFormat formatValues[] = {ResultFormat::Normal, ResultFormat::Exponent, ResultFormat::Fixed};
    for (std::size_t f = 0; f < formatItems_.size(); ++f) {
        const ResultFormat value = formatValues[f];
        formatItems_[f] = radioItem(formats, kFormatNames[f], QStringLiteral("Format_") + kFormatNames[f],
                                    [this, value]() { setFormat(value); });
    }

    addEditMenu();

    QAction* calculator = menuBar()->addAction(QStringLiteral("Calculator..."));
    calculator->setObjectName(QStringLiteral("Calculator1"));
    connect(calculator, &QAction::triggered, this, &TFormGeneralConverter::Calculator1Click);
}

void TFormGeneralConverter::buildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    const auto panel = [bar](const QString& name, const QString& widest, int stretch) {
        auto* label = new QLabel(bar);
        label->setObjectName(name);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setContentsMargins(4, 0, 4, 0);
        if (!widest.isEmpty())
            label->setMinimumWidth(label->fontMetrics().horizontalAdvance(widest) + 16);
        bar->addWidget(label, stretch);
        return label;
    };
    digitPanel_ = panel(QStringLiteral("StatusBar1Panel0"), QStringLiteral("Digit: 10"), 0);
    precisionPanel_ = panel(QStringLiteral("StatusBar1Panel1"), QStringLiteral("Precision: 15"), 0);
    formatPanel_ = panel(QStringLiteral("StatusBar1Panel2"), QStringLiteral("Format: Exponent"), 0);
    panel(QStringLiteral("StatusBar1Panel3"), QString(), 1);
}

QString TFormGeneralConverter::findDesktopCalculator()
{
    for (const char* program : kCalculatorPrograms) {
        const QString path = QStandardPaths::findExecutable(QLatin1String(program));
        if (!path.isEmpty())
            return path;
    }
    return {};
}

void TFormGeneralConverter::firstActivate()
{
    loadSetup();
    ConversionCalculation();
}

void TFormGeneralConverter::storeValues()
{
    saveSetup();
}

void TFormGeneralConverter::loadSetup()
{
    using namespace tvx::setup;
    using namespace tvx::converter;
    const tvx::SetupRecord& s = context().setup();

    // A record this program never saved (and the converter never wrote) opens
    // with P 15 and D 3. Otherwise the shell's copies decide whether the
    // converter's own values count, as they did when the record was written.
    const bool neverSaved = s.get(SaveMarker) == 0 && s.get(ConverterPrecision) == 0;
    if (neverSaved) {
        settings_.precision = kFirstPrecision;
        settings_.digits = kFirstDigits;
    } else {
        settings_.precision = context().converterPrecision() > 0 ? clampPrecision(s.get(ConverterPrecision))
                                                                 : kFirstPrecision;
        settings_.digits = context().converterDigits() >= 0 ? clampDigits(s.get(ConverterDigits)) : kFirstDigits;
    }
    settings_.format = resultFormatFromStored(s.get(ConverterFormat));
    storeDisplaySettings();
    showDisplaySettings();

    loading_ = true;
    const std::vector<std::int32_t> indexes = s.get(ConverterIndexes);
    const std::vector<double> values = s.get(ConverterValues);
    const std::string separator = localeDecimalSeparator();
    for (std::size_t i = 0; i < SetupRecordOrder.size(); ++i) {
        ConverterGroup* g = group(SetupRecordOrder[i]);
        g->setUnits(indexes[2 * i], indexes[2 * i + 1]);
        // A damaged record may hold a NaN or an infinity: show nothing then.
        QString text = std::isfinite(values[i]) ? shortestLocaleText(values[i]) : QString();
        if (text == QLatin1String("0"))
            text.clear();
        if (g->offersCalculator())
            text = QString::fromStdString(entryTextWithDecimals(text.toStdString(), settings_.digits, separator));
        g->entry()->setText(text);
    }
    loading_ = false;
}

void TFormGeneralConverter::saveSetup()
{
    using namespace tvx::setup;
    using namespace tvx::converter;
    tvx::SetupRecord& s = context().setup();
    std::vector<std::int32_t> indexes(2 * SetupRecordOrder.size(), 0);
    std::vector<double> values(SetupRecordOrder.size(), 0.0);
    for (std::size_t i = 0; i < SetupRecordOrder.size(); ++i) {
        const ConverterGroup* g = group(SetupRecordOrder[i]);
        indexes[2 * i] = std::max(0, g->fromList()->currentIndex());
        indexes[2 * i + 1] = std::max(0, g->toList()->currentIndex());
        values[i] = parseLocaleNumber(g->entry()->text()).value_or(0.0);
    }
    s.set(ConverterIndexes, indexes);
    s.set(ConverterValues, values);
}

void TFormGeneralConverter::storeDisplaySettings()
{
    tvx::SetupRecord& s = context().setup();
    s.set(tvx::setup::ConverterPrecision, settings_.precision);
    s.set(tvx::setup::ConverterDigits, settings_.digits);
    s.set(tvx::setup::ConverterFormat, tvx::converter::storedResultFormat(settings_.format));
    context().setConverterFormat(settings_.precision, settings_.digits);
}

void TFormGeneralConverter::showDisplaySettings()
{
    const int format = tvx::converter::storedResultFormat(settings_.format);
    digitPanel_->setText(QStringLiteral("Digit: %1").arg(settings_.digits));
    precisionPanel_->setText(QStringLiteral("Precision: %1").arg(settings_.precision));
    formatPanel_->setText(QStringLiteral("Format: ") + kFormatNames[format]);
    precisionItems_[static_cast<std::size_t>(settings_.precision - 1)]->setChecked(true);
    digitItems_[static_cast<std::size_t>(settings_.digits)]->setChecked(true);
    formatItems_[static_cast<std::size_t>(format)]->setChecked(true);
}

void TFormGeneralConverter::setPrecision(int precision)
{
    settings_.precision = tvx::converter::clampPrecision(precision);
    storeDisplaySettings();
    showDisplaySettings();
    ConversionCalculation();
}

void TFormGeneralConverter::setDigits(int digits)
{
    settings_.digits = tvx::converter::clampDigits(digits);
    storeDisplaySettings();
    showDisplaySettings();
    applyDigitsToEntries();
    ConversionCalculation();
}

void TFormGeneralConverter::setFormat(ResultFormat format)
{
    settings_.format = format;
    storeDisplaySettings();
    showDisplaySettings();
    ConversionCalculation();
}

void TFormGeneralConverter::applyDigitsToEntries()
{
    loading_ = true;
    for (ConverterGroup* g : groups_)
        if (g->offersCalculator())
            showEntryDecimals(g);
    loading_ = false;
}

void TFormGeneralConverter::showEntryDecimals(ConverterGroup* g)
{
    // Calculator boxes show D decimals, the temperature box no trailing
    // zeros; neither ever drops a digit the user typed.
    const int digits = g->offersCalculator() ? settings_.digits : 0;
    const QString shown = QString::fromStdString(
        tvx::converter::entryTextWithDecimals(g->entry()->text().toStdString(), digits, localeDecimalSeparator()));
    if (shown != g->entry()->text())
        g->entry()->setText(shown);
}

void TFormGeneralConverter::inputChanged()
{
    if (!loading_)
        ConversionCalculation();
}

void TFormGeneralConverter::ConversionCalculation()
{
    using namespace tvx::converter;
    ConverterInputs inputs;
    std::array<bool, CategoryCount> ready{};
    for (const Category category : AllCategories)
        ready[indexOf(category)] = group(category)->input(inputs[indexOf(category)]);
    const ConverterResults results = conversionCalculation(inputs, settings_, localeDecimalSeparator());
    // A category whose From or To list has no unit keeps its result.
    for (const Category category : AllCategories)
        if (ready[indexOf(category)])
            group(category)->result()->setText(QString::fromStdString(results[indexOf(category)]));
}

bool TFormGeneralConverter::eventFilter(QObject* watched, QEvent* event)
{
    // Entries are tidied when the user leaves them, not while a menu or
    // another window takes the focus for a moment.
    if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
            for (ConverterGroup* g : groups_)
                if (g->entry() == watched)
                    showEntryDecimals(g);
        }
    }
    return ModuleWindow::eventFilter(watched, event);
}

void TFormGeneralConverter::openPocketCalculator(ConverterGroup* g)
{
    const double start = parseLocaleNumber(g->entry()->text()).value_or(0.0);
    auto* dialog = new CalculatorDialog(start, false, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);

    // Pops up under the box, right edges aligned, kept on the screen.
    const QWidget* box = g->entry();
    QPoint at = box->mapToGlobal(QPoint(box->width() - dialog->width(), box->height() + 2));
    if (const QScreen* screen = box->screen()) {
        const QRect room = screen->availableGeometry();
        at.setX(std::clamp(at.x(), room.left(), std::max(room.left(), room.right() - dialog->width())));
        at.setY(std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() - dialog->height())));
    }
    dialog->move(at);

    const QPointer<ConverterGroup> target = g;
    connect(dialog, &QDialog::accepted, this, [this, dialog, target]() {
        const std::optional<double> value = dialog->value();
        if (!value || !target)
            return;
        const std::string text = shortestLocaleText(*value).toStdString();
        target->entry()->setText(QString::fromStdString(
            tvx::converter::entryTextWithDecimals(text, settings_.digits, localeDecimalSeparator())));
        target->entry()->setFocus();
        ConversionCalculation();
    });
    dialog->open();
}

void TFormGeneralConverter::Clear1Click()
{
    loading_ = true;
    for (ConverterGroup* g : groups_)
        g->entry()->clear();
    loading_ = false;
    ConversionCalculation();
}

void TFormGeneralConverter::Close1Click()
{
    close();
}

void TFormGeneralConverter::Calculator1Click()
{
    const QString program = findCalculator_ ? findCalculator_() : QString();
    if (program.isEmpty()) {
        context().prompts().information(this, kNoCalculator);
        return;
    }
    if (!startProgram_ || !startProgram_(program))
        context().prompts().warning(this, kCalculatorFailed.arg(program));
}
