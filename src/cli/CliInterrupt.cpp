#include "CliInterrupt.h"

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace ladrix::cli {
namespace {

int g_pipe[2] = {-1, -1};

// Only async-signal-safe work here: the event loop notices the byte.
void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto n = ::write(g_pipe[1], &byte, 1);
}

} // namespace

InterruptWatch::InterruptWatch(std::function<void()> onInterrupt)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_pipe) != 0)
        return;
    m_notifier = std::make_unique<QSocketNotifier>(g_pipe[0], QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, m_notifier.get(),
                     [callback = std::move(onInterrupt)] {
                         char byte = 0;
                         [[maybe_unused]] const auto n = ::read(g_pipe[0], &byte, 1);
                         callback();
                     });
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
}

InterruptWatch::~InterruptWatch()
{
    if (!m_notifier)
        return;
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    m_notifier.reset();
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
}

} // namespace ladrix::cli
