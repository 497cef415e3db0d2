#include "common/PackFolder.h"

#include "app/ShellIntegration.h"
#include "common/TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace testing_support;

namespace {

// Points the user's data folder at a fresh temporary folder.
struct ScopedDataHome
{
    QTemporaryDir dir;
    QByteArray oldData = qgetenv("XDG_DATA_HOME");
    ScopedDataHome() { qputenv("XDG_DATA_HOME", dir.path().toLocal8Bit()); }
    ~ScopedDataHome() { qputenv("XDG_DATA_HOME", oldData); }
};

QString readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

}

class ShellIntegrationTest : public QObject
{
    Q_OBJECT
private slots:
    void registerWritesTheUsersFiles()
    {
        ScopedTestHome home;
        PackFolder packs;
        ScopedDataHome data;
        const auto outcome = shell_integration::registerForUser("/opt/skaleron/bin/skaleron");
        QVERIFY2(outcome.ok, qPrintable(outcome.notes.join('\n')));

        const QString entryPath = data.dir.filePath("applications/skaleron.desktop");
        QCOMPARE(shell_integration::desktopEntryPath(), entryPath);
        QSettings entry(entryPath, QSettings::IniFormat);
        entry.beginGroup("Desktop Entry");
        QCOMPARE(entry.value("Type").toString(), QString("Application"));
        QCOMPARE(entry.value("Exec").toString(), QString("/opt/skaleron/bin/skaleron %f"));
        // (read as text: the settings reader takes ";" for a comment)
        QVERIFY(readAll(entryPath).split('\n').contains("MimeType=application/x-skaleron-project;"));

        const QString mime = readAll(data.dir.filePath("mime/packages/skaleron.xml"));
        QVERIFY(mime.contains("<mime-type type=\"application/x-skaleron-project\">"));
        QVERIFY(mime.contains("<glob pattern=\"*.rix\"/>"));
        QVERIFY(mime.contains("<comment>Skaleron Document</comment>"));

        for (const QString &icon : shell_integration::iconPaths()) {
            QVERIFY(icon.startsWith(data.dir.path()));
            QCOMPARE(QImage(icon).size(), QSize(256, 256));
        }
        if (!QStandardPaths::findExecutable("update-mime-database").isEmpty())
            QVERIFY(QFile::exists(data.dir.filePath("mime/application/x-skaleron-project.xml")));
        QVERIFY(outcome.notes.first().contains(entryPath));
    }

    void unregisterRemovesThemAndMayRunTwice()
    {
        ScopedTestHome home;
        PackFolder packs;
        ScopedDataHome data;
        QVERIFY(shell_integration::registerForUser("/usr/bin/skaleron").ok);
        auto outcome = shell_integration::unregisterForUser();
        QVERIFY2(outcome.ok, qPrintable(outcome.notes.join('\n')));
        QVERIFY(!QFile::exists(shell_integration::desktopEntryPath()));
        QVERIFY(!QFile::exists(shell_integration::mimePackagePath()));
        for (const QString &icon : shell_integration::iconPaths())
            QVERIFY(!QFile::exists(icon));
        if (!QStandardPaths::findExecutable("update-mime-database").isEmpty())
            QVERIFY(!QFile::exists(data.dir.filePath("mime/application/x-skaleron-project.xml")));
        outcome = shell_integration::unregisterForUser();
        QVERIFY(outcome.ok);
    }

    void withoutXdgDataHomeTheHomeFolderIsUsed()
    {
        QTemporaryDir fakeHome;
        const QByteArray oldHome = qgetenv("HOME");
        const QByteArray oldData = qgetenv("XDG_DATA_HOME");
        qputenv("HOME", fakeHome.path().toLocal8Bit());
        qunsetenv("XDG_DATA_HOME");
        const QString path = shell_integration::mimePackagePath();
        qputenv("HOME", oldHome);
        qputenv("XDG_DATA_HOME", oldData);
        QCOMPARE(path, fakeHome.path() + "/.local/share/mime/packages/skaleron.xml");
    }

    void execLineQuotesProgramPaths_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("exec");
        QTest::newRow("plain") << "/usr/bin/skaleron" << "Exec=/usr/bin/skaleron %f";
        QTest::newRow("blank") << "/home/a b/skaleron" << "Exec=\"/home/a b/skaleron\" %f";
        QTest::newRow("dollar and quote") << "/x/$y\"z" << "Exec=\"/x/\\\\$y\\\\\"z\" %f";
        QTest::newRow("percent") << "/x/100%/skaleron" << "Exec=/x/100%%/skaleron %f";
    }
    void execLineQuotesProgramPaths()
    {
        QFETCH(QString, program);
        QFETCH(QString, exec);
        const QStringList lines = shell_integration::desktopEntryText(program).split('\n');
        QVERIFY2(lines.contains(exec), qPrintable(lines.join('\n')));
        QCOMPARE(lines.filter(QRegularExpression("^Exec=")).size(), 1);
    }

    void unwritableFolderIsReportedNotFatal()
    {
        ScopedTestHome home;
        PackFolder packs;
        QTemporaryDir dir;
        QFile blocker(dir.filePath("data"));
        QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
        blocker.close();
        const QByteArray oldData = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", dir.filePath("data").toLocal8Bit());
        const auto outcome = shell_integration::registerForUser("/usr/bin/skaleron");
        qputenv("XDG_DATA_HOME", oldData);
        QVERIFY(!outcome.ok);
        QVERIFY(!outcome.notes.isEmpty());
        QVERIFY2(outcome.notes.first().contains("skaleron.desktop could not be written"),
                 qPrintable(outcome.notes.join('\n')));
    }
};

SKALERON_TEST(ShellIntegrationTest)
#include "ShellIntegrationTest.moc"
