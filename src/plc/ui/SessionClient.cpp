#include "SessionClient.h"

namespace ladrix::plc {

SessionClient::SessionClient(PlcSession& session, QObject* parent)
    : QObject(parent), m_session(&session)
{
    connect(&session, &PlcSession::finished, this, &SessionClient::onFinished);
    connect(&session, &PlcSession::accepted, this,
            [this](SequenceKind kind, std::uint64_t request) {
                if (m_request == kCalling)
                    m_request = request;
                else
                    emit otherAccepted(kind, request);
            });
    connect(&session, &PlcSession::message, this, [this](SequenceKind kind, const QString& text) {
        if (pending() && kind == m_kind)
            emit message(kind, text);
    });
    connect(&session, &PlcSession::progress, this,
            [this](SequenceKind kind, int value, int minimum, int maximum) {
                if (pending() && kind == m_kind)
                    emit progress(kind, value, minimum, maximum);
            });
    connect(&session, &PlcSession::plcModeChanged, this, &SessionClient::plcModeChanged);
}

SessionClient::~SessionClient()
{
    if (m_holdsPort && m_session)
        m_session->removePortUser(this);
}

bool SessionClient::request(SequenceKind kind, const std::function<bool(PlcSession&)>& call)
{
    if (!m_session || pending())
        return false;
    // Set before the call: the session may report before the call returns.
    m_kind = kind;
    m_request = kCalling;
    if (!call(*m_session)) {
        m_request = 0;
        return false;
    }
    if (m_request == kCalling)
        m_request = m_session->lastRequest();
    return true;
}

bool SessionClient::sessionBusy() const
{
    return m_session && !m_session->acceptsRequest();
}

std::uint64_t SessionClient::otherRequest() const
{
    const std::uint64_t running = m_session ? m_session->foregroundRequest() : 0;
    return running == m_request ? 0 : running;
}

bool SessionClient::plcRunning() const
{
    return m_session && m_session->plcRunning();
}

void SessionClient::cancel()
{
    if (m_session && pending())
        m_session->cancel(m_request);
}

void SessionClient::cancelAndClose()
{
    if (!m_session)
        return;
    cancel();
    m_session->closePortWhenIdle();
}

void SessionClient::holdPort()
{
    if (!m_session || m_holdsPort)
        return;
    m_holdsPort = true;
    m_session->addPortUser(this);
}

void SessionClient::leave()
{
    if (!m_session)
        return;
    cancel();
    m_request = 0;
    if (std::exchange(m_holdsPort, false))
        m_session->removePortUser(this);
}

void SessionClient::onFinished(const SequenceResult& result)
{
    if (!pending() || result.request != m_request) {
        emit otherFinished(result.request);
        return;
    }
    m_request = 0;
    emit finished(result);
}

} // namespace ladrix::plc
