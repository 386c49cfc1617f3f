// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include <QMetaObject>
#include <QObject>

#include <functional>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>

namespace grimlark::ui {

/// Stands for its parent to a thread working for it: the thread hands its
/// result over only while this lives, so a window deleted meanwhile (the
/// program ended) is never reached from the thread.
class BackgroundGuard : public QObject {
    Q_OBJECT
public:
    struct State {
        std::mutex mutex;
        BackgroundGuard *alive = nullptr; ///< null once the guard has gone; guarded by mutex
    };
    explicit BackgroundGuard(QObject *parent) : QObject(parent), m_state(std::make_shared<State>())
    {
        m_state->alive = this;
    }
    ~BackgroundGuard() override
    {
        const std::lock_guard<std::mutex> lock(m_state->mutex);
        m_state->alive = nullptr;
    }
    BackgroundGuard(const BackgroundGuard &) = delete;
    BackgroundGuard &operator=(const BackgroundGuard &) = delete;
    const std::shared_ptr<State> &state() const { return m_state; }

private:
    std::shared_ptr<State> m_state;
};

/// Runs `work` on a thread of its own and hands its result to `done` (to keep
/// or take from) on the
/// window thread, unless `receiver` is deleted first: the window never waits
/// on a disk, and no event loop runs inside the work. False, and nothing
/// runs, where no thread can be had.
template <typename Result>
[[nodiscard]] bool runInBackground(QObject *receiver, std::function<Result()> work,
                                   std::function<void(Result &)> done)
{
    auto *guard = new BackgroundGuard(receiver);
    auto hand = [state = guard->state(), work = std::move(work), done = std::move(done)] {
        auto result = std::make_shared<Result>(work());
        const std::lock_guard<std::mutex> lock(state->mutex);
        if (BackgroundGuard *alive = state->alive)
            // Posted: dropped by Qt if the guard is deleted before it runs.
            QMetaObject::invokeMethod(
                alive,
                [alive, done, result] {
                    alive->deleteLater();
                    done(*result);
                },
                Qt::QueuedConnection);
    };
    try {
        std::thread(std::move(hand)).detach();
    } catch (const std::system_error &) {
        delete guard;
        return false;
    }
    return true;
}

} // namespace grimlark::ui
