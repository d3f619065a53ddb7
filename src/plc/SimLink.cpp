#include "SimLink.h"

#include "SimPlc.h"

namespace ladrix::plc {

SimLink::SimLink(int stepCount, QObject* parent)
    : Link(parent), m_own(std::make_unique<SimController>(stepCount)), m_controller(m_own.get()),
      m_receive([c = m_controller](std::uint8_t byte) { return c->receive(byte); }),
      m_replies([this](const QByteArray& bytes) { deliver(bytes); }, this)
{
}

SimLink::SimLink(SimPlc& plc, QObject* parent)
    : Link(parent), m_plc(&plc), m_controller(&plc.controller()),
      m_receive([p = &plc](std::uint8_t byte) { return p->receive(byte); }),
      m_replies([this](const QByteArray& bytes) { deliver(bytes); }, this)
{
}

SimLink::~SimLink() = default;

bool SimLink::open()
{
    m_open = true;
    m_input.clear();
    return true;
}

void SimLink::close()
{
    m_open = false;
    m_replies.clear();
    m_input.clear();
}

bool SimLink::write(const QByteArray& bytes)
{
    if (!m_open)
        return false;
    for (char b : bytes)
        m_replies.push(m_faults.shape(m_receive(static_cast<std::uint8_t>(b))),
                       m_faults.faults().latencyMs);
    return true;
}

QByteArray SimLink::readAll()
{
    return std::exchange(m_input, QByteArray());
}

void SimLink::deliver(const QByteArray& bytes)
{
    if (!m_open)
        return;
    m_input += bytes;
    // Announced from the event loop, as a port does, so a writer never sees its reply
    // from inside its own write().
    QMetaObject::invokeMethod(this, &Link::readyRead, Qt::QueuedConnection);
}

} // namespace ladrix::plc
