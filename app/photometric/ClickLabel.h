#pragma once

#include <QColor>
#include <QLabel>

// A label that acts as a button: it turns to the hover colour under the
// mouse and reports a left click.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(const QString& text, QWidget* parent = nullptr);

    void setColors(const QColor& normal, const QColor& hover);
    bool isHovered() const { return hovered_; }

signals:
    void clicked();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void paintColor();

    QColor normal_{Qt::black};
    QColor hover_{Qt::red};
    bool hovered_ = false;
};
