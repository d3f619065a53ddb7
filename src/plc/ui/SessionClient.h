#pragma once

#include "plc/PlcSession.h"

#include <QObject>
#include <QPointer>
#include <functional>

namespace ladrix::plc {

// One window's side of the shared session: it sends that window's requests and passes on only
// their messages, progress and results, so windows sharing the session never take each
// other's. A window holds one client and makes one request at a time.
class SessionClient final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SessionClient)

public:
    explicit SessionClient(PlcSession& session, QObject* parent = nullptr);

    // Runs `call` on the session (e.g. [](PlcSession& s) { return s.closePort(); }); false when
    // the session is gone, this client waits for a result already, or the session is busy.
    bool request(SequenceKind kind, const std::function<bool(PlcSession&)>& call);
    bool pending() const { return m_request != 0; }
    SequenceKind pendingKind() const { return m_kind; }
    // Whether anyone's operation runs on the session.
    bool sessionBusy() const;
    // Cancels this client's running operation, if any.
    void cancel();
    // Cancels whatever this client runs and closes the port once it has ended.
    void cancelAndClose();

signals:
    void message(ladrix::plc::SequenceKind kind, const QString& text);
    void progress(ladrix::plc::SequenceKind kind, int value, int minimum, int maximum);
    void finished(const ladrix::plc::SequenceResult& result);

private:
    void onFinished(const SequenceResult& result);

    // Gone first when the program ends while this window still exists.
    QPointer<PlcSession> m_session;
    std::uint64_t m_request = 0;
    SequenceKind m_kind = SequenceKind::Keys;
};

} // namespace ladrix::plc
