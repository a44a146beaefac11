#pragma once

#include <QTimer>
#include <QWidget>

// A small looping picture of a magnifying glass searching a folder: plays while a search runs,
// stands still otherwise.
class SearchAnimation : public QWidget {
    Q_OBJECT
public:
    explicit SearchAnimation(QWidget* parent = nullptr);

    void start();
    void stop();
    bool isRunning() const { return m_timer.isActive(); }
    int frame() const { return m_frame; }

    static constexpr int kFrameCount = 27;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTimer m_timer;
    int m_frame = 0;
};
