// The programs find their packs, sample catalogue, manual and the Access
// reader both in the build tree (all beside the program) and installed under
// any root (bin/ with ../share/skaleron and ../libexec/skaleron).
#include "base/InstallLayout.h"
#include "common/TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class InstallLayoutTest : public QObject
{
    Q_OBJECT
private slots:
    void filesAreFoundFromTheProgramsFolder_data()
    {
        QTest::addColumn<QStringList>("files");       // made under a scratch root
        QTest::addColumn<QString>("programFolder");
        QTest::addColumn<QString>("dataFolder");
        QTest::addColumn<QString>("reader");
        const QString reader = "skaleron-access-reader";
        QTest::newRow("build tree")
            << QStringList{"build/bin/skaleron", "build/bin/vorn_eng32.qm", "build/bin/" + reader}
            << "build/bin" << "build/bin/" << "build/bin/" + reader;
        QTest::newRow("installed")
            << QStringList{"usr/bin/skaleron", "usr/share/skaleron/vorn_eng32.qm",
                           "usr/libexec/skaleron/" + reader}
            << "usr/bin" << "usr/share/skaleron/" << "usr/libexec/skaleron/" + reader;
        QTest::newRow("installed, program folder written with a trailing separator")
            << QStringList{"opt/x/bin/skaleron", "opt/x/share/skaleron/vorn_eng32.qm",
                           "opt/x/libexec/skaleron/" + reader}
            << "opt/x/bin/" << "opt/x/share/skaleron/" << "opt/x/libexec/skaleron/" + reader;
        // Another program's share/ folder beside bin/ is not ours.
        QTest::newRow("build tree beside a foreign share folder")
            << QStringList{"b/bin/skaleron", "b/bin/vorn_eng32.qm", "b/share/other/x", "b/bin/" + reader}
            << "b/bin" << "b/bin/" << "b/bin/" + reader;
    }
    void filesAreFoundFromTheProgramsFolder()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, programFolder);
        QFETCH(QString, dataFolder);
        QFETCH(QString, reader);
        QTemporaryDir root;
        for (const QString &file : files) {
            QVERIFY(QDir(root.path()).mkpath(QFileInfo(file).path()));
            QFile f(root.filePath(file));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        const QString program = root.filePath(programFolder);
        QCOMPARE(install_layout::dataFolderFor(program), root.filePath(dataFolder));
        QCOMPARE(install_layout::helperProgramFor(program, "skaleron-access-reader"), root.filePath(reader));
    }
};

SKALERON_TEST(InstallLayoutTest)
#include "InstallLayoutTest.moc"
