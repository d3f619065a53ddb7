#include "CliPlcRunner.h"

#include "CliInterrupt.h"

#include <QEventLoop>
#include <cstdio>
#include <unistd.h>

namespace ladrix::cli {
namespace {

constexpr int kBarWidth = 30;

// The window's two-line step texts on one line.
QString oneLine(QString text)
{
    return text.replace(u'\n', u' ').simplified();
}

} // namespace

PlcRunner::PlcRunner(const QString& port, const QString& command, Io& io)
    : m_port(port), m_command(command), m_io(io), m_terminal(::isatty(STDERR_FILENO) == 1)
{
    QObject::connect(&m_session, &plc::PlcSession::message, &m_session,
                     [this](plc::SequenceKind, const QString& text) { showMessage(text); });
    QObject::connect(&m_session, &plc::PlcSession::progress, &m_session,
                     [this](plc::SequenceKind, int value, int minimum, int maximum) {
                         showProgress(value, minimum, maximum);
                     });
}

bool PlcRunner::open()
{
    const plc::SequenceResult r = run([this](plc::PlcSession& s) { return s.openPort(m_port); });
    if (r.ok())
        return true;
    m_io.err << "ladrix-cli " << m_command << ": cannot open port " << m_port << ": "
             << r.dialogText << "\n";
    return false;
}

int PlcRunner::connect()
{
    const plc::SequenceResult r = run([this](plc::PlcSession& s) { return s.connectPlc(m_port); });
    if (r.ok())
        return kOk;
    if (r.outcome == plc::SequenceOutcome::LinkFailed) {
        m_io.err << "ladrix-cli " << m_command << ": cannot open port " << m_port << ": "
                 << r.dialogText << "\n";
        return kUsageOrInput;
    }
    return status(r);
}

plc::SequenceResult PlcRunner::run(const std::function<bool(plc::PlcSession&)>& request)
{
    plc::SequenceResult result;
    QEventLoop loop;
    const auto done = QObject::connect(&m_session, &plc::PlcSession::finished, &loop,
                                       [&](const plc::SequenceResult& r) {
                                           result = r;
                                           loop.quit();
                                       });
    const InterruptWatch interrupt([this] {
        m_interrupted = true;
        m_session.cancel();
    });
    m_text.clear();
    m_minimum = m_maximum = m_value = 0;
    if (request(m_session))
        loop.exec();
    QObject::disconnect(done);
    endBar();
    return result;
}

int PlcRunner::status(const plc::SequenceResult& r)
{
    if (r.ok())
        return kOk;
    m_io.err << "ladrix-cli " << m_command << ": ";
    if (r.failedStep >= 0)
        m_io.err << "step " << r.failedStep << ": ";
    if (r.outcome == plc::SequenceOutcome::LinkFailed && r.message.isEmpty())
        m_io.err << "port " << m_port << " failed";
    else
        m_io.err << oneLine(r.message);
    if (!r.dialogText.isEmpty())
        m_io.err << ": " << oneLine(r.dialogText);
    m_io.err << "\n";
    const bool portOrFault = r.outcome == plc::SequenceOutcome::LinkFailed || r.errorNumber != 0;
    return portOrFault ? kUsageOrInput : kFaultsFound;
}

void PlcRunner::showMessage(const QString& text)
{
    m_text = oneLine(text);
    if (m_terminal) {
        drawBar();
    } else {
        m_io.err << m_text << "\n";
        m_io.err.flush();
    }
}

void PlcRunner::showProgress(int value, int minimum, int maximum)
{
    m_value = value;
    m_minimum = minimum;
    m_maximum = maximum;
    if (m_terminal)
        drawBar();
}

void PlcRunner::drawBar()
{
    QString bar;
    if (m_maximum > m_minimum) {
        const double part = double(m_value - m_minimum) / double(m_maximum - m_minimum);
        const int filled = std::clamp(int(part * kBarWidth + 0.5), 0, kBarWidth);
        bar = u'[' + QString(filled, u'#') + QString(kBarWidth - filled, u'-') +
              QStringLiteral("] %1% ").arg(int(std::clamp(part, 0.0, 1.0) * 100));
    }
    m_io.err << "\r\033[K" << bar << m_text;
    m_io.err.flush();
    m_barShown = true;
}

void PlcRunner::endBar()
{
    if (!m_barShown)
        return;
    m_io.err << "\n";
    m_io.err.flush();
    m_barShown = false;
}

} // namespace ladrix::cli
