#include "CRixApp.h"

#include "Language.h"
#include "SettingsStore.h"
#include "UserMessages.h"
#include "catalogue/CatalogueMasterTypeLookup.h"
#include "frame/CMainFrame.h"
#include "frame/DemoGauge.h"
#include "frame/GaugeTransferCommands.h"
#include "model/CRixDoc.h"

#include <cstdio>

CommandLineInfo CommandLineInfo::Parse(const QStringList &arguments)
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
        const QString word = isSwitch ? argument.mid(1).toLower() : QString();
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

CRixApp::CRixApp() = default;

CRixApp::~CRixApp()
{
    m_mainFrame.reset();
    m_document.reset();
    m_demo.reset();
}

bool CRixApp::InitInstance(const QStringList &arguments, int *exitCode)
{
    *exitCode = 0;
    const CommandLineInfo info = CommandLineInfo::Parse(arguments);

    if (info.runEmbedded || info.runAutomated) {
        std::fputs("Skaleron: no automation server exists on this platform; nothing to do.\n", stderr);
        return false;
    }

    m_strAppPath = ApplicationFolder();

    if (!CLanguage::instance().LoadStartupLanguage()) {
        *exitCode = 1;
        return false;
    }
    m_started = true;
    // Opened projects take their master type from the catalogue.
    InstallCatalogueMasterTypeLookup();

    if (info.demo) {
        // The session's port points at the simulated gauge; the stored
        // settings stay as they are.
        m_demo = std::make_unique<DemoGauge>();
        QString error;
        if (!m_demo->Start(&error)) {
            user_messages::show(LoadTranslatedString(5362).arg(error), user_messages::Icon::Error);
            m_demo.reset();
        }
    }

    m_document = std::make_unique<CRixDoc>();
    m_mainFrame = std::make_unique<CMainFrame>(m_document.get());
    m_mainFrame->GaugeCommands().SetDemoGauge(m_demo.get());

    if (!CarryOutShellCommand(info)) {
        *exitCode = 1;
        return false;
    }
    m_mainFrame->show();
    return true;
}

bool CRixApp::CarryOutShellCommand(const CommandLineInfo &info)
{
    switch (info.command) {
    case CommandLineInfo::ShellCommand::FileOpen:
        return m_mainFrame->OpenDocumentFile(info.fileName);
    default:
        return m_document->OnNewDocument();
    }
}

int CRixApp::ExitInstance(int exitCode)
{
    if (m_started)
        CLanguage::instance().StoreLanguageAtExit();
    m_started = false;
    return exitCode;
}
