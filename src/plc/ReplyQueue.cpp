#include "ReplyQueue.h"

#include <algorithm>
#include <utility>

namespace ladrix::plc {

ReplyQueue::ReplyQueue(Sink sink, QObject* parent) : QObject(parent), m_sink(std::move(sink))
{
    m_clock.start();
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &ReplyQueue::deliverDue);
}

void ReplyQueue::push(const QByteArray& bytes, int latencyMs)
{
    if (bytes.isEmpty())
        return;
    if (latencyMs <= 0 && m_pending.empty()) {
        m_sink(bytes);
        return;
    }
    m_pending.push_back({m_clock.elapsed() + std::max(0, latencyMs), bytes});
    if (!m_timer.isActive())
        scheduleFront();
}

void ReplyQueue::clear()
{
    m_pending.clear();
    m_timer.stop();
}

void ReplyQueue::deliverDue()
{
    while (!m_pending.empty() && m_pending.front().due <= m_clock.elapsed()) {
        const QByteArray bytes = m_pending.front().bytes;
        m_pending.pop_front();
        m_sink(bytes);
    }
    if (!m_pending.empty())
        scheduleFront();
}

void ReplyQueue::scheduleFront()
{
    const qint64 wait = m_pending.front().due - m_clock.elapsed();
    m_timer.start(static_cast<int>(std::max<qint64>(0, wait)));
}

} // namespace ladrix::plc
