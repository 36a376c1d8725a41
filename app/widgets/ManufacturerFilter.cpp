#include "widgets/ManufacturerFilter.h"

#include "catalogue/CatalogueSchemas.h"
#include "catalogue/DataSource.h"
#include "shell/AppContext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

#include <functional>

namespace {

// The list is filled each time it drops down, so it always shows the
// manufacturers of the moment.
class DropDownCombo : public QComboBox {
public:
    using QComboBox::QComboBox;
    std::function<void()> beforePopup;
    void showPopup() override
    {
        if (beforePopup)
            beforePopup();
        QComboBox::showPopup();
    }
};

} // namespace

ManufacturerFilter::ManufacturerFilter(AppContext& context, tvx::setup::Int32At filterOn,
                                       tvx::setup::CountedStringAt filterText, QWidget* parent)
    : QObject(parent), context_(context), filterOn_(filterOn), filterText_(filterText)
{
    check_ = new QCheckBox(QStringLiteral("Manufacturer Filtering"), parent);
    check_->setObjectName(QStringLiteral("CheckBoxManufacturerFilter"));
    check_->setToolTip(QStringLiteral("Enable Manufacturer Filtering"));
    auto* combo = new DropDownCombo(parent);
    combo->beforePopup = [this]() { fillList(); };
    combo_ = combo;
    combo_->setObjectName(QStringLiteral("ComboBoxManufacturerFilter"));
    combo_->setEditable(true);
    combo_->lineEdit()->setReadOnly(true);
    combo_->setInsertPolicy(QComboBox::NoInsert);
    connect(combo_, &QComboBox::activated, this, &ManufacturerFilter::selected);
    connect(check_, &QCheckBox::clicked, this, &ManufacturerFilter::toggled);
}

void ManufacturerFilter::showStoredText()
{
    combo_->setEditText(QString::fromStdString(context_.setup().get(filterText_)));
}

void ManufacturerFilter::applyStored()
{
    const tvx::SetupRecord& rec = context_.setup();
    context_.setModuleFilterText(QString::fromStdString(rec.get(filterText_)));
    const bool on = rec.get(filterOn_) == 1;
    check_->setChecked(on);
    context_.catalogues().setModuleFilterOn(on);
}

void ManufacturerFilter::fillList()
{
    const QString text = combo_->currentText();
    const QSignalBlocker block(combo_);
    combo_->clear();
    tvx::RecordTable& manufacturers = context_.catalogues().TableManufacturerMerge();
    if (const auto field = manufacturers.indexOf(tvx::catalogue::manufacturer::Manufacturer)) {
        for (std::size_t row = 0; row < manufacturers.recordCount(); ++row) {
            const auto* s = std::get_if<std::string>(&manufacturers.valueAt(row, *field));
            combo_->addItem(s != nullptr ? QString::fromStdString(*s) : QString());
        }
    }
    combo_->setCurrentIndex(combo_->findText(text));
    combo_->setEditText(text);
}

void ManufacturerFilter::selected(int index)
{
    const QString text = combo_->itemText(index);
    combo_->setEditText(text);
    context_.setModuleFilterText(text);
    // The text may be the one already set: refresh the shared table anyway.
    if (tvx::RecordTable* t = context_.DataSourceSource().table())
        t->refresh();
    context_.setup().set(filterText_, text.toStdString());
}

void ManufacturerFilter::toggled(bool on)
{
    context_.catalogues().setModuleFilterOn(on);
    context_.setup().set(filterOn_, on ? 1 : 0);
}
