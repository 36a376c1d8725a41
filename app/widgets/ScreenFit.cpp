#include "widgets/ScreenFit.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

// The whole desktop across every screen; empty when there is no screen.
QRect desktop()
{
    QRect all;
    for (const QScreen* s : QGuiApplication::screens())
        all = all.united(s->availableGeometry());
    return all;
}

constexpr int kVisibleWidth = 100; // enough of the title bar to grab
constexpr int kVisibleHeight = 30;

} // namespace

QSize sizeOnScreen(QSize size)
{
    const QRect area = desktop();
    if (!area.isValid())
        return size;
    return {std::clamp(size.width(), 1, area.width()), std::clamp(size.height(), 1, area.height())};
}

QPoint positionOnScreen(QPoint topLeft, QSize size)
{
    const QRect area = desktop();
    if (!area.isValid())
        return topLeft;
    const int visible = std::min(size.width(), kVisibleWidth);
    const int x = std::clamp(topLeft.x(), area.left() - size.width() + visible, area.right() - visible);
    const int y = std::clamp(topLeft.y(), area.top(), area.bottom() - kVisibleHeight);
    return {x, y};
}

void centreOnScreen(QWidget* window)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(window->frameGeometry().topLeft(), window->frameGeometry().size().expandedTo(window->size()));
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
}
