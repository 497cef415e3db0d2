#include "RecoveryCopy.h"

#include "base/Language.h"
#include "base/LocalDates.h"
#include "base/UserMessages.h"
#include "CalibrationNotes.h"
#include "ProjectDocument.h"
#include "ProjectFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <signal.h>
#endif

namespace {

constexpr int DefaultIntervalMs = 30000;
const QString Group = QStringLiteral("Recovery");

// The notes beside a copy: the project's own file, what that file held then
// and when it was copied.
QString notesOf(const QString &copy)
{
    return copy.left(copy.size() - 4) + QStringLiteral(".ini");
}

QByteArray procEntry(const QString &pid, const char *entry)
{
    QFile file(QStringLiteral("/proc/%1/%2").arg(pid, QLatin1String(entry)));
    return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray();
}

// Whether the program that wrote a copy still runs: a process of that number
// that is this program (not one that took the number over later) and not
// just a dead process nobody has reaped yet.
bool running(qint64 pid)
{
    if (pid == QCoreApplication::applicationPid())
        return true;
#ifdef Q_OS_UNIX
    if (pid <= 0 || ::kill(pid_t(pid), 0) != 0)
        return false;
    const QString number = QString::number(pid);
    const QByteArray stat = procEntry(number, "stat");
    const int state = stat.lastIndexOf(')') + 2; // "pid (name) S ..."
    if (state > 1 && state < stat.size() && stat.at(state) == 'Z')
        return false;
    const QByteArray name = procEntry(number, "comm");
    return name.isEmpty() || name == procEntry(QStringLiteral("self"), "comm");
#else
    Q_UNUSED(pid);
    return false;
#endif
}

}

RecoveryCopy::RecoveryCopy(ProjectDocument *document, QObject *parent)
    : QObject(parent)
    , m_document(document)
{
    m_timer.setInterval(DefaultIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &RecoveryCopy::update);
    // Saved or discarded, the project needs no copy any more, unless
    // calibration values are in no table file yet (the project file has no
    // place for them).
    connect(document, &ProjectDocument::modifiedChanged, this, [this](bool modified) {
        if (!modified)
            refresh();
    });
    connect(document, &ProjectDocument::recordReloaded, this, &RecoveryCopy::refresh);
    m_timer.start();
}

RecoveryCopy::~RecoveryCopy()
{
    if (!m_kept)
        remove();
}

void RecoveryCopy::keepForNextStart()
{
    update();
    m_kept = true;
    m_timer.stop();
}

QString RecoveryCopy::folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
           + QStringLiteral("/Veltrona/skaleron/recovery");
}

QString RecoveryCopy::copyPath() const
{
    return QDir(folder()).filePath(QStringLiteral("recovery-%1.rix").arg(QCoreApplication::applicationPid()));
}

void RecoveryCopy::update()
{
    // What the form holds but has not handed in yet is part of the work; an
    // entry it would refuse stays out.
    m_document->commitEditorQuietly();
    refresh();
}

void RecoveryCopy::refresh()
{
    if (!m_document->isModified() && m_document->unkeptCalibrations().isEmpty()) {
        remove();
        return;
    }
    if (!QDir().mkpath(folder()))
        return;
    const QString copy = copyPath();
    QString error;
    if (!project_file::writeFile(copy, m_document->config(), &error))
        return;
    QSettings notes(notesOf(copy), QSettings::IniFormat);
    notes.setValue(Group + QStringLiteral("/path"), m_document->filePath());
    notes.setValue(Group + QStringLiteral("/file"), m_document->fileBytesSeen());
    notes.setValue(Group + QStringLiteral("/saved"), QDateTime::currentDateTime());
    calibration_notes::Calibrations calibrations;
    for (int input = 0; input < ProjectDocument::InputCount; ++input)
        calibrations[size_t(input)] = *m_document->calibration(input);
    calibration_notes::write(notes, calibrations);
    notes.sync();
}

void RecoveryCopy::remove()
{
    const QString copy = copyPath();
    QFile::remove(copy);
    QFile::remove(notesOf(copy));
}

bool RecoveryCopy::offerLeftOver()
{
    // The newest copy of a program that no longer runs.
    QString copy;
    QDateTime newest;
    const QFileInfoList files = QDir(folder()).entryInfoList({QStringLiteral("recovery-*.rix")}, QDir::Files);
    for (const QFileInfo &file : files) {
        const qint64 pid = file.completeBaseName().section(QLatin1Char('-'), 1).toLongLong();
        if (running(pid))
            continue;
        if (copy.isEmpty() || file.lastModified() > newest) {
            copy = file.absoluteFilePath();
            newest = file.lastModified();
        }
    }
    if (copy.isEmpty())
        return false;

    const QSettings notes(notesOf(copy), QSettings::IniFormat);
    const QString original = notes.value(Group + QStringLiteral("/path")).toString();
    const QDateTime saved = notes.value(Group + QStringLiteral("/saved"), newest).toDateTime();
    const QString name = original.isEmpty() ? loadTranslatedString(61443) : QFileInfo(original).fileName();
    const QString question = loadTranslatedString(5008).arg(
        name, local_dates::dateTime(saved));
    const bool restore = (original.isEmpty() ? user_messages::show(question, user_messages::Icon::Question,
                                                                   user_messages::Buttons::YesNo)
                                             : user_messages::showAboutFile(question, original, user_messages::Icon::Question,
                                                                            user_messages::Buttons::YesNo))
                         == user_messages::Answer::Yes;
    // A change another program made to the file meanwhile is asked about at
    // Save, as without the crash.
    const bool restored = restore
                          && m_document->onRecoverDocument(copy, original,
                                                           notes.value(Group + QStringLiteral("/file")).toByteArray(),
                                                           calibration_notes::read(notes));
    // A copy that was taken (or refused) is not offered again; one that
    // could not be read stays for another try.
    if (!restore || restored) {
        QFile::remove(copy);
        QFile::remove(notesOf(copy));
    }
    if (restored)
        update();
    return restored;
}
