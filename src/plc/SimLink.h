#pragma once

#include "Link.h"
#include "ReplyQueue.h"
#include "SimController.h"

namespace ladrix::plc {

// A link to the simulated controller inside this process. Replies arrive as from a port: after
// the controller's latency, announced by readyRead().
class SimLink final : public Link {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SimLink)

public:
    explicit SimLink(int stepCount = 1000, QObject* parent = nullptr);

    bool open() override;
    void close() override;
    bool isOpen() const override { return m_open; }
    bool write(const QByteArray& bytes) override;
    qint64 bytesAvailable() const override { return m_input.size(); }
    QByteArray readAll() override;
    QString errorString() const override { return QString(); }
    QString description() const override { return QStringLiteral("sim"); }

    SimController& controller() { return m_controller; }
    void setFaults(const SimFaults& faults) { m_faults.setFaults(faults); }

private:
    void deliver(const QByteArray& bytes);

    SimController m_controller;
    FaultyReplies m_faults;
    ReplyQueue m_replies;
    QByteArray m_input;
    bool m_open = false;
};

} // namespace ladrix::plc
