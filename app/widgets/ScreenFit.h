#pragma once

#include <QPoint>
#include <QSize>

class QWidget;

// Stored window sizes and positions may come from another screen or a
// damaged settings file: these keep a window no larger than the desktop and
// with enough of it on screen to be grabbed.
QSize sizeOnScreen(QSize size);
QPoint positionOnScreen(QPoint topLeft, QSize size);

// Places a window in the middle of the primary screen.
void centreOnScreen(QWidget* window);
