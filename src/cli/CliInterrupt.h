#pragma once

#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace ladrix::cli {

// Turns SIGINT and SIGTERM into a call of `onInterrupt` from the event loop, for the life of
// this object; the signals' default action comes back when it ends. One at a time.
class InterruptWatch final {
public:
    explicit InterruptWatch(std::function<void()> onInterrupt);
    ~InterruptWatch();
    InterruptWatch(const InterruptWatch&) = delete;
    InterruptWatch& operator=(const InterruptWatch&) = delete;

    // False when the signals could not be set up (they then keep their default action).
    bool ok() const { return m_notifier != nullptr; }

private:
    std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace ladrix::cli
