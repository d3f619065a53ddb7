#pragma once

#include "Display.h"
#include "Link.h"

#include <QElapsedTimer>
#include <QMetaType>
#include <QObject>
#include <QTimer>
#include <cstdint>

namespace ladrix::plc {

// Timing of the key exchange, in milliseconds. Tests that are not about timing may shorten it.
struct KeyTiming {
    int pacingMs = 60;        // from the end of one exchange to the next key
    int replyTimeoutMs = 630; // from sending a key to its complete reply
};

enum class KeyOutcome {
    Ok,
    TimedOut,  // no reply, a partial one, or more than five bytes
    LinkFailed // the port refused the byte or reported a fault
};

struct KeyResult {
    std::uint8_t key = 0;
    KeyOutcome outcome = KeyOutcome::TimedOut;
    PlcDisplay display; // the display after the exchange (the previous one when it failed)
    bool deviceOn = false;
    QString error;
    bool ok() const { return outcome == KeyOutcome::Ok; }
};

// One key to the controller and its five-byte display reply, event-driven: the key goes out no
// sooner than the pacing interval after the previous exchange ended, waiting input is dropped
// before sending, and a reply counts the moment its fifth byte is waiting. Not re-entrant:
// one exchange at a time, which its owner guarantees.
class KeyExchange final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KeyExchange)

public:
    explicit KeyExchange(Link& link, KeyTiming timing = {}, QObject* parent = nullptr);

    // Starts one exchange; finished() follows (possibly before start() returns). False, and
    // no signal, while another exchange is running.
    bool start(std::uint8_t key);
    // Runs one exchange to its end, processing events of this thread meanwhile.
    KeyResult exchange(std::uint8_t key);
    bool busy() const { return m_state != State::Idle; }

    // The decoded and refined display of the last successful exchange.
    const PlcDisplay& display() const { return m_display; }
    // The five bytes behind display(), as they came.
    const QByteArray& reply() const { return m_reply; }
    // Display code 5 in the last exchange's reply; false again at the start of each exchange.
    bool deviceOn() const { return m_deviceOn; }

    void setTiming(KeyTiming timing) { m_timing = timing; }
    const KeyTiming& timing() const { return m_timing; }
    // Raw transfers outside the exchange count as link activity for the pacing of the next key.
    void markActivity();

signals:
    void finished(const ladrix::plc::KeyResult& result);

private:
    enum class State { Idle, Pacing, Waiting };

    void send();
    void onReadyRead();
    void onLinkFailed(const QString& reason);
    void finish(KeyOutcome outcome, const QString& error = QString());

    Link& m_link;
    KeyTiming m_timing;
    State m_state = State::Idle;
    std::uint8_t m_key = 0;
    PlcDisplay m_display;
    QByteArray m_reply;
    bool m_deviceOn = false;
    QTimer m_paceTimer;
    QTimer m_replyTimer;
    QElapsedTimer m_sinceLast; // invalid until the first exchange ends
};

} // namespace ladrix::plc

Q_DECLARE_METATYPE(ladrix::plc::KeyResult)
