#include "SessionClient.h"

namespace ladrix::plc {

SessionClient::SessionClient(PlcSession& session, QObject* parent)
    : QObject(parent), m_session(&session)
{
    connect(&session, &PlcSession::finished, this, &SessionClient::onFinished);
    connect(&session, &PlcSession::message, this, [this](SequenceKind kind, const QString& text) {
        if (pending() && kind == m_kind)
            emit message(kind, text);
    });
    connect(&session, &PlcSession::progress, this,
            [this](SequenceKind kind, int value, int minimum, int maximum) {
                if (pending() && kind == m_kind)
                    emit progress(kind, value, minimum, maximum);
            });
}

bool SessionClient::request(SequenceKind kind, const std::function<bool(PlcSession&)>& call)
{
    if (!m_session || pending())
        return false;
    // Set before the call: the session may report before the call returns.
    m_kind = kind;
    m_request = ~std::uint64_t(0);
    if (!call(*m_session)) {
        m_request = 0;
        return false;
    }
    m_request = m_session->lastRequest();
    return true;
}

bool SessionClient::sessionBusy() const
{
    return m_session && m_session->isBusy();
}

void SessionClient::cancel()
{
    if (m_session && pending())
        m_session->cancel();
}

void SessionClient::cancelAndClose()
{
    if (!m_session)
        return;
    if (pending())
        m_session->cancelAndClose();
    else
        m_session->closePortWhenIdle();
}

void SessionClient::onFinished(const SequenceResult& result)
{
    if (!pending() || result.request != m_request)
        return;
    m_request = 0;
    emit finished(result);
}

} // namespace ladrix::plc
