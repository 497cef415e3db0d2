#include "Utility.h"

#include "UserMessages.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

double roundTo(double value, int places)
{
    places = std::abs(places);
    double factor = 1.0;
    for (int i = 0; i < places; ++i)
        factor *= 10.0;
    return std::floor(value * factor + 0.5) / factor;
}

int lastSystemError()
{
#ifdef Q_OS_WIN
    return static_cast<int>(GetLastError());
#else
    return errno;
#endif
}

QString systemErrorText(int code)
{
#ifdef Q_OS_WIN
    LPSTR buffer = nullptr;
    FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM, nullptr, static_cast<DWORD>(code),
                   0x0400, reinterpret_cast<LPSTR>(&buffer), 0, nullptr);
    const QString text = buffer ? QString::fromLocal8Bit(buffer).trimmed() : QString();
    LocalFree(buffer);
    return text;
#else
    return QString::fromLocal8Bit(std::strerror(code));
#endif
}

void showSystemError(int code)
{
    user_messages::show(systemErrorText(code), user_messages::Icon::None, user_messages::Buttons::Ok,
                        QStringLiteral("Error"));
}

void showLastError()
{
    showSystemError(lastSystemError());
}
