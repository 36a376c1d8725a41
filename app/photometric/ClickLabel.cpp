#include "photometric/ClickLabel.h"

#include <QMouseEvent>

ClickLabel::ClickLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setCursor(Qt::PointingHandCursor);
    paintColor();
}

void ClickLabel::setColors(const QColor& normal, const QColor& hover)
{
    normal_ = normal;
    hover_ = hover;
    paintColor();
}

void ClickLabel::enterEvent(QEnterEvent* event)
{
    hovered_ = true;
    paintColor();
    QLabel::enterEvent(event);
}

void ClickLabel::leaveEvent(QEvent* event)
{
    hovered_ = false;
    paintColor();
    QLabel::leaveEvent(event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void ClickLabel::paintColor()
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, hovered_ ? hover_ : normal_);
    setPalette(p);
}
