#pragma once

#include <QByteArray>
#include <QSocketNotifier>
#include <QString>
#include <cstdint>
#include <deque>
#include <fcntl.h>
#include <memory>
#include <termios.h>
#include <unistd.h>

namespace ladrix::plc::test {

// A controller played from a script on a pseudo-terminal, written from the protocol alone:
// every byte received is recorded and answered as the handheld's display would answer it.
// Keys: an instruction key (as the first key of a step) sets the display code, digit keys
// shift in from the right of the number field, "+" shows the next scripted display. High
// speed: 254 opens the framing, 171/172 is answered with the scripted words, 173/174 takes
// words and answers each with four bytes, 166 ends it.
class ScriptedPty {
public:
    std::deque<QByteArray> plusDisplays; // shown by each "+" in turn
    QByteArray programWords;             // the answer to a high-speed read request
    bool silent = false;                 // records, but answers nothing

    ScriptedPty()
    {
        m_master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0)
            return;
        m_path = QString::fromLocal8Bit(ptsname(m_master));
        m_slave = ::open(ptsname(m_master), O_RDWR | O_NOCTTY);
        termios tio{};
        tcgetattr(m_slave, &tio);
        cfmakeraw(&tio);
        tcsetattr(m_slave, TCSANOW, &tio);
        m_notifier = std::make_unique<QSocketNotifier>(m_master, QSocketNotifier::Read);
        QObject::connect(m_notifier.get(), &QSocketNotifier::activated, m_notifier.get(),
                         [this] { onReadable(); });
    }
    ~ScriptedPty()
    {
        m_notifier.reset();
        for (int fd : {m_slave, m_master})
            if (fd >= 0)
                ::close(fd);
    }
    ScriptedPty(const ScriptedPty&) = delete;
    ScriptedPty& operator=(const ScriptedPty&) = delete;

    QString path() const { return m_path; }
    const QByteArray& received() const { return m_received; }
    void clearReceived() { m_received.clear(); }

    static QByteArray display(int code, int d1, int d2, int d3)
    {
        const char bytes[] = {0, char(code), char(d1), char(d2), char(d3)};
        return QByteArray(bytes, 5);
    }

private:
    void onReadable()
    {
        char buffer[256];
        const auto n = ::read(m_master, buffer, sizeof buffer);
        for (ssize_t i = 0; i < n; ++i) {
            const auto byte = static_cast<std::uint8_t>(buffer[i]);
            m_received += char(byte);
            const QByteArray reply = answer(byte);
            if (!reply.isEmpty() && !silent) [[maybe_unused]]
                const auto w = ::write(m_master, reply.constData(), reply.size());
        }
    }

    QByteArray shown() const
    {
        const QString d =
            QString(3 - std::min<qsizetype>(3, m_digits.size()), u'F') + m_digits.right(3);
        auto digit = [](QChar c) { return c == u'F' ? 15 : c.digitValue(); };
        return display(m_code, digit(d[0]), digit(d[1]), digit(d[2]));
    }

    QByteArray answer(std::uint8_t b)
    {
        if (m_words) {
            if (m_first < 0 && b == 166) {
                m_words = false;
                return {};
            }
            if (m_first < 0) {
                m_first = b;
                return {};
            }
            const char echo[] = {char(m_first), char(b), char(m_step >> 8), char(m_step & 0xFF)};
            m_first = -1;
            ++m_step;
            return QByteArray(echo, 4);
        }
        if (m_leadIn) {
            m_leadIn = false;
            if (b == 171 || b == 172)
                return programWords;
            if (b == 173 || b == 174) {
                m_words = true;
                m_step = 0;
                return {};
            }
        }
        switch (b) {
        case 254:
            m_leadIn = true;
            return {};
        case 166: // also the first key of a connection
        case 145:
        case 161:
        case 227: // CLEAR
        case 211: // STEP
        case 119: // INSTR
        case 183: // WRITE/MONITOR
            m_code = 255;
            m_digits.clear();
            m_stepStart = b != 211;
            return shown();
        case 115: // "+"
            if (plusDisplays.empty())
                return display(255, 15, 15, 15);
            {
                const QByteArray d = plusDisplays.front();
                plusDisplays.pop_front();
                return d;
            }
        default:
            break;
        }
        // The first key of a step is its instruction; the keys after it are its digits.
        static const std::pair<std::uint8_t, int> instructions[] = {
            {182, 12}, {117, 40}, {118, 24}, {230, 3},  {231, 1}, {214, 6}, {213, 10}, {181, 20},
            {229, 5},  {116, 56}, {212, 14}, {180, 28}, {226, 0}, {228, 7}, {215, 2}};
        static const std::uint8_t digits[] = {228, 212, 180, 116, 229, 213, 181, 117, 230, 214};
        if (m_stepStart) {
            for (const auto& [key, code] : instructions) {
                if (key == b) {
                    m_code = code;
                    m_stepStart = false;
                    return shown();
                }
            }
        }
        for (int d = 0; d < 10; ++d) {
            if (digits[d] == b)
                m_digits += QChar(u'0' + d);
        }
        return shown();
    }

    int m_master = -1;
    int m_slave = -1;
    QString m_path;
    std::unique_ptr<QSocketNotifier> m_notifier;
    QByteArray m_received;
    int m_code = 255;
    QString m_digits;
    bool m_stepStart = true;
    bool m_leadIn = false;
    bool m_words = false;
    int m_first = -1;
    int m_step = 0;
};

} // namespace ladrix::plc::test
