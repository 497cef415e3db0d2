// Link benchmark against the simulated gauge on a pseudo-terminal:
//  - instant replies: the time each transaction of a register-family read (16
//    transactions) and of a block-family write costs on top of the gauge
//    (target below 2 ms);
//  - wire-speed replies at 4800 and 19200 baud: each sequence against its
//    wire time, bytes x 10 / baud (target at most 1.1 x; these sequences
//    have no mandated pauses).
// Opening and closing the port and the block write's backup file are costs
// per command, not per transaction: they are measured on their own (the
// serial port's lock file and the backup are synced to disk) and taken out of
// the transaction figures; the totals are printed too.
// Runs in the current folder (the traffic trace goes there) and exits 1 when
// a target is missed.
#include "PtyGaugeServer.h"
#include "link/GaugePort.h"
#include "link/GaugeSequences.h"
#include "link/LineSettings.h"
#include "link/TrafficTrace.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <algorithm>
#include <functional>

namespace {

struct Sequence
{
    const char *name;
    SimFamily family;
    int transactions;
    int baud;
    bool backup;
    std::function<bool(const LinkOptions &)> run;
};

// Bytes on the wire in both directions, counted from the traffic trace.
int tracedBytes()
{
    QFile f(QString::fromLatin1(traffic_trace::FileName));
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return 0;
    int bytes = 0;
    for (const QByteArray &line : f.readAll().split('\n')) {
        if (line.startsWith("W: ") || line.startsWith("R: "))
            bytes += line.mid(3).trimmed().isEmpty() ? 0 : (line.mid(3).trimmed().count(' ') + 1);
    }
    return bytes;
}

// The machine is shared: each figure is the best of several runs, the cost
// the link itself adds when nothing else gets in the way.

// Milliseconds of opening and closing the port of the current session.
double measureOpenClose(int baud, int runs)
{
    double best = 1e9;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        GaugePort port;
        port.open(baud);
        port.close();
        best = std::min(best, t.nsecsElapsed() / 1e6);
    }
    return best;
}

// Milliseconds of saving one block backup.
double measureBackup(const QString &folder, int runs)
{
    double best = 1e9;
    const block_backup::Block block{};
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        block_backup::save(block, folder, nullptr);
        best = std::min(best, t.nsecsElapsed() / 1e6);
    }
    return best;
}

// Milliseconds of one run, and the bytes of the last run.
double measure(const Sequence &s, const GaugeSimConfig &config, const LinkOptions &options, int runs, int &bytes,
               double &openClose, bool &ok)
{
    PtyGaugeServer server(config);
    QString error;
    if (!server.start(&error)) {
        std::fprintf(stderr, "simulator: %s\n", qPrintable(error));
        ok = false;
        return 0;
    }
    setSessionPortDevice(server.devicePath());
    s.run(options); // warm-up
    double best = 1e9;
    for (int i = 0; i < runs; ++i) {
        QFile::remove(QString::fromLatin1(traffic_trace::FileName));
        QElapsedTimer t;
        t.start();
        ok = s.run(options) && ok;
        best = std::min(best, t.nsecsElapsed() / 1e6);
    }
    bytes = tracedBytes();
    openClose = measureOpenClose(s.baud, runs);
    if (s.backup)
        openClose += measureBackup(options.backupFolder, runs);
    setSessionPortDevice(QString());
    return best;
}

}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir backups;
    LinkOptions options;
    options.backupFolder = backups.path();

    ConfigRecord registerGauge;
    registerGauge.Description = QStringLiteral("Speedometer");
    ConfigRecord blockGauge;
    blockGauge.Description = QStringLiteral("Tachometer");
    blockGauge.KValue = 12.5;
    const Sequence sequences[] = {
        {"register-family read", SimFamily::Register, 16, RegisterFamilyBaud, false,
         [&](const LinkOptions &o) { ConfigRecord c = registerGauge; return readFromGauge(c, nullptr, o).success; }},
        {"block-family write", SimFamily::Block, 4, BlockFamilyBaud, true,
         [&](const LinkOptions &o) { return writeToGauge(blockGauge, nullptr, o).success; }},
    };

    bool allOk = true;
    std::printf("Instant replies (target: under 2 ms per transaction)\n");
    for (const Sequence &s : sequences) {
        GaugeSimConfig config;
        config.family = s.family;
        int bytes = 0;
        double openClose = 0;
        bool ok = true;
        const double ms = measure(s, config, options, 30, bytes, openClose, ok);
        const double perTransaction = (ms - openClose) / s.transactions;
        const bool pass = ok && perTransaction < 2.0;
        allOk = allOk && pass;
        std::printf("  %-22s %7.2f ms per sequence, of which per command (port, backup) %6.2f ms;\n"
                    "  %-22s %7.3f ms per transaction (%d transactions)  %s\n",
                    s.name, ms, openClose, "", perTransaction, s.transactions, pass ? "ok" : "MISSED");
    }

    std::printf("Wire-speed replies (target: at most 1.1 x wire time, bytes x 10 / baud)\n");
    for (const int baud : {4800, 19200}) {
        for (const Sequence &s : sequences) {
            GaugeSimConfig config;
            config.family = s.family;
            config.wireSpeed = true;
            config.wireBaud = baud;
            int bytes = 0;
            double openClose = 0;
            bool ok = true;
            const double ms = measure(s, config, options, 8, bytes, openClose, ok);
            const double wireMs = bytes * 10.0 * 1000.0 / baud;
            const double ratio = (ms - openClose) / wireMs;
            const bool pass = ok && ratio <= 1.1;
            allOk = allOk && pass;
            std::printf("  %-22s %5d baud: wire time %6.1f ms (%d bytes), transfer %6.1f ms = %.3f x  %s"
                        "  (whole command %6.1f ms = %.3f x)\n",
                        s.name, baud, wireMs, bytes, ms - openClose, ratio, pass ? "ok" : "MISSED", ms, ms / wireMs);
        }
    }
    return allOk ? 0 : 1;
}
