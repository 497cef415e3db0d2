#include "TrafficTrace.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <mutex>

namespace traffic_trace {

namespace {

// One line at a time in this process, so lines of links running side by
// side never mix; the file and the handler change under the same lock.
std::mutex mutex;
QString chosenFile;
std::function<void(const QString &, const QString &)> failureHandler;
bool failureReported = false;

QString pathLocked()
{
    const QString file = chosenFile.isEmpty() ? QString::fromLatin1(FileName) : chosenFile;
    return QDir::toNativeSeparators(QDir::current().absoluteFilePath(file));
}

void appendLine(const QString &portTag, const QString &line)
{
    std::lock_guard<std::mutex> lock(mutex);
    const auto failed = [] {
        if (failureHandler && !failureReported) {
            failureReported = true;
            failureHandler(pathLocked(), QString::fromLocal8Bit(std::strerror(errno)));
        }
    };
    std::FILE *file = std::fopen(QFile::encodeName(pathLocked()).constData(), "at");
    if (!file) {
        failed();
        return;
    }
    const QString tagged = portTag.isEmpty() ? line : QStringLiteral("[%1] %2").arg(portTag, line);
    const QByteArray bytes = tagged.toLocal8Bit();
    // The line leaves the buffer at fclose: a full disk shows there.
    const bool put = std::fputs(bytes.constData(), file) >= 0 && std::fputc('\n', file) != EOF;
    if (std::fclose(file) != 0 || !put)
        failed();
}

}

QString path()
{
    std::lock_guard<std::mutex> lock(mutex);
    return pathLocked();
}

void setFile(const QString &file)
{
    std::lock_guard<std::mutex> lock(mutex);
    chosenFile = file;
    failureReported = false;
}

void setFailureHandler(std::function<void(const QString &path, const QString &reason)> handler)
{
    std::lock_guard<std::mutex> lock(mutex);
    failureHandler = std::move(handler);
    failureReported = false;
}

QString headerLine(const QString &name)
{
    char stamp[128] = "";
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    const bool converted = localtime_s(&local, &now) == 0;
#else
    const bool converted = localtime_r(&now, &local) != nullptr;
#endif
    if (!converted || std::strftime(stamp, sizeof stamp, "%x %X", &local) == 0)
        stamp[0] = '\0';
    return QString::fromLocal8Bit(stamp) + QLatin1Char(' ') + name;
}

QString bytesLine(const char *prefix, const QByteArray &bytes)
{
    QString line = QString::fromLatin1(prefix);
    char pair[4];
    for (const char b : bytes) {
        std::snprintf(pair, sizeof pair, "%02X ", static_cast<unsigned char>(b));
        line += QLatin1String(pair);
    }
    return line;
}

void header(const QString &name, const QString &portTag) { appendLine(portTag, headerLine(name)); }
void written(const QByteArray &bytes, const QString &portTag) { appendLine(portTag, bytesLine("W: ", bytes)); }
void received(const QByteArray &bytes, const QString &portTag) { appendLine(portTag, bytesLine("R: ", bytes)); }

}
