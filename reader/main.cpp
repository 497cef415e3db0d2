// skaleron-access-reader FILE TABLE: reads one table of an Access file and
// writes it to stdout as an access_reply. The programs run it as a child
// process with a time limit, so that a damaged file that makes the Access
// library loop, crash or flood its output costs them nothing but the child.
#include "catalogue/AccessFile.h"
#include "catalogue/AccessReply.h"

#include <QByteArray>
#include <QString>
#include <cstdio>
#include <unistd.h>

static bool writeAll(int fd, const QByteArray &bytes)
{
    const char *p = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, size_t(left));
        if (n <= 0)
            return false;
        p += n;
        left -= n;
    }
    return true;
}

int main(int argc, char **argv)
{
    // The library prints its complaints on stdout as well as on stderr; the
    // reply keeps stdout to itself and the library's lines go to stderr.
    const int reply = ::dup(STDOUT_FILENO);
    if (reply < 0 || ::dup2(STDERR_FILENO, STDOUT_FILENO) < 0)
        return 1;
    if (argc != 3) {
        std::fprintf(stderr, "usage: skaleron-access-reader FILE TABLE\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);

    using access_reply::Outcome;
    access_file::AccessFile file;
    access_file::Table table;
    Outcome outcome = Outcome::Unreadable;
    if (file.open(path))
        outcome = file.findTable(name).isEmpty() ? Outcome::NoTable
                  : file.readTable(name, table)   ? Outcome::Read
                                                  : Outcome::Unreadable;
    std::fflush(stdout);
    return writeAll(reply, access_reply::encode(outcome, table)) ? 0 : 1;
}
