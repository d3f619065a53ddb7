#include "KeyExchange.h"

#include <QEventLoop>

namespace ladrix::plc {

KeyExchange::KeyExchange(Link& link, KeyTiming timing, QObject* parent)
    : QObject(parent), m_link(link), m_timing(timing)
{
    for (QTimer* t : {&m_paceTimer, &m_replyTimer}) {
        t->setSingleShot(true);
        t->setTimerType(Qt::PreciseTimer);
    }
    connect(&m_paceTimer, &QTimer::timeout, this, &KeyExchange::send);
    connect(&m_replyTimer, &QTimer::timeout, this, [this] { finish(KeyOutcome::TimedOut); });
    connect(&m_link, &Link::readyRead, this, &KeyExchange::onReadyRead);
    connect(&m_link, &Link::failed, this, &KeyExchange::onLinkFailed);
}

bool KeyExchange::start(std::uint8_t key)
{
    // One at a time: a second exchange is refused, never interleaved with the running one.
    if (busy())
        return false;
    m_key = key;
    m_deviceOn = false;
    m_state = State::Pacing;
    const qint64 wait = m_sinceLast.isValid() ? m_timing.pacingMs - m_sinceLast.elapsed() : 0;
    if (wait > 0)
        m_paceTimer.start(static_cast<int>(wait));
    else
        send();
    return true;
}

KeyResult KeyExchange::exchange(std::uint8_t key)
{
    KeyResult result;
    bool done = false;
    QEventLoop loop;
    const auto c = connect(this, &KeyExchange::finished, &loop, [&](const KeyResult& r) {
        result = r;
        done = true;
        loop.quit();
    });
    if (!start(key)) {
        disconnect(c);
        return KeyResult{key, KeyOutcome::LinkFailed, m_display, false,
                         QStringLiteral("exchange already running")};
    }
    if (!done)
        loop.exec();
    disconnect(c);
    return result;
}

void KeyExchange::markActivity()
{
    m_sinceLast.start();
}

void KeyExchange::send()
{
    if (!m_link.isOpen()) {
        finish(KeyOutcome::LinkFailed, QStringLiteral("port not open"));
        return;
    }
    m_link.discardInput();
    m_state = State::Waiting;
    m_replyTimer.start(m_timing.replyTimeoutMs);
    if (!m_link.write(QByteArray(1, static_cast<char>(m_key))))
        finish(KeyOutcome::LinkFailed, m_link.errorString());
}

void KeyExchange::onReadyRead()
{
    if (m_state != State::Waiting || m_link.bytesAvailable() != kReplySize)
        return;
    const QByteArray reply = m_link.readAll();
    m_deviceOn = static_cast<quint8>(reply.at(1)) == kDeviceOnCode;
    PlcDisplay d = decodeReply(reply);
    fixDisp(d);
    m_display = d;
    m_reply = reply;
    finish(KeyOutcome::Ok);
}

void KeyExchange::onLinkFailed(const QString& reason)
{
    if (m_state != State::Idle)
        finish(KeyOutcome::LinkFailed, reason);
}

void KeyExchange::finish(KeyOutcome outcome, const QString& error)
{
    m_paceTimer.stop();
    m_replyTimer.stop();
    // Idle first: discarding may make the driver report a fault, which must not end us again.
    m_state = State::Idle;
    if (outcome != KeyOutcome::Ok)
        m_link.discardInput();
    m_sinceLast.start();
    emit finished(KeyResult{m_key, outcome, m_display, m_deviceOn, error});
}

} // namespace ladrix::plc
