#include "SimLink.h"

namespace ladrix::plc {

SimLink::SimLink(int stepCount, QObject* parent)
    : SimLink(std::make_shared<Controller>(stepCount), parent)
{
}

SimLink::SimLink(std::shared_ptr<Controller> controller, QObject* parent)
    : Link(parent), m_controller(std::move(controller)),
      m_replies([this](const QByteArray& bytes) { deliver(bytes); }, this)
{
}

std::unique_ptr<SimLink> SimLink::toSharedController()
{
    // Room for the second model's 2000 steps; keys reach the first thousand as on either model.
    static const auto shared = std::make_shared<Controller>(2000);
    return std::unique_ptr<SimLink>(new SimLink(shared, nullptr));
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
        QByteArray reply;
        {
            const std::lock_guard lock(m_controller->mutex);
            reply = m_controller->sim.receive(static_cast<std::uint8_t>(b));
        }
        m_replies.push(m_faults.shape(reply), m_faults.faults().latencyMs);
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
