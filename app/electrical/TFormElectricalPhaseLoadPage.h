#pragma once

#include <QString>
#include <QWidget>

#include <vector>

class NumberEdit;
class Prompts;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

// One page of the phase load window. Both pages share this layout: supply
// and device block on top, the load rows with their branch currents beside
// the leg results, the totals, the description and the warning text. The
// single-phase page names its controls with a trailing "1".
class PhaseLoadPage : public QWidget {
    Q_OBJECT
public:
    enum class Kind { SinglePhase, ThreePhase };

    // What the setup record keeps of a page. `values` in the record's order:
    // V, Imax, watts per device, then the loads as the page lists them
    // (single: X-N, Y-N, X-Y; three: X-Y, Y-Z, Z-X, X-N, Y-N, Z-N).
    struct Stored {
        std::vector<double> values;
        int deviceCount = 0;
        int workingVoltageIndex = -1;
        QString description;
    };

    PhaseLoadPage(Kind kind, Prompts& prompts, QWidget* parent = nullptr);

    Kind kind() const { return kind_; }
    int loadCount() const { return int(loads_.size()); }

    void setWarningText(const QString& text);

    // Fills the inputs (each change recomputes the page), then selects the
    // stored working voltage. Values out of range are brought into range.
    void restore(const Stored& stored);
    Stored store() const;

    // Recomputes the page and rebuilds its working-voltage list.
    void recalculate();
    // Empties the load fields and the description.
    void clearAll();

private:
    struct LoadRow {
        NumberEdit* load = nullptr;
        QLineEdit* amps = nullptr;
    };
    struct LegRow {
        QLineEdit* amps = nullptr;
        QLineEdit* percent = nullptr;
    };

    QString name(const QString& base) const;
    void build();
    void capacityEdited();
    void applyDevices();
    void rebuildWorkingVoltages();

    Kind kind_;
    Prompts& prompts_;
    QComboBox* voltage_ = nullptr;
    NumberEdit* voltageEdit_ = nullptr;
    QLineEdit* voltageNeutral_ = nullptr;
    NumberEdit* maxAmps_ = nullptr;
    NumberEdit* capacity_ = nullptr;
    QSpinBox* devices_ = nullptr;
    NumberEdit* watts_ = nullptr;
    QComboBox* workingVoltage_ = nullptr;
    QPushButton* apply_ = nullptr;
    std::vector<LoadRow> loads_;
    std::vector<LegRow> legs_;
    QLineEdit* total_ = nullptr;
    QLineEdit* available_ = nullptr;
    QLineEdit* description_ = nullptr;
    QPlainTextEdit* memo_ = nullptr;

    // V and Vpn of the last calculation; the single-phase page keeps V when
    // its text is not a number.
    double voltageValue_ = 0.0;
    double voltageNeutralValue_ = 0.0;
};
