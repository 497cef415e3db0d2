#pragma once
// The application object of the desktop program: reads the command line,
// loads the language, makes the one document with its main window, carries
// out the shell command and stores the language at exit.
#include <QObject>
#include <QStringList>
#include <memory>

class AccessReadProgress;
class MainWindow;
class DemoGauge;
class RecoveryCopy;
class SessionEnd;
class SingleInstance;
class ProjectDocument;

// What the command line asks for.
struct CommandLineInfo
{
    enum class ShellCommand { FileNew, FileOpen, FilePrint, FilePrintTo, AppRegister, AppUnregister };
    ShellCommand command = ShellCommand::FileNew;
    QString fileName;
    bool runEmbedded = false;  // "/Embedding" or "-Embedding"
    bool runAutomated = false; // "/Automation" or "-Automation"
    bool demo = false;         // "--demo": a simulated gauge for this session

    // Switches begin with "/" or "-" and are matched without regard to case;
    // the first other argument is the file to open (or to print).
    static CommandLineInfo parse(const QStringList &arguments);
};

class DesktopApp : public QObject
{
    Q_OBJECT
public:
    DesktopApp();
    ~DesktopApp() override;

    // Starts the program for the arguments (without the program name).
    // False when the program is to end at once; exitCode then says how.
    bool start(const QStringList &arguments, int *exitCode);
    // Stores the language; returns the exit code to use.
    int finish(int exitCode);
    // The session ends (SIGTERM): unsaved work is kept for the next start,
    // a running transfer stops after its present exchange and is recorded as
    // interrupted. Returns the exit code: 1 when a transfer was cut short.
    int endSession();

    ProjectDocument *document() const { return m_document.get(); }
    MainWindow *mainFrame() const { return m_mainFrame.get(); }
    // The simulated gauge of "--demo", or nullptr.
    DemoGauge *demo() const { return m_demo.get(); }
    RecoveryCopy *recovery() const { return m_recovery.get(); }

private:
    bool carryOutShellCommand(const CommandLineInfo &info);

    std::unique_ptr<AccessReadProgress> m_accessReads;
    std::unique_ptr<DemoGauge> m_demo;
    std::unique_ptr<SingleInstance> m_singleInstance;
    std::unique_ptr<ProjectDocument> m_document;
    std::unique_ptr<MainWindow> m_mainFrame;
    std::unique_ptr<RecoveryCopy> m_recovery;
    std::unique_ptr<SessionEnd> m_sessionEnd;
    bool m_started = false;
};
