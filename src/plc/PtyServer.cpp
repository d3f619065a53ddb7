#include "PtyServer.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace ladrix::plc {

PtyServer::PtyServer(int stepCount, QObject* parent)
    : QObject(parent), m_plc(stepCount),
      m_replies([this](const QByteArray& bytes) { send(bytes); }, this)
{
}

PtyServer::~PtyServer()
{
    stop();
}

bool PtyServer::start()
{
    stop();
    auto fail = [this](const char* what) {
        m_error = QStringLiteral("%1: %2").arg(QLatin1String(what),
                                               QString::fromLocal8Bit(std::strerror(errno)));
        stop();
        return false;
    };
    m_master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_master < 0)
        return fail("posix_openpt");
    if (grantpt(m_master) != 0)
        return fail("grantpt");
    if (unlockpt(m_master) != 0)
        return fail("unlockpt");
    const char* name = ptsname(m_master);
    if (!name)
        return fail("ptsname");
    m_slavePath = QString::fromLocal8Bit(name);
    m_slave = ::open(name, O_RDWR | O_NOCTTY);
    if (m_slave < 0)
        return fail("open");
    // Raw from the start: no echo or line editing may touch bytes before a client opens it.
    termios tio{};
    if (tcgetattr(m_slave, &tio) != 0)
        return fail("tcgetattr");
    cfmakeraw(&tio);
    cfsetspeed(&tio, B19200);
    if (tcsetattr(m_slave, TCSANOW, &tio) != 0)
        return fail("tcsetattr");
    m_notifier = std::make_unique<QSocketNotifier>(m_master, QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &PtyServer::onReadable);
    return true;
}

void PtyServer::stop()
{
    m_notifier.reset();
    m_replies.clear();
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
    m_slave = m_master = -1;
}

void PtyServer::onReadable()
{
    char buf[256];
    for (;;) {
        const ssize_t n = ::read(m_master, buf, sizeof buf);
        if (n <= 0)
            break;
        for (ssize_t i = 0; i < n; ++i) {
            const QByteArray reply = m_plc.receive(static_cast<std::uint8_t>(buf[i]));
            m_replies.push(m_faults.shape(reply), m_faults.faults().latencyMs);
        }
    }
}

void PtyServer::send(const QByteArray& bytes)
{
    qsizetype done = 0;
    while (m_master >= 0 && done < bytes.size()) {
        const ssize_t n = ::write(m_master, bytes.constData() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return; // the terminal's buffer is full or gone: the bytes are lost, like on a line
        done += n;
    }
}

} // namespace ladrix::plc
