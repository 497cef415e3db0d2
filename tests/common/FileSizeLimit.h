#pragma once
// A full disk for the test's scope: this process's file-size limit lowered
// (SIGXFSZ ignored), so writes past it fail as on a disk with no room left.
// Unix only; elsewhere the test skips.
#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>

namespace testing_support {

class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_previousSignal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered{};
        m_set = getrlimit(RLIMIT_FSIZE, &m_before) == 0;
        lowered = m_before;
        lowered.rlim_cur = bytes;
        m_set = m_set && setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }
    ~FileSizeLimit() { lift(); }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    bool isSet() const { return m_set; }
    // Back to the limit before, so that the test's own checks can write.
    void lift()
    {
        if (m_set)
            setrlimit(RLIMIT_FSIZE, &m_before);
        m_set = false;
        std::signal(SIGXFSZ, m_previousSignal);
    }

private:
    rlimit m_before{};
    void (*m_previousSignal)(int) = SIG_DFL;
    bool m_set = false;
};

}
#endif
