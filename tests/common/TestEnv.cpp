#include "TestEnv.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>

namespace testing_support {

ScopedTestHome::ScopedTestHome()
    : m_oldConfig(qgetenv("XDG_CONFIG_HOME"))
    , m_oldData(qgetenv("XDG_DATA_HOME"))
    , m_oldCwd(QDir::currentPath())
{
    qputenv("XDG_CONFIG_HOME", m_dir.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", m_dir.filePath(QStringLiteral("data")).toLocal8Bit());
    // QSettings caches its folders at first use; point it at the new home.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
    QDir::setCurrent(m_dir.path());
}

ScopedTestHome::~ScopedTestHome()
{
    QDir::setCurrent(m_oldCwd);
    qputenv("XDG_CONFIG_HOME", m_oldConfig);
    if (m_oldData.isNull())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", m_oldData);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromLocal8Bit(m_oldConfig));
}

static QString fromEnv(const char *name, const QString &fallback)
{
    const QByteArray v = qgetenv(name);
    return v.isEmpty() ? fallback : QString::fromLocal8Bit(v);
}

QString binDir() { return fromEnv("SKALERON_BIN_DIR", QCoreApplication::applicationDirPath()); }
QString sourceDir() { return fromEnv("SKALERON_SOURCE_DIR", QDir::currentPath()); }
QString fixturesDir() { return fromEnv("SKALERON_FIXTURES", sourceDir() + "/../shared/fixtures"); }
QString accessFixturesDir() { return fixturesDir() + "/access"; }
QString accessFixture(const QString &name) { return accessFixturesDir() + "/" + name; }

}
