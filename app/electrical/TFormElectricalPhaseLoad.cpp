#include "electrical/TFormElectricalPhaseLoad.h"

#include "electrical/PhaseLoad.h"
#include "electrical/TFormElectricalPhaseLoadPage.h"
#include "electrical/TFormElectricalPhaseLoadPrint.h"
#include "reports/ReportPreview.h"
#include "setup/SetupLayout.h"
#include "shell/AppContext.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTabWidget>

#include <algorithm>

namespace setup = tvx::setup;

namespace {

constexpr int kMinimumStoredHeight = 200; // at or below: a record without a height
constexpr int kDefaultHeight = 500;
constexpr int kWidth = 660;

// The text of a warning file beside the program; empty when it is missing.
QString warningText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    return QString::fromStdString(tvx::electrical::warningFileText(std::string_view(bytes.constData(), std::size_t(bytes.size()))));
}

PhaseLoadPage::Stored readStored(const tvx::SetupRecord& rec, setup::DoubleArrayAt values, setup::Int32At devices,
                                 setup::Int32At workingVoltage, setup::CountedStringAt description)
{
    PhaseLoadPage::Stored s;
    s.values = rec.get(values);
    s.deviceCount = rec.get(devices);
    s.workingVoltageIndex = rec.get(workingVoltage);
    s.description = QString::fromStdString(rec.get(description));
    return s;
}

void writeStored(tvx::SetupRecord& rec, const PhaseLoadPage::Stored& s, setup::DoubleArrayAt values,
                 setup::Int32At devices, setup::Int32At workingVoltage, setup::CountedStringAt description)
{
    rec.set(values, s.values);
    rec.set(devices, s.deviceCount);
    rec.set(workingVoltage, s.workingVoltageIndex);
    // The record keeps at most 255 characters of a description.
    rec.set(description, s.description.left(255).toStdString());
}

} // namespace

TFormElectricalPhaseLoad::TFormElectricalPhaseLoad(AppContext& context, QWidget* parent) : ModuleWindow(context, parent)
{
    setObjectName(QStringLiteral("FormElectricalPhaseLoad"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("PagePhase"));
    pages_->setDocumentMode(false);
    single_ = new PhaseLoadPage(PhaseLoadPage::Kind::SinglePhase, context.prompts(), pages_);
    three_ = new PhaseLoadPage(PhaseLoadPage::Kind::ThreePhase, context.prompts(), pages_);
    pages_->addTab(single_, QStringLiteral("Single Phase"));
    pages_->addTab(three_, QStringLiteral("Three Phase"));
    setCentralWidget(pages_);
    buildMenus();

    // Only the visible page counts for the window's minimum size, so the
    // single-phase page can use its lower height.
    three_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    connect(pages_, &QTabWidget::currentChanged, this, &TFormElectricalPhaseLoad::PagePhaseChange);
    resize(kWidth, SinglePhaseHeight);
}

void TFormElectricalPhaseLoad::buildMenus()
{
    QMenu* action = addMenu(QStringLiteral("Action"), QStringLiteral("Action1"));
    addPrintItem(action, [this]() { Print1Click(); });
    addClearAllItem(action, [this]() { Clear1Click(); });
    action->addSeparator();
    addExitItem(action);

    addEditMenu();
}

void TFormElectricalPhaseLoad::PagePhaseChange(int index)
{
    single_->setSizePolicy(index == 0 ? QSizePolicy::Preferred : QSizePolicy::Ignored,
                           index == 0 ? QSizePolicy::Preferred : QSizePolicy::Ignored);
    three_->setSizePolicy(index == 1 ? QSizePolicy::Preferred : QSizePolicy::Ignored,
                          index == 1 ? QSizePolicy::Preferred : QSizePolicy::Ignored);
    resize(width(), index == 1 ? ThreePhaseHeight : SinglePhaseHeight);
}

void TFormElectricalPhaseLoad::firstActivate()
{
    const tvx::SetupRecord& rec = context().setup();
    single_->setWarningText(warningText(context().resourcePath(QStringLiteral("1phasewarning.rtf"))));
    three_->setWarningText(warningText(context().resourcePath(QStringLiteral("3phasewarning.rtf"))));

    single_->restore(readStored(rec, setup::PhaseLoadValues1ph, setup::PhaseLoadDevices1ph,
                                setup::PhaseLoadWorkingVoltage1ph, setup::PhaseLoadDescription1ph));
    three_->restore(readStored(rec, setup::PhaseLoadValues3ph, setup::PhaseLoadDevices3ph,
                               setup::PhaseLoadWorkingVoltage3ph, setup::PhaseLoadDescription3ph));

    int h = rec.get(setup::PhaseLoadHeight);
    if (h <= kMinimumStoredHeight)
        h = kDefaultHeight;
    QRect screen;
    if (const QScreen* s = this->screen() ? this->screen() : QGuiApplication::primaryScreen())
        screen = s->availableGeometry();
    if (screen.isValid())
        h = std::min(h, screen.height());
    resize(width(), h);

    const int page = rec.get(setup::PhaseLoadActivePage);
    pages_->setCurrentIndex(page == 1 ? 1 : 0);

    single_->recalculate();
    three_->recalculate();

    if (screen.isValid())
        move(screen.center() - QPoint(width() / 2, height() / 2));
}

void TFormElectricalPhaseLoad::storeValues()
{
    tvx::SetupRecord& rec = context().setup();
    const PhaseLoadPage::Stored s1 = single_->store();
    const PhaseLoadPage::Stored s3 = three_->store();
    writeStored(rec, s3, setup::PhaseLoadValues3ph, setup::PhaseLoadDevices3ph, setup::PhaseLoadWorkingVoltage3ph,
                setup::PhaseLoadDescription3ph);
    writeStored(rec, s1, setup::PhaseLoadValues1ph, setup::PhaseLoadDevices1ph, setup::PhaseLoadWorkingVoltage1ph,
                setup::PhaseLoadDescription1ph);
    rec.set(setup::PhaseLoadWorkingVoltage1phCopy, s1.workingVoltageIndex);
    rec.set(setup::PhaseLoadHeight, height());
    rec.set(setup::PhaseLoadActivePage, pages_->currentIndex());
}

QHash<QString, QString> TFormElectricalPhaseLoad::fieldTexts() const
{
    QHash<QString, QString> texts;
    for (const QLineEdit* edit : findChildren<QLineEdit*>()) {
        // Qt's own inner editors carry "qt_" names.
        if (!edit->objectName().isEmpty() && !edit->objectName().startsWith(QLatin1String("qt_")))
            texts.insert(edit->objectName(), edit->text());
    }
    for (const QComboBox* combo : findChildren<QComboBox*>()) {
        if (!combo->objectName().isEmpty())
            texts.insert(combo->objectName(), combo->currentText());
    }
    return texts;
}

void TFormElectricalPhaseLoad::Print1Click()
{
    TFormElectricalPhaseLoadPrint print(context(), fieldTexts());
    showReportPreview(this, print.report(), context());
}

void TFormElectricalPhaseLoad::Clear1Click()
{
    if (pages_->currentIndex() == 1)
        three_->clearAll();
    else
        single_->clearAll();
}

void TFormElectricalPhaseLoad::Close1Click()
{
    close();
}
