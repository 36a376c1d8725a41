#pragma once

#include <QLabel>

class ClickLabel;

// The diagram of a fixture hung above the stage floor, with the letters of
// the quantities laid over it. Each letter is a button for its quantity.
class PhotometricDiagram : public QLabel {
    Q_OBJECT
public:
    // The picture is drawn at `scale` of its own 300 x 330 pixels.
    explicit PhotometricDiagram(double scale, QWidget* parent = nullptr);

    // Loads the picture; false (and a plain white area) when it cannot be read.
    bool loadPicture(const QString& path);

    // The letter of a quantity (target index), nullptr for Fc, Cd and mF.
    ClickLabel* letter(int target) const;

signals:
    void letterClicked(int target);

private:
    double scale_;
};
