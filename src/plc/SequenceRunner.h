#pragma once

#include "KeyExchange.h"
#include "Link.h"
#include "SequenceTypes.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <initializer_list>

namespace ladrix::plc {

// What a key sequence may do: exchange keys, send raw bytes, wait, and report. All waiting
// runs the event loop of the calling thread; nothing spins.
class SequenceRunner final {
    Q_DISABLE_COPY_MOVE(SequenceRunner)

public:
    struct Reporter {
        std::function<void(const KeyResult&)> key;
        std::function<void(const QString&)> message;
        std::function<void(int value, int minimum, int maximum)> progress;
    };

    SequenceRunner(Link& link, KeyExchange& keys, const TransferDelays& delays,
                   std::atomic_bool& cancel, Reporter reporter = {});

    KeyResult key(std::uint8_t code);
    // Exchanges the keys in order; stops at the first that fails and returns it.
    KeyResult keys(std::initializer_list<std::uint8_t> codes);
    // Exchanges the digit keys of the characters of `text` (any other character keys 0).
    KeyResult digits(const QString& text);

    bool raw(std::uint8_t byte);
    void waitMs(int ms);
    // Waits until `done` holds (checked whenever bytes arrive) or `ms` have passed.
    bool waitUntil(const std::function<bool()>& done, int ms);
    qint64 waiting() const { return m_link.bytesAvailable(); }
    QByteArray readAll() { return m_link.readAll(); }
    void discardInput() { m_link.discardInput(); }

    // True once when the user asked to stop.
    bool takeCancel() { return m_cancel.exchange(false); }

    void message(const QString& text) const;
    void progress(int value, int minimum, int maximum) const;
    const TransferDelays& delays() const { return m_delays; }
    const PlcDisplay& display() const { return m_keys.display(); }
    const QByteArray& reply() const { return m_keys.reply(); }

private:
    Link& m_link;
    KeyExchange& m_keys;
    TransferDelays m_delays;
    std::atomic_bool& m_cancel;
    Reporter m_reporter;
};

} // namespace ladrix::plc
