#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <deque>
#include <functional>

namespace ladrix::plc {

// Hands the simulated controller's replies out after its reply latency, in order.
class ReplyQueue final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReplyQueue)

public:
    using Sink = std::function<void(const QByteArray&)>;
    explicit ReplyQueue(Sink sink, QObject* parent = nullptr);

    void push(const QByteArray& bytes, int latencyMs);
    void clear();

private:
    void deliverDue();
    // Arms the timer for the first pending reply.
    void scheduleFront();

    struct Pending {
        qint64 due;
        QByteArray bytes;
    };
    Sink m_sink;
    std::deque<Pending> m_pending;
    QElapsedTimer m_clock;
    QTimer m_timer;
};

} // namespace ladrix::plc
