#pragma once

#include "Link.h"
#include "ReplyQueue.h"
#include "SimController.h"

#include <memory>
#include <mutex>

namespace ladrix::plc {

// A link to the simulated controller inside this process. Replies arrive as from a port: after
// the controller's latency, announced by readyRead().
class SimLink final : public Link {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SimLink)

public:
    // A link to a controller of its own.
    explicit SimLink(int stepCount = 1000, QObject* parent = nullptr);
    // A link to the one controller that every "sim" port of this process reaches, so its
    // program outlives a reconnection, as a real controller's does.
    static std::unique_ptr<SimLink> toSharedController();

    bool open() override;
    void close() override;
    bool isOpen() const override { return m_open; }
    bool write(const QByteArray& bytes) override;
    qint64 bytesAvailable() const override { return m_input.size(); }
    QByteArray readAll() override;
    QString errorString() const override { return QString(); }
    QString description() const override { return QStringLiteral("sim"); }

    // Unguarded: only for a link whose controller no other thread is using.
    SimController& controller() { return m_controller->sim; }
    // Runs `use` on the controller while no link of another thread talks to it.
    template <class F> void withController(F&& use)
    {
        const std::lock_guard lock(m_controller->mutex);
        use(m_controller->sim);
    }
    void setFaults(const SimFaults& faults) { m_faults.setFaults(faults); }

private:
    // Links of different threads may share one controller.
    struct Controller {
        explicit Controller(int stepCount) : sim(stepCount) {}
        std::mutex mutex;
        SimController sim;
    };
    SimLink(std::shared_ptr<Controller> controller, QObject* parent);
    void deliver(const QByteArray& bytes);

    std::shared_ptr<Controller> m_controller;
    FaultyReplies m_faults;
    ReplyQueue m_replies;
    QByteArray m_input;
    bool m_open = false;
};

} // namespace ladrix::plc
