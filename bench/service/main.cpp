// Service bench benchmark:
//  - finding the gauge: a probe of 8 ports where nothing answers (target:
//    at most 1.5 s, the ports tried side by side);
//  - many gauges at once: writing 1, 8 and 32 gauges simulated by
//    skaleron-sim at wire speed (one pseudo-terminal and process each), on
//    local ports and through a ser2net on 127.0.0.1 (rfc2217://), for each
//    link family (target: 32 gauges at most 1.1 x one).
// Each figure is the best of several runs (the machine is shared). Runs in
// the current folder (the traffic trace goes there) and exits 1 when a
// target is missed; without ser2net its figures are skipped, naming it.
#include "PtyGaugeServer.h"
#include "link/GaugeBatch.h"
#include "link/GaugeProbe.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int ProbePorts = 8;
constexpr int Counts[] = {1, 8, 32};
constexpr int MostGauges = 32;
constexpr double Target = 1.1;

double bestSeconds(int runs, const std::function<bool()> &run, bool &ok)
{
    double best = 1e9;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        ok = run() && ok;
        best = std::min(best, t.nsecsElapsed() / 1e9);
    }
    return best;
}

bool probeSilentPorts(double &seconds)
{
    std::vector<std::unique_ptr<PtyGaugeServer>> servers;
    QStringList ports;
    for (int i = 0; i < ProbePorts; ++i) {
        GaugeSimConfig config;
        SimFault silence;
        silence.command = QStringLiteral("any");
        config.faults << silence;
        servers.push_back(std::make_unique<PtyGaugeServer>(config));
        QString error;
        if (!servers.back()->start(&error)) {
            std::fprintf(stderr, "simulator: %s\n", qPrintable(error));
            return false;
        }
        ports << servers.back()->devicePath();
    }
    bool ok = true;
    seconds = bestSeconds(3, [&] {
        const QVector<ProbeResult> results = probePorts(ports);
        return std::all_of(results.begin(), results.end(),
                           [](const ProbeResult &r) { return r.status == ProbeStatus::Silent; });
    }, ok);
    return ok;
}

// A ser2net on 127.0.0.1 with MostGauges rfc2217 ports (scripts/ser2net-server),
// stopped when this goes away.
class Ser2net
{
public:
    Ser2net()
    {
        m_script = QStringLiteral(SKALERON_SOURCE_DIR "/scripts/ser2net-server");
        QProcess::execute(m_script, {"start", m_dir.path() + "/s", QString::number(MostGauges)});
        QFile skip(m_dir.path() + "/s/skip");
        if (skip.open(QIODevice::ReadOnly)) {
            missing = QString::fromUtf8(skip.readAll()).trimmed();
            return;
        }
        QFile ports(m_dir.path() + "/s/ports");
        if (!ports.open(QIODevice::ReadOnly | QIODevice::Text)) {
            missing = QStringLiteral("scripts/ser2net-server did not run");
            return;
        }
        for (const QString &line : QString::fromUtf8(ports.readAll()).split('\n')) {
            const QStringList parts = line.split(' ');
            if (parts.size() == 2 && parts[0].startsWith("gauge"))
                addresses << QStringLiteral("rfc2217://127.0.0.1:%1").arg(parts[1]);
        }
    }
    ~Ser2net() { QProcess::execute(m_script, {"stop", m_dir.path() + "/s"}); }
    // The device name of gauge k (from 1) behind the server.
    QString device(int k) const { return m_dir.path() + QStringLiteral("/s/gauge%1").arg(k); }

    QString missing;
    QStringList addresses;

private:
    QTemporaryDir m_dir;
    QString m_script;
};

// skaleron-sim processes at wire speed, one pseudo-terminal each; behind
// ser2net when given (the gauge then hears only its family's speed).
class SimProcesses
{
public:
    SimProcesses(const QString &family, int count, const Ser2net *server)
    {
        const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/skaleron-sim");
        for (int i = 0; i < count; ++i) {
            QStringList args{"--family", family, "--wire-speed"};
            if (server)
                args << "--link" << server->device(i + 1) << "--require-baud"
                     << (family == QLatin1String("block") ? "19200" : "4800");
            auto p = std::make_unique<QProcess>();
            p->start(program, args);
            if (!p->waitForStarted() || !p->waitForReadyRead(5000)) {
                std::fprintf(stderr, "skaleron-sim did not start\n");
                return;
            }
            const QString device = QString::fromLocal8Bit(p->readLine()).trimmed();
            ports << (server ? server->addresses.value(i) : device);
            m_processes.push_back(std::move(p));
        }
    }
    ~SimProcesses()
    {
        for (auto &p : m_processes) {
            p->terminate();
            p->waitForFinished(5000);
        }
    }
    QStringList ports;

private:
    std::vector<std::unique_ptr<QProcess>> m_processes;
};

// Seconds to write the first 1, 8 and 32 gauges.
bool writeMany(const char *family, const ConfigRecord &cfg, const LinkOptions &options, const Ser2net *server,
               std::vector<double> &seconds)
{
    SimProcesses sims(QString::fromLatin1(family), MostGauges, server);
    if (sims.ports.size() != MostGauges)
        return false;
    const auto write = [&](const QStringList &ports) {
        const QVector<BatchPortResult> results = runBatch(BatchOperation::Write, ports, cfg, options);
        for (const BatchPortResult &r : results) {
            if (!r.outcome.success) {
                std::fprintf(stderr, "  %s: %s %s\n", qPrintable(r.port), qPrintable(r.message), qPrintable(r.outcome.detail));
                return false;
            }
        }
        return true;
    };
    bool ok = write(sims.ports); // warm-up
    for (const int count : Counts)
        seconds.push_back(bestSeconds(3, [&] { return write(sims.ports.mid(0, count)); }, ok));
    return ok;
}

}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    bool allOk = true;

    double probe = 0;
    const bool probed = probeSilentPorts(probe);
    const bool probePass = probed && probe <= 1.5;
    allOk = allOk && probePass;
    std::printf("Probe of %d silent ports (target: at most 1.5 s)\n  %.3f s  %s\n", ProbePorts, probe,
                probePass ? "ok" : "MISSED");

    QTemporaryDir backups;
    LinkOptions options;
    options.backupFolder = backups.path();
    ConfigRecord blockGauge;
    blockGauge.Description = QStringLiteral("Tachometer");
    blockGauge.KValue = 12.5;
    ConfigRecord registerGauge;
    registerGauge.Description = QStringLiteral("Speedometer");
    registerGauge.KValue = 7000;

    const Ser2net ser2net;
    std::printf("Writing 1, 8 and %d gauges at wire speed (target: %d gauges at most %.1f x one)\n", MostGauges,
                MostGauges, Target);
    const struct
    {
        const char *family;
        const ConfigRecord &cfg;
    } families[] = {{"block", blockGauge}, {"register", registerGauge}};
    for (const Ser2net *server : {static_cast<const Ser2net *>(nullptr), &ser2net}) {
        const char *route = server ? "ser2net" : "local";
        if (server && !server->missing.isEmpty()) {
            std::printf("  through ser2net: skipped (%s)\n", qPrintable(server->missing));
            continue;
        }
        for (const auto &f : families) {
            std::vector<double> s;
            const bool ok = writeMany(f.family, f.cfg, options, server, s);
            const double ratio = ok ? s.back() / s.front() : 0;
            const bool pass = ok && ratio <= Target;
            allOk = allOk && pass;
            if (!ok) {
                std::printf("  %-7s %-8s a write failed  MISSED\n", route, f.family);
                continue;
            }
            std::printf("  %-7s %-8s 1: %6.3f s  8: %6.3f s  %d: %6.3f s = %.3f x  %s\n", route, f.family, s[0], s[1],
                        MostGauges, s[2], ratio, pass ? "ok" : "MISSED");
        }
    }
    return allOk ? 0 : 1;
}
