// Service bench benchmark:
//  - finding the gauge: a probe of 8 ports where nothing answers (target:
//    at most 1.5 s, the ports tried side by side);
//  - many gauges at once: writing 8 gauges simulated by skaleron-sim at wire
//    speed (one pseudo-terminal and process each) against writing one
//    (target: at most 1.3 x), for each link family.
// Each figure is the best of several runs (the machine is shared). Runs in
// the current folder (the traffic trace goes there) and exits 1 when a
// target is missed.
#include "PtyGaugeServer.h"
#include "link/GaugeBatch.h"
#include "link/GaugeProbe.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int Ports = 8;

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
    for (int i = 0; i < Ports; ++i) {
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

// skaleron-sim processes at wire speed, one pseudo-terminal each.
class SimProcesses
{
public:
    SimProcesses(const QString &family, int count)
    {
        const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/skaleron-sim");
        for (int i = 0; i < count; ++i) {
            auto p = std::make_unique<QProcess>();
            p->start(program, {"--family", family, "--wire-speed"});
            if (!p->waitForStarted() || !p->waitForReadyRead(5000)) {
                std::fprintf(stderr, "skaleron-sim did not start\n");
                return;
            }
            ports << QString::fromLocal8Bit(p->readLine()).trimmed();
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

bool writeMany(const char *family, const ConfigRecord &cfg, const LinkOptions &options, double &one, double &many)
{
    SimProcesses sims(QString::fromLatin1(family), Ports);
    if (sims.ports.size() != Ports)
        return false;
    const auto write = [&](const QStringList &ports) {
        const QVector<BatchPortResult> results = runBatch(BatchOperation::Write, ports, cfg, options);
        return std::all_of(results.begin(), results.end(), [](const BatchPortResult &r) { return r.outcome.success; });
    };
    bool ok = write(sims.ports); // warm-up
    one = bestSeconds(5, [&] { return write(sims.ports.mid(0, 1)); }, ok);
    many = bestSeconds(5, [&] { return write(sims.ports); }, ok);
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
    std::printf("Probe of %d silent ports (target: at most 1.5 s)\n  %.3f s  %s\n", Ports, probe,
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

    std::printf("Writing %d gauges at wire speed against writing one (target: at most 1.3 x)\n", Ports);
    const struct
    {
        const char *family;
        const ConfigRecord &cfg;
    } families[] = {{"block", blockGauge}, {"register", registerGauge}};
    for (const auto &f : families) {
        double one = 0, many = 0;
        const bool ok = writeMany(f.family, f.cfg, options, one, many);
        const double ratio = many / one;
        const bool pass = ok && ratio <= 1.3;
        allOk = allOk && pass;
        std::printf("  %-8s one gauge %6.3f s, %d gauges %6.3f s = %.3f x  %s\n", f.family, one, Ports, many, ratio,
                    pass ? "ok" : "MISSED");
    }
    return allOk ? 0 : 1;
}
