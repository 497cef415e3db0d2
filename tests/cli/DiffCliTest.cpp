// skaleron-cli diff: two projects compared as the master overview shows them.
#include "common/TestEnv.h"
#include "common/TestRegistry.h"
#include "model/ProjectFile.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

using namespace testing_support;

namespace {

struct Run
{
    int status;
    QByteArray out;
    QByteArray err;
};

Run diff(const QStringList &args)
{
    QProcess p;
    p.start(binDir() + "/skaleron-cli",
            QStringList{"diff", "--catalogue", binDir() + "/skaleron-catalogue.sqlite"} + args);
    p.waitForFinished(20000);
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

// A project of the master type with one setting changed by change.
QString project(const QString &path, int masterId, const std::function<void(ConfigRecord &)> &change)
{
    ConfigRecord cfg;
    cfg.MasterId = masterId;
    cfg.KValue = 100;
    change(cfg);
    QString error;
    if (!project_file::writeFile(path, cfg, &error))
        qFatal("%s", qPrintable(error));
    return path;
}

// The same values as a version 100 file: the fields that version lacks are
// left at their defaults.
QString version100(const QString &path)
{
    ConfigRecord cfg;
    cfg.KValue = 100;
    QByteArray bytes = project_file::serialize(cfg).left(project_file::fileSize(100));
    bytes[0] = char(100);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

}

class DiffCliTest : public QObject
{
    Q_OBJECT
private slots:
    void exitStatus_data()
    {
        QTest::addColumn<QString>("second");
        QTest::addColumn<int>("status");
        QTest::newRow("the same project") << "same" << 0;
        QTest::newRow("versions 100 and 103 holding the same values") << "v100" << 0;
        // Master type 8 is a tachometer with LCD: it shows engine hours, not
        // the odometer. Type 6 has an LCD too, but its gauge (block family)
        // holds none of the display settings.
        QTest::newRow("an LCD item the tachometer does not use") << "odometer" << 0;
        QTest::newRow("an LCD item the tachometer uses") << "engine hours" << 1;
        QTest::newRow("an LCD item a block gauge does not hold") << "block engine hours" << 0;
        QTest::newRow("a file that is not a project") << "text" << 2;
        QTest::newRow("a missing file") << "missing" << 2;
    }
    void exitStatus()
    {
        QFETCH(QString, second);
        QFETCH(int, status);
        ScopedTestHome home;
        const bool plain = second == QLatin1String("v100");
        const int master = second == QLatin1String("block engine hours") ? 6 : 8;
        const QString first =
            project(home.filePath("a.rix"), plain ? -1 : master, [](ConfigRecord &) {});
        QString other = home.filePath("b.rix");
        if (second == QLatin1String("same"))
            project(other, master, [](ConfigRecord &) {});
        else if (second == QLatin1String("v100"))
            version100(other);
        else if (second == QLatin1String("odometer"))
            project(other, master, [](ConfigRecord &c) { c.setDisplayBit(display_bits::OdoTotal, false); });
        else if (second.endsWith(QLatin1String("engine hours")))
            project(other, master, [](ConfigRecord &c) { c.setDisplayBit(display_bits::EngineHours, false); });
        else if (second == QLatin1String("text")) {
            QFile f(other);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("not a project\n");
        }
        const Run run = diff({first, other});
        QVERIFY2(run.status == status, run.err.constData());
        QCOMPARE(run.out.isEmpty(), status != 1);
        QCOMPARE(run.err.isEmpty(), status != 2);
    }

    // Stored names, the form's labels, values as the form shows them; two
    // thresholds the form shows alike are given in full.
    void jsonNamesLabelsAndFormValues()
    {
        ScopedTestHome home;
        const QString a = project(home.filePath("a.rix"), 1, [](ConfigRecord &c) {
            c.WarnThreshold = 99.6;
            c.Illumination = 30;
        });
        const QString b = project(home.filePath("b.rix"), 1, [](ConfigRecord &c) {
            c.KValue = 1500;
            c.WarnThreshold = 100.2;
            c.DataSource = 1;
            c.Illumination = 30;
            c.TemperatureUnit = 1; // a speedometer offers no temperature unit
        });
        const Run run = diff({"--json", a, b});
        QCOMPARE(run.status, 1);
        QCOMPARE(QJsonDocument::fromJson(run.out).object(),
                 QJsonDocument::fromJson(
                     R"j({"Same":false,"Differences":[)j"
                     R"j({"Field":"DataSource","Label":"Data source","A":"Speedo (Frequency)","B":"Speedo (NMEA)"},)j"
                     R"j({"Field":"KValue","Label":"Pulse factor","A":"100","B":"1500"},)j"
                     R"j({"Field":"WarnThreshold","Label":"Warning threshold","A":"99.6","B":"100.2"}]})j")
                     .object());
    }
};

SKALERON_TEST(DiffCliTest)
#include "DiffCliTest.moc"
