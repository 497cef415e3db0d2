#include "UserMessages.h"

#include <QAtomicPointer>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

namespace user_messages {

static QAtomicPointer<Sink> g_sink;

Sink *setSink(Sink *sink)
{
    return g_sink.fetchAndStoreOrdered(sink);
}

void writeToStderr(const Message &message)
{
    QString line = message.text;
    line.replace(QLatin1String("\r\n"), QLatin1String(" ")).replace('\n', ' ');
    if (!message.caption.isEmpty())
        line = message.caption + QLatin1String(": ") + line;
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
}

static Answer firstAnswer(Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok:
    case Buttons::OkCancel:
        return Answer::Ok;
    case Buttons::YesNo:
    case Buttons::YesNoCancel:
        return Answer::Yes;
    }
    return Answer::Ok;
}

Answer show(const Message &message)
{
    if (Sink *sink = g_sink.loadAcquire())
        return sink->show(message);
    writeToStderr(message);
    return firstAnswer(message.buttons);
}

Answer show(const QString &text, Icon icon, Buttons buttons, const QString &caption)
{
    Message m;
    m.text = text;
    m.icon = icon;
    m.buttons = buttons;
    m.caption = caption;
    return show(m);
}

Answer showAboutFile(const QString &text, const QString &path, Icon icon, Buttons buttons)
{
    Message m;
    m.text = text;
    m.icon = icon;
    m.buttons = buttons;
    m.details = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    return show(m);
}

}
