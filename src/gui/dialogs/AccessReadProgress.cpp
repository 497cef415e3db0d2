#include "AccessReadProgress.h"

#include "base/Language.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QProcess>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>

AccessReadProgress::AccessReadProgress()
    : m_previous(access_reader::setWaiter(this))
{
}

AccessReadProgress::~AccessReadProgress()
{
    access_reader::setWaiter(m_previous);
}

void AccessReadProgress::wait(QProcess &reader, int limitMs, const QString &path)
{
    // Off the user interface thread nothing needs to stay alive.
    if (QThread::currentThread() != qApp->thread()) {
        reader.waitForFinished(limitMs);
        return;
    }
    QEventLoop loop;
    QObject::connect(&reader, &QProcess::finished, &loop, &QEventLoop::quit);
    QTimer limit;
    limit.setSingleShot(true);
    limit.setTimerType(Qt::PreciseTimer);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);

    // A busy bar without a Cancel button: the time limit ends the wait.
    QProgressDialog busy(loadTranslatedString(5213).arg(QDir::toNativeSeparators(path)), QString(), 0, 0,
                         QApplication::activeWindow());
    busy.setObjectName(QStringLiteral("accessReadProgress"));
    busy.setWindowModality(Qt::ApplicationModal);
    // The first value starts the dialog's clock: it shows itself once the
    // read has taken ShowAfterMs.
    busy.setMinimumDuration(ShowAfterMs);
    busy.setValue(0);

    limit.start(limitMs);
    if (reader.state() != QProcess::NotRunning)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
}
