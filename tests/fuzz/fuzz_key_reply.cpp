#include "FuzzSupport.h"
#include "Harnesses.h"

#include "plc/Display.h"
#include "plc/KeyExchange.h"
#include "plc/Link.h"

#include <QCoreApplication>
#include <QStringList>
#include <utility>

namespace ladrix::fuzz {

namespace {

using plc::KeyOutcome;
using plc::PlcDisplay;

// A port whose controller answers the next key with the given chunks, each arriving with its
// own readyRead before the write returns.
class ScriptedLink final : public plc::Link {
public:
    void answerNextWith(QList<QByteArray> chunks) { m_next = std::move(chunks); }
    void inject(const QByteArray& noise)
    {
        m_input += noise;
        emit readyRead();
    }

    bool open() override { return true; }
    void close() override {}
    bool isOpen() const override { return true; }
    bool write(const QByteArray&) override
    {
        for (const QByteArray& chunk : std::exchange(m_next, {}))
            inject(chunk);
        return true;
    }
    qint64 bytesAvailable() const override { return m_input.size(); }
    QByteArray readAll() override { return std::exchange(m_input, {}); }
    QString errorString() const override { return {}; }
    QString description() const override { return QStringLiteral("fuzz"); }

private:
    QList<QByteArray> m_next;
    QByteArray m_input;
};

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    bool atEnd() const { return m_pos >= m_size; }
    std::uint8_t byte() { return atEnd() ? 0 : m_data[m_pos++]; }
    QByteArray bytes(int n)
    {
        QByteArray b;
        while (n-- > 0 && !atEnd())
            b += char(byte());
        return b;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

void checkRefined(const PlcDisplay& display)
{
    static const QStringList shown{"",    "K",  "OR",  "END", "ANI", "OUT", "ORI", "NOP",
                                   "ANB", "LD", "RST", "ORB", "AND", "SFT", "LDI", "PLS",
                                   "S",   "MC", "CJP", "R",   "MCR", "EJP", "RET", "STL"};
    FUZZ_CHECK(shown.contains(display.ins));
    PlcDisplay again = display;
    plc::fixDisp(again);
    FUZZ_CHECK(again == display);
}

void ensureApplication()
{
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "fuzz_key_reply";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
}

} // namespace

// Display replies as the key exchange meets them: in pieces, too long, after line noise. An
// exchange succeeds exactly when five bytes are waiting at some moment, and then shows those
// five bytes decoded and refined; otherwise it times out and keeps the display it had.
int keyReply(const std::uint8_t* data, std::size_t size)
{
    ensureApplication();
    ScriptedLink link;
    plc::KeyExchange exchange(link, plc::KeyTiming{0, 0});
    PlcDisplay shown;
    Input in(data, size);
    while (!in.atEnd()) {
        const std::uint8_t key = in.byte();
        const std::uint8_t control = in.byte();
        link.inject(in.bytes(control >> 5));
        QList<QByteArray> chunks;
        QByteArray waiting;
        QByteArray reply;
        for (int c = control & 7; c > 0; --c) {
            chunks << in.bytes(in.byte() % 8);
            waiting += chunks.last();
            if (reply.isEmpty() && waiting.size() == plc::kReplySize)
                reply = waiting;
        }
        link.answerNextWith(chunks);

        const plc::KeyResult result = exchange.exchange(key);
        FUZZ_CHECK(result.key == key);
        if (reply.isEmpty()) {
            FUZZ_CHECK(result.outcome == KeyOutcome::TimedOut);
            FUZZ_CHECK(!result.deviceOn);
        } else {
            FUZZ_CHECK(result.outcome == KeyOutcome::Ok);
            shown = plc::decodeReply(reply);
            plc::fixDisp(shown);
            FUZZ_CHECK(result.deviceOn == (quint8(reply.at(1)) == plc::kDeviceOnCode));
        }
        FUZZ_CHECK(result.display == shown);
        FUZZ_CHECK(exchange.display() == shown);
        checkRefined(shown);
    }
    return 0;
}

} // namespace ladrix::fuzz

LADRIX_FUZZ_TARGET(ladrix::fuzz::keyReply)
