#include "SessionEnd.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The handler may only write a byte; the window thread reads it.
int wakeFds[2] = {-1, -1};

extern "C" void onTerminate(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(wakeFds[0], &byte, 1);
}

}

SessionEnd::SessionEnd(QObject *parent)
    : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, wakeFds) != 0)
        return;
    m_notifier = new QSocketNotifier(wakeFds[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        [[maybe_unused]] const ssize_t read = ::read(wakeFds[1], &byte, 1);
        emit requested();
    });
    struct sigaction action = {};
    action.sa_handler = onTerminate;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
}

SessionEnd::~SessionEnd()
{
    if (!m_notifier)
        return;
    std::signal(SIGTERM, SIG_DFL);
    delete m_notifier;
    for (int &fd : wakeFds) {
        ::close(fd);
        fd = -1;
    }
}

#else

// Elsewhere the system ends the program its own way.
SessionEnd::SessionEnd(QObject *parent) : QObject(parent) {}
SessionEnd::~SessionEnd() = default;

#endif
