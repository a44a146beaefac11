#pragma once

#include <QObject>
#include <QSemaphore>
#include <atomic>
#include <functional>
#include <memory>

// The synchronous hand-over from the search worker to the UI thread: the worker posts a step
// to the window and waits until the UI thread has carried it out. Before the window goes it
// abandons the channel: no step runs any more, and a worker that waits returns at once.
class HandoverChannel {
public:
    explicit HandoverChannel(QObject* window) : m_window(window) {}

    // Worker side. False when the channel was abandoned (the step did not run).
    bool run(std::function<void()> step) {
        if (m_state->abandoned.load())
            return false;
        auto done = std::make_shared<QSemaphore>(0);
        auto state = m_state;
        QMetaObject::invokeMethod(
            m_window,
            [step = std::move(step), done, state] {
                if (!state->abandoned.load())
                    step();
                done->release();
            },
            Qt::QueuedConnection);
        while (!done->tryAcquire(1, 20))
            if (m_state->abandoned.load())
                return false;
        return true;
    }

    // UI side, before the window is destroyed.
    void abandon() { m_state->abandoned.store(true); }
    bool abandoned() const { return m_state->abandoned.load(); }

private:
    struct State {
        std::atomic<bool> abandoned{false};
    };
    QObject* m_window; // only posted to while it lives: the window waits for the worker
    std::shared_ptr<State> m_state = std::make_shared<State>();
};
