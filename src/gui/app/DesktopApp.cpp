#include "DesktopApp.h"

#include "DemoGauge.h"
#include "ShellIntegration.h"
#include "SessionEnd.h"
#include "SingleInstance.h"
#include "SplashWindow.h"
#include "base/Language.h"
#include "base/SettingsStore.h"
#include "base/UserMessages.h"
#include "catalogue/CatalogueMasterTypeLookup.h"
#include "dialogs/AccessReadProgress.h"
#include "mainwindow/GaugeTransferCommands.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/SheetPrinting.h"
#include "model/ProjectDocument.h"
#include "model/RecoveryCopy.h"

#include <QCoreApplication>

#include <cstdio>

CommandLineInfo CommandLineInfo::parse(const QStringList &arguments)
{
    CommandLineInfo info;
    bool print = false;
    bool printTo = false;
    for (const QString &argument : arguments) {
        if (argument == QLatin1String("--demo")) {
            info.demo = true;
            continue;
        }
        const bool isSwitch = argument.size() > 1
                              && (argument.startsWith(QLatin1Char('/')) || argument.startsWith(QLatin1Char('-')));
        // A full path on this system also begins with "/": it is a switch
        // only when it is one of the known words.
        // "--register" as its help writes it, "-register" and "/register" as before.
        const int dashes = argument.startsWith(QLatin1String("--")) ? 2 : 1;
        const QString word = isSwitch ? argument.mid(dashes).toLower() : QString();
        if (word == QLatin1String("embedding")) {
            info.runEmbedded = true;
        } else if (word == QLatin1String("automation")) {
            info.runAutomated = true;
        } else if (word == QLatin1String("p")) {
            print = true;
        } else if (word == QLatin1String("pt")) {
            printTo = true;
        } else if (word == QLatin1String("register") || word == QLatin1String("regserver")) {
            info.command = ShellCommand::AppRegister;
        } else if (word == QLatin1String("unregister") || word == QLatin1String("unregserver")) {
            info.command = ShellCommand::AppUnregister;
        } else if (word == QLatin1String("dde")) {
            // Open requests of a running program come over its local socket.
        } else if (info.fileName.isEmpty() && !argument.startsWith(QLatin1Char('-'))) {
            info.fileName = argument;
        }
    }
    if (info.command == ShellCommand::FileNew && !info.fileName.isEmpty())
        info.command = printTo ? ShellCommand::FilePrintTo : print ? ShellCommand::FilePrint : ShellCommand::FileOpen;
    return info;
}

DesktopApp::DesktopApp() = default;

DesktopApp::~DesktopApp()
{
    settings_store::setTellFailures(false);
    m_sessionEnd.reset();
    m_singleInstance.reset();
    m_recovery.reset();
    m_mainFrame.reset();
    m_document.reset();
    m_demo.reset();
    m_accessReads.reset();
}

bool DesktopApp::start(const QStringList &arguments, int *exitCode)
{
    *exitCode = 0;
    const CommandLineInfo info = CommandLineInfo::parse(arguments);
    SplashWindow::enableSplashScreen(!info.runEmbedded && !info.runAutomated);

    if (info.runEmbedded || info.runAutomated) {
        std::fputs("Skaleron: no automation server exists on this platform; nothing to do.\n", stderr);
        return false;
    }

    // A program that runs already opens the file, as the desktop's open
    // request would; this start then has nothing more to do.
    if (info.command == CommandLineInfo::ShellCommand::FileOpen && !info.demo
        && SingleInstance().handOver(info.fileName))
        return false;

    if (!Language::instance().loadStartupLanguage()) {
        *exitCode = 1;
        return false;
    }
    m_started = true;
    settings_store::setTellFailures(true);
    // Opened projects take their master type from the catalogue.
    installCatalogueMasterTypeLookup();
    // Access catalogues are read while the windows stay alive.
    m_accessReads = std::make_unique<AccessReadProgress>();

    if (info.command == CommandLineInfo::ShellCommand::AppRegister
        || info.command == CommandLineInfo::ShellCommand::AppUnregister) {
        const shell_integration::Outcome outcome =
            info.command == CommandLineInfo::ShellCommand::AppRegister
                ? shell_integration::registerForUser(QCoreApplication::applicationFilePath())
                : shell_integration::unregisterForUser();
        for (const QString &note : outcome.notes)
            std::fprintf(stderr, "%s\n", qPrintable(note));
        *exitCode = outcome.ok ? 0 : 1;
        return false;
    }

    if (info.demo) {
        // The session's port points at the simulated gauge; the stored
        // settings stay as they are.
        m_demo = std::make_unique<DemoGauge>();
        QString error;
        if (!m_demo->start(&error)) {
            user_messages::show(loadTranslatedString(5362).arg(error), user_messages::Icon::Error);
            m_demo.reset();
        }
    }

    m_document = std::make_unique<ProjectDocument>();
    m_mainFrame = std::make_unique<MainWindow>(m_document.get());
    m_mainFrame->gaugeCommands().setDemoGauge(m_demo.get());
    if (m_demo)
        m_mainFrame->showDemoNotice();

    // Later starts with a file name hand it over to this program.
    m_singleInstance = std::make_unique<SingleInstance>();
    if (m_singleInstance->listen()) {
        connect(m_singleInstance.get(), &SingleInstance::openFileRequested, m_mainFrame.get(),
                [frame = m_mainFrame.get()](const QString &path) {
                    frame->raise();
                    frame->activateWindow();
                    frame->queueOpen(path);
                });
    }

    if (!carryOutShellCommand(info)) {
        *exitCode = 1;
        return false;
    }
    // A print request from the desktop prints and ends.
    if (info.command == CommandLineInfo::ShellCommand::FilePrint
        || info.command == CommandLineInfo::ShellCommand::FilePrintTo)
        return false;
    m_mainFrame->show();
    // Work that a crashed run left unsaved is offered back.
    m_recovery = std::make_unique<RecoveryCopy>(m_document.get());
    m_recovery->offerLeftOver();
    m_sessionEnd = std::make_unique<SessionEnd>();
    connect(m_sessionEnd.get(), &SessionEnd::requested, this, [this] { QCoreApplication::exit(endSession()); });
    return true;
}

int DesktopApp::endSession()
{
    if (m_recovery)
        m_recovery->keepForNextStart();
    return m_mainFrame && m_mainFrame->gaugeCommands().interrupt() ? 1 : 0;
}

bool DesktopApp::carryOutShellCommand(const CommandLineInfo &info)
{
    switch (info.command) {
    case CommandLineInfo::ShellCommand::FileOpen:
        // A file that cannot be read has been told about; the program
        // starts with a new project rather than vanishing with the message.
        return m_mainFrame->openProject(info.fileName) || m_document->newProject();
    case CommandLineInfo::ShellCommand::FilePrint:
    case CommandLineInfo::ShellCommand::FilePrintTo:
        return m_mainFrame->openProject(info.fileName) && m_mainFrame->printing().printDirect();
    default:
        return m_document->newProject();
    }
}

int DesktopApp::finish(int exitCode)
{
    if (m_started)
        Language::instance().storeLanguageAtExit();
    m_started = false;
    return exitCode;
}
