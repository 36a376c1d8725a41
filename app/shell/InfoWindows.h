#pragma once

#include <QDialog>
#include <QWidget>

class AppContext;

// Shown while the toolbar window is being created.
class TFormSplash : public QWidget {
    Q_OBJECT
public:
    explicit TFormSplash(const QString& resourcesFolder, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap logo_;
};

class TViewAbout : public QDialog {
    Q_OBJECT
public:
    explicit TViewAbout(AppContext& context, QWidget* parent = nullptr);
};

class TFormDisclaimer : public QDialog {
    Q_OBJECT
public:
    explicit TFormDisclaimer(AppContext& context, QWidget* parent = nullptr);
};
