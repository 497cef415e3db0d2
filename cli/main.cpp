#include "CliCommand.h"

#include "base/Language.h"
#include "base/SettingsStore.h"
#include "catalogue/CatalogueMasterTypeLookup.h"
#include "link/TrafficTrace.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <memory>
#include <vector>

namespace cli {

static std::vector<Command> &commands()
{
    static std::vector<Command> list;
    return list;
}

bool registerCommand(const Command &command)
{
    commands().push_back(command);
    return true;
}

int fail(int status, const QString &reason)
{
    QString line = reason;
    line.replace('\n', ' ');
    std::fprintf(stderr, "skaleron-cli: %s\n", line.toLocal8Bit().constData());
    return status;
}

int runSubcommand(const char *command, const QStringList &args, std::initializer_list<Subcommand> subcommands)
{
    const QString name = args.value(0);
    QStringList names;
    for (const Subcommand &s : subcommands) {
        if (name == QLatin1String(s.name))
            return s.run(args.mid(1));
        names << QLatin1String(s.name);
    }
    if (name == QLatin1String("--help") || name == QLatin1String("-h")) {
        std::printf("Usage: skaleron-cli %s %s ...\nSee 'skaleron-cli %s COMMAND --help' for each.\n", command,
                    names.join(QLatin1Char('|')).toUtf8().constData(), command);
        return ExitOk;
    }
    fail(ExitBadUsage, name.isEmpty()
                           ? QStringLiteral("%1 needs one of %2").arg(QLatin1String(command), names.join(QStringLiteral(", ")))
                           : QStringLiteral("unknown command \"%1 %2\"").arg(QLatin1String(command), name));
    std::fprintf(stderr, "Try 'skaleron-cli %s --help'.\n", command);
    return ExitBadUsage;
}

// The help is made from the commands' own usage lines; the manual page is
// made from the help, so neither can fall behind the commands.
static void printUsage(FILE *out)
{
    const char *lead = "Usage:";
    for (const Command &c : commands()) {
        const QStringList lines = c.usage.split(QLatin1Char('\n'));
        for (const QString &l : lines) {
            std::fprintf(out, "%s skaleron-cli %s\n", lead, l.toLocal8Bit().constData());
            lead = "  or: ";
        }
    }
    std::fprintf(out, "Read, write and check analog instrument gauges on a serial port, edit .rix projects\n"
                      "and look up the master type catalogue, without a window.\n");
    std::fprintf(out, "\nOptions:\n"
                      "  -h, --help  Print this help, then end.\n"
                      "  --version   Print the version, then end.\n\n"
                      "'skaleron-cli CMD --help' or 'skaleron-cli help CMD' shows one command's usage,\n"
                      "options and an example.\n\n"
                      "Exit status:\n"
                      "  0 done, 1 the operation failed, 2 bad usage or bad input; with any status but 0\n"
                      "  the reason is one line on stderr, and a gauge command may add one line that says why.\n");
}

// Qt's own warnings (a database driver's complaint about a connection the
// server closed) would add lines beside the one reason the tool gives.
static void keepOnlyCriticalMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

}

// A command that draws text (the sheet) needs the fonts of a GUI application;
// it draws offscreen, so it runs without any display. What the platform says
// while it starts (no runtime folder on a machine without a login session)
// is no concern of the command's: stderr keeps to the one line of a reason.
static std::unique_ptr<QCoreApplication> createApplication(int &argc, char **argv)
{
    if (argc > 1 && qstrcmp(argv[1], "sheet") == 0) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        const QtMessageHandler previous =
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
        auto app = std::make_unique<QGuiApplication>(argc, argv);
        qInstallMessageHandler(previous);
        return app;
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

int main(int argc, char **argv)
{
    const std::unique_ptr<QCoreApplication> application = createApplication(argc, argv);
    QCoreApplication &app = *application;
    qInstallMessageHandler(cli::keepOnlyCriticalMessages);
    // The tool works with the desktop program's settings (port, catalogue).
    settings_store::setApplicationName(QStringLiteral("skaleron"));
    // Reasons on stderr are in English whatever the desktop program shows.
    Language::instance().loadPackQuietly(QString::fromLatin1(DefaultLanguageLibrary));
    // Projects loaded here take their master type from the catalogue.
    installCatalogueMasterTypeLookup();
    traffic_trace::setFailureHandler([](const QString &path, const QString &reason) {
        cli::fail(cli::ExitOk, QStringLiteral("warning: the traffic trace cannot be written to %1: %2 "
                                              "(--trace FILE names another file)")
                                   .arg(path, reason));
    });

    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        cli::printUsage(stderr);
        return cli::ExitBadUsage;
    }
    if (args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h")) {
        cli::printUsage(stdout);
        return cli::ExitOk;
    }
    if (args.first() == QLatin1String("--version")) {
        std::printf("skaleron-cli %s\n", SKALERON_VERSION);
        return cli::ExitOk;
    }
    QString name = args.takeFirst();
    // "help CMD [SUB]" is "CMD [SUB] --help"; "help" alone the overview.
    if (name == QLatin1String("help")) {
        if (args.isEmpty()) {
            cli::printUsage(stdout);
            return cli::ExitOk;
        }
        name = args.takeFirst();
        args = args.mid(0, 1) << QStringLiteral("--help");
    }
    for (const cli::Command &c : cli::commands()) {
        if (name == QLatin1String(c.name))
            return c.run(args);
    }
    cli::fail(cli::ExitBadUsage, QStringLiteral("unknown command \"%1\"").arg(name));
    std::fprintf(stderr, "Try 'skaleron-cli --help'.\n");
    return cli::ExitBadUsage;
}
