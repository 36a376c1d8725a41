#include "electrical/TFormElectricalBasicFormula.h"

#include "common/NumberText.h"
#include "electrical/TFormElectricalBasicFormulaPrint.h"
#include "reports/ReportPreview.h"
#include "setup/SetupLayout.h"
#include "shell/AppContext.h"
#include "widgets/LocaleNumbers.h"
#include "widgets/NumberEdit.h"

#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QScreen>
#include <QVBoxLayout>

#include <cmath>

namespace {

using tvx::electrical::BasicLawFormula;
using tvx::electrical::basicLawDisplayOrder;
using tvx::electrical::basicLawFormulas;

constexpr int kImageSize = 260;   // the formula wheel picture is square
constexpr int kInputChars = 10;
constexpr int kResultChars = 20;

const QString kNote = QStringLiteral("These formulas apply to DC circuits, and common AC circuits in which the phase "
                                     "is 0 degree and impedance is equal to resistance.");

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Width of a line edit showing `chars` average characters.
int editWidth(const QWidget* w, int chars)
{
    return w->fontMetrics().averageCharWidth() * chars + 14;
}

} // namespace

TFormElectricalBasicFormula::TFormElectricalBasicFormula(AppContext& context, QWidget* parent)
    : ModuleWindow(context, parent)
{
    setObjectName(QStringLiteral("FormElectricalBasicFormula"));
    useFixedCalculatorFrame();

    auto* client = new QWidget(this);
    setCentralWidget(client);

    auto* left = new QVBoxLayout;
    left->setSpacing(10);
    left->addWidget(buildGroup(QStringLiteral("Wattage"), QStringLiteral("Electrical_WattageTitle"),
                               QStringLiteral("Wattage (P)")));
    left->addWidget(buildGroup(QStringLiteral("Amperage"), QStringLiteral("Electrical_AmperageTitle"),
                               QStringLiteral("Amperage (I)")));

    auto* right = new QVBoxLayout;
    right->setSpacing(10);
    right->addWidget(buildGroup(QStringLiteral("Voltage"), QStringLiteral("Electrical_VoltageTitle"),
                                QStringLiteral("Voltage (E)")));
    right->addWidget(buildGroup(QStringLiteral("Resistance"), QStringLiteral("Electrical_ResistanceTitle"),
                                QStringLiteral("Resistance (R)")));

    image_ = new QLabel(client);
    image_->setObjectName(QStringLiteral("Image1"));
    image_->setFixedSize(kImageSize, kImageSize);
    image_->setAlignment(Qt::AlignCenter);

    auto* columns = new QHBoxLayout;
    columns->setSpacing(12);
    columns->addLayout(left);
    columns->addWidget(image_, 0, Qt::AlignVCenter);
    columns->addLayout(right);

    auto* note = new QLabel(kNote, client);
    note->setObjectName(QStringLiteral("Label1"));
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignCenter);

    auto* page = new QVBoxLayout(client);
    page->setContentsMargins(12, 12, 12, 10);
    page->setSpacing(10);
    page->addLayout(columns);
    page->addWidget(note);

    buildMenus();

    fixSizeAndCentre();
}

QWidget* TFormElectricalBasicFormula::buildGroup(const QString& group, const QString& titleName, const QString& title)
{
    auto* frame = new QFrame(centralWidget());
    frame->setObjectName(titleName + QStringLiteral("Frame"));
    frame->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);

    auto* heading = new QLabel(title, frame);
    heading->setObjectName(titleName);
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() + 2);
    heading->setFont(headingFont);
    heading->setStyleSheet(QStringLiteral("color: #000080;"));
    heading->setAlignment(Qt::AlignCenter);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(1);

    QFont captionFont = font();
    captionFont.setPointSizeF(captionFont.pointSizeF() - 1);
    const auto caption = [&](std::string_view text, Qt::Alignment align) {
        auto* label = new QLabel(qs(text), frame);
        label->setFont(captionFont);
        label->setStyleSheet(QStringLiteral("color: #505050;"));
        label->setAlignment(align | Qt::AlignBottom);
        return label;
    };
    const auto symbol = [&](const QString& text) {
        auto* label = new QLabel(text, frame);
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        label->setAlignment(Qt::AlignCenter);
        return label;
    };
    const auto input = [&](std::string_view name, std::string_view hint) {
        auto* edit = new NumberEdit(frame);
        edit->setObjectName(qs(name));
        edit->setToolTip(qs(hint));
        edit->setAlignment(Qt::AlignRight);
        edit->setFixedWidth(editWidth(edit, kInputChars));
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textChanged, this, &TFormElectricalBasicFormula::Voltage_amps1Change);
        return edit;
    };

    int gridRow = 0;
    const auto& formulas = basicLawFormulas();
    for (const std::size_t f : basicLawDisplayOrder()) {
        const BasicLawFormula& formula = formulas[f];
        if (qs(formula.group) != group)
            continue;
        grid->addWidget(caption(formula.firstCaption, Qt::AlignLeft), gridRow, 0);
        grid->addWidget(caption(formula.secondCaption, Qt::AlignLeft), gridRow, 2);

        inputs_[2 * f] = input(formula.firstInput, formula.firstHint);
        inputs_[2 * f + 1] = input(formula.secondInput, formula.secondHint);

        auto* result = new QLineEdit(qs(formula.resultUnit), frame);
        result->setObjectName(qs(formula.resultField));
        result->setReadOnly(true);
        result->setFocusPolicy(Qt::ClickFocus);
        result->setAlignment(Qt::AlignRight);
        result->setFixedWidth(editWidth(result, kResultChars));
        result->setStyleSheet(QStringLiteral("QLineEdit { background: #f0f0f0; }"));
        results_[f] = result;

        grid->addWidget(inputs_[2 * f], gridRow + 1, 0);
        grid->addWidget(symbol(qs(formula.operatorText)), gridRow + 1, 1);
        grid->addWidget(inputs_[2 * f + 1], gridRow + 1, 2);
        grid->addWidget(symbol(QStringLiteral("=")), gridRow + 1, 3);
        grid->addWidget(result, gridRow + 1, 4);
        grid->setRowMinimumHeight(gridRow + 2, 6);
        gridRow += 3;
    }
    grid->setColumnMinimumWidth(1, 14);
    grid->setColumnMinimumWidth(3, 14);

    auto* box = new QVBoxLayout(frame);
    box->setContentsMargins(10, 6, 10, 4);
    box->setSpacing(6);
    box->addWidget(heading);
    box->addLayout(grid);
    return frame;
}

void TFormElectricalBasicFormula::buildMenus()
{
    QMenu* action = addMenu(QStringLiteral("Action"), QStringLiteral("Action1"));
    addClearAllItem(action, [this]() { Clear1Click(); });
    addPrintItem(action, [this]() { Print1Click(); });
    action->addSeparator();
    addExitItem(action);

    addEditMenu();
}

tvx::electrical::BasicLawInputs TFormElectricalBasicFormula::inputTexts() const
{
    tvx::electrical::BasicLawInputs texts;
    for (std::size_t i = 0; i < inputs_.size(); ++i)
        texts[i] = inputs_[i]->text().toStdString();
    return texts;
}

tvx::electrical::BasicLawResults TFormElectricalBasicFormula::resultTexts() const
{
    tvx::electrical::BasicLawResults texts;
    for (std::size_t f = 0; f < results_.size(); ++f)
        texts[f] = results_[f]->text().toStdString();
    return texts;
}

void TFormElectricalBasicFormula::firstActivate()
{
    const QPixmap picture(context().resourcePath(QStringLiteral("ohmlaw.bmp")));
    if (!picture.isNull())
        image_->setPixmap(picture.scaled(image_->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    ElectricalBasicLawLoadSetup();
    ElectricalBasicLawCalculation();
}

void TFormElectricalBasicFormula::storeValues()
{
    ElectricalBasicLawSaveSetup();
}

void TFormElectricalBasicFormula::Voltage_amps1Change()
{
    // Only the user's own typing recomputes; loading the stored values is
    // followed by one calculation of its own.
    if (!loading_ && isActiveWindow())
        ElectricalBasicLawCalculation();
}

void TFormElectricalBasicFormula::ElectricalBasicLawCalculation()
{
    const tvx::electrical::BasicLawResults texts =
        tvx::electrical::ElectricalBasicLawCalculation(inputTexts(), localeDecimalSeparator());
    for (std::size_t f = 0; f < results_.size(); ++f)
        results_[f]->setText(QString::fromStdString(texts[f]));
}

void TFormElectricalBasicFormula::ElectricalBasicLawLoadSetup()
{
    loading_ = true;
    const std::vector<double> stored = context().setup().get(tvx::setup::BasicLawsValues);
    for (std::size_t i = 0; i < inputs_.size(); ++i) {
        const double value = i < stored.size() ? stored[i] : 0.0;
        // A damaged record may hold a NaN or an infinity: show nothing then.
        QString text = std::isfinite(value) ? shortestLocaleText(value) : QString();
        if (text == QLatin1String("0"))
            text.clear();
        inputs_[i]->setText(text);
    }
    loading_ = false;
}

void TFormElectricalBasicFormula::ElectricalBasicLawSaveSetup()
{
    std::vector<double> values(inputs_.size(), 0.0);
    for (std::size_t i = 0; i < inputs_.size(); ++i)
        values[i] = inputs_[i]->number().value_or(0.0);
    context().setup().set(tvx::setup::BasicLawsValues, values);
}

void TFormElectricalBasicFormula::tidyInput(NumberEdit* edit)
{
    const std::optional<double> value = edit->number();
    if (!value)
        return;
    const std::string separator = localeDecimalSeparator();
    const QString tidy = QString::fromStdString(tvx::formatMask(*value, "0.##", separator, ""));
    // Two decimals only where that loses nothing: 0.0001 Ohms stays 0.0001.
    if (parseLocaleNumber(tidy) != value)
        return;
    if (tidy != edit->text())
        edit->setText(tidy);
}

bool TFormElectricalBasicFormula::eventFilter(QObject* watched, QEvent* event)
{
    // Inputs are tidied when the user leaves them, never while typing: a
    // menu opening or another window taking over leaves the text as it is.
    if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
            if (auto* edit = qobject_cast<NumberEdit*>(watched))
                tidyInput(edit);
        }
    }
    return ModuleWindow::eventFilter(watched, event);
}

void TFormElectricalBasicFormula::Clear1Click()
{
    for (NumberEdit* edit : inputs_)
        edit->clear();
    ElectricalBasicLawCalculation();
}

void TFormElectricalBasicFormula::Print1Click()
{
    TFormElectricalBasicFormulaPrint print(context(), inputTexts(), resultTexts());
    showReportPreview(this, print.report(), context());
}

void TFormElectricalBasicFormula::Close1Click()
{
    close();
}
