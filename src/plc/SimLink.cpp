#include "SimLink.h"

namespace ladrix::plc {

SimLink::SimLink(int stepCount, QObject* parent)
    : Link(parent), m_controller(stepCount),
      m_replies([this](const QByteArray& bytes) { deliver(bytes); }, this)
{
}

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
    for (char b : bytes) {
        m_replies.push(m_faults.shape(m_controller.receive(static_cast<std::uint8_t>(b))),
                       m_faults.faults().latencyMs);
    }
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
