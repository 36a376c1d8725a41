#pragma once

#include <QMainWindow>

// The toolbar window from which every module window is opened.
class TFormMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormMain(QWidget* parent = nullptr);
};
