#include "InfoRequest.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

std::optional<int> answerInfoRequest(int argc, char **argv)
{
    // A plain application object for the parser only; the desktop's own
    // comes after it, if the program is to start at all.
    QCoreApplication probe(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("skaleron"));
    QCoreApplication::setApplicationVersion(QStringLiteral(SKALERON_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Configuration and service tool for analog instrument gauges: edit a gauge's configuration\n"
        "as a .rix project, read it from or write it to a gauge on a serial port."));
    // The desktop's own switches are written with one dash.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addOption({QStringLiteral("demo"),
                      QStringLiteral("Talk to simulated gauges instead of the serial port; stored settings stay.")});
    parser.addOption({QStringLiteral("register"),
                      QStringLiteral("Register the program and the .rix file type for this user, then end.")});
    parser.addOption({QStringLiteral("unregister"), QStringLiteral("Remove that registration, then end.")});
    parser.addOption({QStringLiteral("p"),
                      QStringLiteral("Print the project's configuration sheet on the default printer, then end.")});
    parser.addPositionalArgument(QStringLiteral("project"),
                                 QStringLiteral("A .rix project to open; a program already running opens it."),
                                 QStringLiteral("[project.rix]"));
    // Anything else (the desktop's older switches) is the desktop's to read.
    parser.parse(QCoreApplication::arguments());
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("skaleron %s\n", SKALERON_VERSION);
        return 0;
    }
    return std::nullopt;
}
