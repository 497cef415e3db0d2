// skaleron-sim: a gauge of either link family on a pseudo-terminal. Prints
// the device path on its first output line and serves until it is told to
// stop (SIGTERM, SIGINT, SIGHUP). SIGUSR1 writes the gauge state as JSON to
// the state file; stopping writes it too.
#include "PtyGaugeServer.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonDocument>
#include <QSaveFile>
#include <csignal>
#include <cstdio>

namespace {

bool writeState(const PtyGaugeServer &server, const QString &path)
{
    if (path.isEmpty())
        return true;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray json = QJsonDocument(server.stateJson()).toJson();
    // commit() alone misses a flush that failed (a full disk).
    return file.write(json) == json.size() && file.flush() && file.commit();
}

int usage(const QString &reason)
{
    std::fprintf(stderr, "skaleron-sim: %s\n", reason.toLocal8Bit().constData());
    return 2;
}

// bank/address=value, numbers decimal or 0x hexadecimal.
bool parseRegister(const QString &text, int &bank, int &address, int &value)
{
    const QStringList sides = text.split('=');
    const QStringList where = sides.value(0).split('/');
    if (sides.size() != 2 || where.size() != 2)
        return false;
    bool ok1, ok2, ok3;
    bank = where[0].toInt(&ok1, 0);
    address = where[1].toInt(&ok2, 0);
    value = sides[1].toInt(&ok3, 0);
    return ok1 && ok2 && ok3 && value >= 0 && value <= 255;
}

}

int main(int argc, char **argv)
{
    // The handled are taken with sigwait below; block them before the server
    // thread starts so that it inherits the mask.
    sigset_t handled;
    sigemptyset(&handled);
    for (int s : {SIGTERM, SIGINT, SIGHUP, SIGUSR1})
        sigaddset(&handled, s);
    pthread_sigmask(SIG_BLOCK, &handled, nullptr);

    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(SKALERON_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Simulated gauge on a pseudo-terminal. Prints the device path on its first output line and\n"
        "serves until SIGTERM, SIGINT or SIGHUP; SIGUSR1 writes the state file."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({"family", "Link family: block or register.", "family", "block"});
    parser.addOption({"link", "Make a symbolic link to the device.", "path"});
    parser.addOption({"fault", "Make a fault: COMMAND or COMMAND@BANK/ADDRESS, =KIND (silence, refuse, short, "
                               "header, garbage, delay:MS, vanish, keep[:BYTE]), then *TIMES to make it that often "
                               "only and +SKIP to let the first SKIP matching frames pass. May be given more than once.",
                      "COMMAND=KIND"});
    parser.addOption({"firmware", "Firmware bytes 4 and 5 of the block, e.g. 65,2.", "a,b"});
    parser.addOption({"register", "Register value, e.g. 3/26=0x02.", "bank/address=value"});
    parser.addOption({"wire-speed", "Pace replies at the line speed."});
    parser.addOption({"baud", "Line speed for the pacing (default: as the program set it).", "baud"});
    parser.addOption({"require-baud", "Drop what arrives while the device is set to another line speed.", "baud"});
    parser.addOption({"state-file", "Where SIGUSR1 and stopping write the state as JSON.", "file"});
    parser.process(app);

    GaugeSimConfig config;
    if (!parseSimFamily(parser.value("family"), config.family))
        return usage(QStringLiteral("--family takes block or register"));
    for (const QString &text : parser.values("fault")) {
        SimFault fault;
        QString error;
        if (!parseSimFault(text, fault, &error))
            return usage(error);
        config.faults.append(fault);
    }
    config.wireSpeed = parser.isSet("wire-speed");
    config.wireBaud = parser.value("baud").toInt();
    config.requiredBaud = parser.value("require-baud").toInt();

    PtyGaugeServer server(config);
    bool ok = true;
    server.withState([&](GaugeSimState &state, QVector<SimFault> &) {
        if (parser.isSet("firmware")) {
            const QStringList parts = parser.value("firmware").split(',');
            bool a = false, b = false;
            const int v1 = parts.value(0).toInt(&a, 0), v2 = parts.value(1).toInt(&b, 0);
            ok = parts.size() == 2 && a && b;
            state.block[4] = char(v1);
            state.block[5] = char(v2);
            state.savedBlock = state.block;
        }
        for (const QString &r : parser.values("register")) {
            int bank, address, value;
            if (!parseRegister(r, bank, address, value))
                ok = false;
            else
                state.setReg(bank, address, uint8_t(value));
        }
    });
    if (!ok)
        return usage(QStringLiteral("bad --firmware or --register value"));

    QString error;
    if (!server.start(&error))
        return usage(error);
    if (parser.isSet("link") && !server.makeLink(parser.value("link"), &error))
        return usage(error);
    std::printf("%s\n", server.devicePath().toLocal8Bit().constData());
    std::fflush(stdout);

    const QString stateFile = parser.value("state-file");
    for (;;) {
        int received = 0;
        if (sigwait(&handled, &received) != 0)
            continue;
        writeState(server, stateFile);
        if (received != SIGUSR1)
            break;
    }
    server.stop();
    writeState(server, stateFile);
    return 0;
}
