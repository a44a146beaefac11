#pragma once

#include <QMainWindow>

// The main window.
class TFindFileForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TFindFileForm(QWidget* parent = nullptr);
};
