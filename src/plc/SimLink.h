#pragma once

#include "Link.h"
#include "ReplyQueue.h"
#include "SimController.h"

#include <functional>
#include <memory>

namespace ladrix::plc {

class SimPlc;

// A link to the simulated controller inside this process. Replies arrive as from a port: after
// the controller's latency, announced by readyRead(). The link and its controller live on one
// thread.
class SimLink final : public Link {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SimLink)

public:
    // A link to a controller of its own that answers keys but runs no program: the monitor
    // shows what setDevice() gave it.
    explicit SimLink(int stepCount = 1000, QObject* parent = nullptr);
    // A link to a simulated controller that runs its program; `plc` outlives the link.
    explicit SimLink(SimPlc& plc, QObject* parent = nullptr);
    ~SimLink() override;

    bool open() override;
    void close() override;
    bool isOpen() const override { return m_open; }
    bool write(const QByteArray& bytes) override;
    qint64 bytesAvailable() const override { return m_input.size(); }
    QByteArray readAll() override;
    QString errorString() const override { return QString(); }
    QString description() const override { return QStringLiteral("sim"); }

    SimController& controller() { return *m_controller; }
    // The running controller this link reaches; null for a controller of its own.
    SimPlc* simulator() const { return m_plc; }
    void setFaults(const SimFaults& faults) { m_faults.setFaults(faults); }

private:
    void deliver(const QByteArray& bytes);

    std::unique_ptr<SimController> m_own;
    SimPlc* m_plc = nullptr;
    SimController* m_controller = nullptr;
    std::function<QByteArray(std::uint8_t)> m_receive;
    FaultyReplies m_faults;
    ReplyQueue m_replies;
    QByteArray m_input;
    bool m_open = false;
};

} // namespace ladrix::plc
