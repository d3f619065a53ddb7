#pragma once

#include "plc/PlcSession.h"

#include <QObject>
#include <QPointer>
#include <functional>

namespace ladrix::plc {

// One window's side of the shared session: it sends that window's requests and passes on only
// their messages, progress and results, so windows sharing the session never take each
// other's; the other windows' requests are announced as such. A window holds one client and
// makes one request at a time.
class SessionClient final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SessionClient)

public:
    explicit SessionClient(PlcSession& session, QObject* parent = nullptr);
    ~SessionClient() override;

    // Runs `call` on the session (e.g. [](PlcSession& s) { return s.closePort(); }); false when
    // the session is gone, this client waits for a result already, or the session is busy.
    bool request(SequenceKind kind, const std::function<bool(PlcSession&)>& call);
    bool pending() const { return m_request != 0; }
    SequenceKind pendingKind() const { return m_kind; }
    // Whether the session would refuse a request now: anyone's operation runs and cannot give
    // way (only a poll gives way).
    bool sessionBusy() const;
    // Another window's request (not a poll) that runs or waits now; 0 for none.
    std::uint64_t otherRequest() const;
    // Whether the controller was last sent to run, by any window.
    bool plcRunning() const;
    // Cancels this client's running operation, if any.
    void cancel();
    // Cancels whatever this client runs and closes the port once it has ended.
    void cancelAndClose();
    // Counts this window among the users of the port, until leave().
    void holdPort();
    // Cancels what this client runs and drops its results; the port closes once no other
    // window holds it.
    void leave();

signals:
    void message(ladrix::plc::SequenceKind kind, const QString& text);
    void progress(ladrix::plc::SequenceKind kind, int value, int minimum, int maximum);
    void finished(const ladrix::plc::SequenceResult& result);
    // Another window's request was accepted, and later its result came.
    void otherAccepted(ladrix::plc::SequenceKind kind, std::uint64_t request);
    void otherFinished(std::uint64_t request);
    void plcModeChanged(bool running);

private:
    void onFinished(const SequenceResult& result);

    // While a call of this client is being made: the session's answer is its own.
    static constexpr std::uint64_t kCalling = ~std::uint64_t(0);

    // Gone first when the program ends while this window still exists.
    QPointer<PlcSession> m_session;
    std::uint64_t m_request = 0;
    SequenceKind m_kind = SequenceKind::Keys;
    bool m_holdsPort = false;
};

} // namespace ladrix::plc
