#pragma once
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

namespace testing_support {

// A fresh, empty settings home (XDG_CONFIG_HOME), data folder (XDG_DATA_HOME,
// where block backups go) and working folder for one test; the previous
// values come back when it goes out of scope.
class ScopedTestHome
{
public:
    ScopedTestHome();
    ~ScopedTestHome();
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    QByteArray m_oldConfig;
    QByteArray m_oldData;
    QString m_oldCwd;
};

// Folder with the built programs, packs and sample catalogue.
QString binDir();
QString sourceDir();
QString fixturesDir();
// The real Access files; a clone without them still runs every other test.
QString accessFixturesDir();
QString accessFixture(const QString &name);

}

// Skips the running test (or data row) when the Access files are missing.
#define SKALERON_NEED_ACCESS_FIXTURES()                                                               \
    do {                                                                                              \
        if (!QFileInfo(testing_support::accessFixturesDir()).isDir())                                 \
            QSKIP(qPrintable(QStringLiteral("the Access fixtures are missing: no folder %1")          \
                                 .arg(testing_support::accessFixturesDir())));                        \
    } while (false)
