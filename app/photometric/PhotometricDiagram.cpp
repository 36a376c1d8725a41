#include "photometric/PhotometricDiagram.h"

#include "photometric/ClickLabel.h"

#include <QPixmap>

namespace {

constexpr int kPictureWidth = 300;
constexpr int kPictureHeight = 330;

// Where the letters sit: the centre of the clear spot left for each on the
// picture, in picture pixels.
struct Spot {
    const char* name;
    const char* text;
    int target; // quantity index, -1 for the floor caption
    int x, y;
};
constexpr Spot kSpots[] = {
    {"PhotoStaticTextH", "H", 0, 102, 15},   {"PhotoStaticTextC", "C", 4, 102, 35},
    {"PhotoStaticTextF", "F", 3, 236, 258},  {"PhotoStaticTextK", "K", 5, 188, 242},
    {"PhotoStaticTextV", " V", 1, 24, 169},  {"PhotoStaticTextD", "D", 2, 197, 130},
    {"PhotoStaticTextX", " X", 6, 56, 292},  {"PhotoStaticTextY", " Y", 7, 56, 308},
    {"PhotoStageFloorText", "Stage Floor", -1, 241, 304},
};

} // namespace

PhotometricDiagram::PhotometricDiagram(double scale, QWidget* parent) : QLabel(parent), scale_(scale)
{
    setObjectName(QStringLiteral("PhotoImage1"));
    setToolTip(QStringLiteral("Click on the letter"));
    setFixedSize(qRound(kPictureWidth * scale), qRound(kPictureHeight * scale));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);

    QFont letterFont = font();
    letterFont.setBold(true);
    letterFont.setPointSize(9);
    QFont floorFont = font();
    floorFont.setPointSize(7);

    for (const Spot& spot : kSpots) {
        QLabel* label = nullptr;
        if (spot.target >= 0) {
            auto* button = new ClickLabel(QString::fromLatin1(spot.text), this);
            button->setColors(QColor(0, 0, 128), Qt::red);
            button->setFont(letterFont);
            button->setToolTip(toolTip());
            const int target = spot.target;
            connect(button, &ClickLabel::clicked, this, [this, target]() { emit letterClicked(target); });
            label = button;
        } else {
            label = new QLabel(QString::fromLatin1(spot.text), this);
            label->setFont(floorFont);
        }
        label->setObjectName(QLatin1String(spot.name));
        label->setAlignment(Qt::AlignCenter);
        // Transparent over the picture; sized to the text and centred on the spot.
        label->adjustSize();
        const QSize size = label->sizeHint();
        label->resize(size);
        label->move(qRound(spot.x * scale_) - size.width() / 2, qRound(spot.y * scale_) - size.height() / 2);
    }
}

bool PhotometricDiagram::loadPicture(const QString& path)
{
    const QPixmap picture(path);
    if (picture.isNull())
        return false;
    setPixmap(picture.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    return true;
}

ClickLabel* PhotometricDiagram::letter(int target) const
{
    for (const Spot& spot : kSpots)
        if (spot.target == target && target >= 0)
            return findChild<ClickLabel*>(QLatin1String(spot.name));
    return nullptr;
}
