#pragma once

#include <QMainWindow>

// The main window (TFormMain). A first frame; the full window comes next.
class TFormMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormMain(QWidget *parent = nullptr);
};
