#include "base/Language.h"
#include "model/ProjectDocument.h"
#include "model/MasterTypeLookup.h"
#include "model/ProjectFile.h"
#include "base/RegularFile.h"
#include "common/FileSizeLimit.h"
#include "common/MessageRecorder.h"

#include <limits>
#include "common/TestEnv.h"
#include "common/TestRegistry.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSaveFile>
#include <QSysInfo>
#include <QSignalSpy>
#include <QTest>

using namespace testing_support;

namespace {

// Builds the bytes of a project file of any version with recognisable values.
QByteArray projectBytes(int version, int valueCount = -1)
{
    QByteArray bytes;
    QDataStream s(&bytes, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    s.setFloatingPointPrecision(QDataStream::DoublePrecision);
    s << qint32(version);
    const int count = valueCount >= 0 ? valueCount : (version >= 103 ? 14 : version == 102 ? 13 : version == 101 ? 12 : 11);
    if (count >= 1) s << qint32(1);        // DataSource
    if (count >= 2) s << 4200.5;           // KValue
    if (count >= 3) s << 75.0;             // WarnThreshold
    if (count >= 4) s << qint32(1);        // WarnMode
    if (count >= 5) s << qint32(2);        // DataSource2
    if (count >= 6) s << 12.5;             // MValue
    if (count >= 7) s << quint32(0x0874);  // DisplayMask
    if (count >= 8) s << 60.0;             // Illumination
    if (count >= 9) s << qint32(2);        // DistanceUnit
    if (count >= 10) s << qint32(1);       // TemperatureUnit
    if (count >= 11) s << qint32(1);       // TimeFormat
    if (count >= 12) s << qint32(1);       // DepthUnit
    if (count >= 13) s << qint32(17);      // MasterId
    if (count >= 14) s << qint32(1);       // BuzzerActive
    return bytes;
}

QString writeFile(const ScopedTestHome &home, const QString &name, const QByteArray &bytes)
{
    const QString path = home.filePath(name);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

class RecordingLookup : public MasterTypeLookup
{
public:
    QList<int> asked;
    MasterTypeInfo fetchById(int id) override
    {
        asked << id;
        MasterTypeInfo info;
        if (id == 17) {
            info.Found = true;
            info.SelectedId = 17;
            info.Description = "Speedometer with LCD";
            info.HasLcd = 1;
            info.Picture = QImage(10, 10, QImage::Format_RGB32);
        }
        return info;
    }
};

}

class ProjectFileTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        ScopedTestHome home;
        QVERIFY(Language::instance().loadStartupLanguage()); // English
    }

    void newProjectBytes()
    {
        const QByteArray bytes = project_file::serialize(ConfigRecord());
        QCOMPARE(bytes.size(), 76);
        QCOMPARE(bytes.left(4), QByteArray::fromHex("67000000"));
        // DisplayMask at offset 4+4+8+8+4+4+8 = 40, MasterId at 4+68-8 = 64.
        QCOMPARE(bytes.mid(40, 4), QByteArray::fromHex("ffff0000"));
        QCOMPARE(bytes.mid(68, 4), QByteArray::fromHex("ffffffff"));
        QCOMPARE(bytes.mid(72, 4), QByteArray::fromHex("00000000"));
    }

    void everyVersionLoadsAndSavesAs103_data()
    {
        QTest::addColumn<int>("version");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("depthUnit");
        QTest::addColumn<int>("masterId");
        QTest::addColumn<int>("buzzer");
        QTest::newRow("100") << 100 << 64 << 0 << -1 << 0;
        QTest::newRow("101") << 101 << 68 << 1 << -1 << 0;
        QTest::newRow("102") << 102 << 72 << 1 << 17 << 0;
        QTest::newRow("103") << 103 << 76 << 1 << 17 << 1;
    }
    void everyVersionLoadsAndSavesAs103()
    {
        QFETCH(int, version);
        QFETCH(int, size);
        QFETCH(int, depthUnit);
        QFETCH(int, masterId);
        QFETCH(int, buzzer);
        ScopedTestHome home;
        MessageRecorder recorder;
        const QByteArray original = projectBytes(version);
        QCOMPARE(original.size(), size);
        const QString path = writeFile(home, "p.rix", original);

        RecordingLookup lookup;
        ProjectDocument doc;
        doc.setMasterTypeLookup(&lookup);
        QVERIFY(doc.open(path));
        QCOMPARE(recorder.count(), 0);
        const ConfigRecord &c = doc.config();
        QCOMPARE(c.DataSource, 1);
        QCOMPARE(c.KValue, 4200.5);
        QCOMPARE(c.WarnThreshold, 75.0);
        QCOMPARE(c.WarnMode, 1);
        QCOMPARE(c.DataSource2, 2);
        QCOMPARE(c.MValue, 12.5);
        QCOMPARE(c.DisplayMask, 0x0874u);
        QCOMPARE(c.Illumination, 60.0);
        QCOMPARE(c.DistanceUnit, 2);
        QCOMPARE(c.TemperatureUnit, 1);
        QCOMPARE(c.TimeFormat, 1);
        QCOMPARE(c.DepthUnit, depthUnit);
        QCOMPARE(c.MasterId, masterId);
        QCOMPARE(c.BuzzerActive, buzzer);
        QCOMPARE(c.Description, masterId == 17 ? QString("Speedometer with LCD") : QString());
        QCOMPARE(lookup.asked, masterId == 17 ? QList<int>{17} : QList<int>{});
        QCOMPARE(doc.title(), QString("p.rix"));

        const QString saved = home.filePath("saved.rix");
        QVERIFY(doc.save(saved));
        const QByteArray bytes = readFile(saved);
        QCOMPARE(bytes.size(), 76);
        QCOMPARE(bytes.left(4), QByteArray::fromHex("67000000"));
        // The same values, with the defaults for what the old file did not carry.
        QCOMPARE(bytes.mid(4, size - 4), original.mid(4));

        ProjectDocument again;
        QVERIFY(again.open(saved));
        QCOMPARE(again.config().KValue, 4200.5);
        QCOMPARE(again.config().DepthUnit, depthUnit);
        QCOMPARE(again.config().BuzzerActive, buzzer);
    }

    // A file holding values no gauge can take opens, and says which.
    void damagedValuesAreSaidOnOpening()
    {
        ScopedTestHome home;
        MessageRecorder recorder;
        QByteArray bytes = projectBytes(103);
        QDataStream s(&bytes, QIODevice::ReadWrite);
        s.setByteOrder(QDataStream::LittleEndian);
        s.setFloatingPointPrecision(QDataStream::DoublePrecision);
        s.skipRawData(4);
        s << qint32(77) << std::numeric_limits<double>::quiet_NaN(); // DataSource, KValue
        const QString path = writeFile(home, "damaged.rix", bytes);
        RecordingLookup lookup;
        ProjectDocument doc;
        doc.setMasterTypeLookup(&lookup);
        QVERIFY(doc.open(path));
        QCOMPARE(recorder.texts(), QStringList{loadTranslatedString(5018).arg("damaged.rix", "DataSource 77, KValue nan")});
        QVERIFY(!doc.isModified());
        // The form hands in what it shows: the NaN it was given is no change.
        doc.commitChange([] { return QStringLiteral("Master"); });
        QCOMPARE(doc.undoStack()->count(), 0);
        QVERIFY(!doc.isModified());
    }

    // Save asks before it replaces a change another program made to the file
    // since it was opened or saved here (No keeps that change); a file as it
    // was is saved without a question.
    void saveAsksBeforeReplacingAnotherProgramsChange_data()
    {
        QTest::addColumn<bool>("changedElsewhere");
        QTest::addColumn<int>("answer");
        QTest::addColumn<double>("kept"); // the file's KValue afterwards
        QTest::newRow("file as it was") << false << int(user_messages::Answer::No) << 5000.0;
        QTest::newRow("changed elsewhere, kept") << true << int(user_messages::Answer::No) << 7000.0;
        QTest::newRow("changed elsewhere, replaced") << true << int(user_messages::Answer::Yes) << 5000.0;
    }
    void saveAsksBeforeReplacingAnotherProgramsChange()
    {
        QFETCH(bool, changedElsewhere);
        QFETCH(int, answer);
        QFETCH(double, kept);
        ScopedTestHome home;
        MessageRecorder recorder;
        recorder.setAnswer(user_messages::Answer(answer));
        const QString path = writeFile(home, "p.rix", projectBytes(103));
        ProjectDocument doc;
        QVERIFY(doc.open(path));
        QVERIFY(doc.save(path)); // saved here once: what it wrote is known too
        doc.config().KValue = 5000;
        if (changedElsewhere) {
            ConfigRecord other = doc.config();
            other.KValue = 7000;
            QVERIFY(project_file::writeFile(path, other, nullptr));
        }
        recorder.clear();
        QCOMPARE(doc.save(path), !changedElsewhere || answer == int(user_messages::Answer::Yes));
        QCOMPARE(recorder.texts(), changedElsewhere ? QStringList{loadTranslatedString(5019).arg("p.rix")} : QStringList());
        ConfigRecord onDisk;
        QCOMPARE(project_file::readFile(path, onDisk).status, project_file::ReadStatus::Ok);
        QCOMPARE(onDisk.KValue, kept);
    }

    // Whatever the reason, the open project stays as it was.
    void badFilesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("messagePart");
        QTest::newRow("empty") << QByteArray() << "only 0 bytes";
        QTest::newRow("two bytes") << QByteArray("\x67\x00", 2) << "only 2 bytes";
        QTest::newRow("version only") << projectBytes(103, 0) << "too few for a project of version 103";
        QTest::newRow("truncated 103") << projectBytes(103, 13) << "too few";
        QTest::newRow("truncated 100") << projectBytes(100).left(63) << "too few";
        QTest::newRow("oversized") << projectBytes(103) + QByteArray(100, 'x') << "is not a Skaleron project";
        QTest::newRow("version 104") << projectBytes(104, 14) << loadTranslatedString(1024) + " The file \"bad.rix\" has version 104";
        QTest::newRow("version 99") << projectBytes(99, 14) << loadTranslatedString(1024) + " The file \"bad.rix\" has version 99";
        QTest::newRow("random bytes") << QByteArray::fromHex("deadbeef0102030405060708") << "is not a Skaleron project file";
        QTest::newRow("text") << QByteArray("hello, this is not a project\n") << "is not a Skaleron project file";
    }
    void badFilesAreRefused()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, messagePart);
        ScopedTestHome home;
        MessageRecorder recorder;
        const QString current = writeFile(home, "current.rix", projectBytes(103));
        const QString bad = writeFile(home, "bad.rix", bytes);
        RecordingLookup lookup;
        ProjectDocument doc;
        doc.setMasterTypeLookup(&lookup);
        QVERIFY(doc.open(current));
        doc.setModified(true);

        QVERIFY(!doc.open(bad));
        QCOMPARE(recorder.count(), 1);
        const user_messages::Message message = recorder.messages().first();
        QVERIFY2(message.text.contains(messagePart), qPrintable(message.text));
        QVERIFY(message.text.contains("\"bad.rix\""));
        QCOMPARE(message.details, QDir::toNativeSeparators(bad));
        QCOMPARE(message.icon, user_messages::Icon::Error);
        QCOMPARE(doc.config().KValue, 4200.5);
        QCOMPARE(doc.config().Description, QString("Speedometer with LCD"));
        QCOMPARE(doc.filePath(), current);
        QVERIFY(doc.isModified());
        QCOMPARE(readFile(bad), bytes); // never damaged
    }

    void missingFileNamesTheFile()
    {
        ScopedTestHome home;
        MessageRecorder recorder;
        ProjectDocument doc;
        QVERIFY(!doc.open(home.filePath("nowhere.rix")));
        QVERIFY(recorder.texts().first().contains("nowhere.rix"));
    }

    void failedCommitWritesNothing()
    {
        ScopedTestHome home;
        MessageRecorder recorder;
        const QString path = writeFile(home, "keep.rix", projectBytes(101));
        ProjectDocument doc;
        doc.setCommitHook([](ProjectDocument::CommitPurpose) { return false; });
        QVERIFY(!doc.save(path));
        QCOMPARE(readFile(path), projectBytes(101));
        doc.setCommitHook([](ProjectDocument::CommitPurpose) { return true; });
        QVERIFY(doc.save(path));
        QCOMPARE(readFile(path).size(), 76);
    }

    // A disk that takes only part of the bytes (here a file-size limit, as
    // a full disk): the old file stays, not an empty or cut-off one, and the
    // system's reason is told. A project goes out at the flush; a file larger
    // than the write buffer (a sheet) is written directly.
    void fullDiskKeepsPreviousFile_data()
    {
        QTest::addColumn<int>("size"); // 0: a project
        QTest::newRow("project") << 0;
        QTest::newRow("large file") << 65536;
    }
    void fullDiskKeepsPreviousFile()
    {
#ifdef Q_OS_UNIX
        QFETCH(int, size);
        ScopedTestHome home;
        const QString path = writeFile(home, "keep.rix", projectBytes(101));
        FileSizeLimit full(40);
        QVERIFY(full.isSet());
        QString error;
        bool written = false;
        if (size == 0) {
            written = project_file::writeLockedFile(path, ConfigRecord(), &error);
        } else {
            QSaveFile file(path);
            written = file.open(QIODevice::WriteOnly) && regular_file::commitWhole(file, QByteArray(size, 'x'));
            error = file.errorString();
        }
        full.lift();
        QVERIFY(!written);
        QVERIFY2(error.contains("too large"), qPrintable(error)); // EFBIG, as ENOSPC on a full disk
        QCOMPARE(readFile(path), projectBytes(101));
#else
        QSKIP("file-size limits are a Unix facility");
#endif
    }

    void failedWriteKeepsPreviousFile()
    {
        ScopedTestHome home;
        MessageRecorder recorder;
        ProjectDocument doc;
        QVERIFY(!doc.save(home.filePath("no-such-folder/p.rix")));
        QCOMPARE(recorder.count(), 1);
        QVERIFY(recorder.texts().first().contains("p.rix"));
        QVERIFY(doc.filePath().isEmpty());
    }

    // The desktop program's save takes the lock the command-line tool's
    // read-modify-write holds; a lock whose program is gone is taken over.
    void saveWaitsForTheFilesLock()
    {
        ScopedTestHome home;
        MessageRecorder recorder;
        const QString path = writeFile(home, "held.rix", projectBytes(101));
        ProjectDocument doc;
        {
            QLockFile other(path + ".lock");
            QVERIFY(other.tryLock(0));
            QVERIFY(!doc.save(path));
            QCOMPARE(readFile(path), projectBytes(101));
            QVERIFY2(recorder.texts().value(0).contains("another program"), qPrintable(recorder.texts().value(0)));
        }
        QFile stale(path + ".lock");
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write("999999\nskaleron\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        stale.close();
        QVERIFY(doc.save(path));
        QCOMPARE(readFile(path).size(), 76);
    }

    void newDocumentResetsAndSignals()
    {
        ProjectDocument doc;
        QSignalSpy started(&doc, &ProjectDocument::newDocumentStarted);
        QSignalSpy reloaded(&doc, &ProjectDocument::recordReloaded);
        doc.config().MasterId = 3;
        doc.config().OrderNumber = "SK-TA85-30H";
        doc.config().Description = "Tachometer";
        doc.config().HasLcd = 1;
        doc.config().FirmwareVersion = {0x42, 1};
        doc.setModified();
        QVERIFY(doc.newProject());
        QCOMPARE(doc.config().MasterId, -1);
        // No trace of the last project's master type: the project page shows it.
        QVERIFY(doc.config().OrderNumber.isEmpty());
        QVERIFY(doc.config().Description.isEmpty());
        QCOMPARE(doc.config().HasLcd, 0);
        QCOMPARE(doc.config().FirmwareVersion[0], uint8_t(0x42)); // kept until a gauge is read
        QVERIFY(!doc.isModified());
        QCOMPARE(started.count(), 1);
        QCOMPARE(reloaded.count(), 1);
    }

    void inputIndexFromTreeItem()
    {
        ProjectDocument doc;
        doc.setSelectedTreeItem(301);
        QCOMPARE(doc.inputIndex(), 1);
    }
};

SKALERON_TEST(ProjectFileTest)
#include "ProjectFileTest.moc"
