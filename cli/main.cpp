#include "CliCommand.h"

#include "base/Language.h"
#include "base/SettingsStore.h"
#include "catalogue/CatalogueMasterTypeLookup.h"

#include <QCoreApplication>
#include <cstdio>
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

static void printUsage()
{
    std::fprintf(stderr, "usage:\n");
    for (const Command &c : commands()) {
        const QStringList lines = QString::fromUtf8(c.usage).split('\n');
        for (const QString &l : lines)
            std::fprintf(stderr, "  skaleron-cli %s\n", l.toLocal8Bit().constData());
    }
}

}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // The tool works with the desktop program's settings (port, catalogue).
    settings_store::setApplicationName(QStringLiteral("skaleron"));
    // Reasons on stderr are in English whatever the desktop program shows.
    Language::instance().loadPackQuietly(QString::fromLatin1(DefaultLanguageLibrary));
    // Projects loaded here take their master type from the catalogue.
    installCatalogueMasterTypeLookup();

    QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h")) {
        cli::printUsage();
        return args.isEmpty() ? cli::ExitBadUsage : cli::ExitOk;
    }
    const QString name = args.takeFirst();
    for (const cli::Command &c : cli::commands()) {
        if (name == QLatin1String(c.name))
            return c.run(args);
    }
    cli::printUsage();
    return cli::fail(cli::ExitBadUsage, QStringLiteral("unknown command \"%1\"").arg(name));
}
