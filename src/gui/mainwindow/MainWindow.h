#pragma once
// The program's main window: menu and tool bar, status bar, the splitter with
// the project tree and the right-hand form, the remembered placement, the
// project file commands and the commands that talk to a gauge.
#include "FrameServices.h"

#include <QMainWindow>
#include <QMap>
#include <functional>
#include <memory>

class FormView;
class ProjectTreeView;
class PaneSplitter;
class ProjectDocument;
class GaugeTransferCommands;
class ProjectFileCommands;
class SheetPrinting;
class StatusNotes;
class UndoCommands;
class QAction;
class QMenu;

class MainWindow : public QMainWindow, public FrameServices
{
    Q_OBJECT
public:
    explicit MainWindow(ProjectDocument *document, QWidget *parent = nullptr);
    ~MainWindow() override;

    ProjectDocument *document() const { return m_document; }
    PaneSplitter *splitter() const { return m_splitter; }
    ProjectTreeView *leftView() const { return m_leftView; }
    FormView *rightView() const;
    ProjectFileCommands &fileCommands() const { return *m_fileCommands; }
    GaugeTransferCommands &gaugeCommands() const { return *m_gauge; }
    SheetPrinting &printing() const { return *m_printing; }

    // The action of a command id (menus, tool bar and context menu share it).
    QAction *action(int commandId) const;

    // A lasting note in the status bar that this session talks to the demo
    // gauge; it takes the place of the port in use.
    void showDemoNotice();

    // Gives the menu bar the current language pack's texts. The menus are
    // made once and keep their objects: a language switch can come from a
    // command picked in one of them, whose key or mouse handling is still
    // running when the switch is done.
    void reloadMenu();
    // Enables the commands for the document's present state.
    void updateCommandStates();

    // FrameServices
    void presetCounter(int startAddress, int cellCount, quint32 counterValue) override;
    void showStatusNote(const QString &text) override;
    void withdrawStatusNote(const QString &text) override;

public slots:
    // Opens a project named by the command line or the recent list; asks to
    // save the open project first. During a transfer the file is queued.
    bool openProject(const QString &path);
    // Opens a project handed over from outside (another start of the
    // program, a drop) once the window is free: after the question or
    // dialog open now and after a running transfer. A file asked for again
    // while it waits or is being opened is opened once.
    void queueOpen(const QString &path);

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void createActions();
    void createToolBar();
    void createStatusBar();
    void createClient();
    void addHandler(int commandId, std::function<void()> handler);
    void updateTitle();
    void updateRecentFiles();
    void onLanguageSwitched();
    void editCommand(const char *slot);
    // The form (and, with another master type, the tree) shows what undo or
    // redo put back.
    void showRestoredState(bool masterTypeChanged, int changedInput);
    void onChooseMasterType();
    void onTransferFinished();
    void onCommunicationSettings();
    // Gauge → History...: the table of the service history.
    void showServiceHistory();
    void buildMenus();
    void openQueued();

    ProjectDocument *m_document;
    PaneSplitter *m_splitter = nullptr;
    ProjectTreeView *m_leftView = nullptr;
    ProjectFileCommands *m_fileCommands = nullptr;
    GaugeTransferCommands *m_gauge = nullptr;
    SheetPrinting *m_printing = nullptr;
    UndoCommands *m_undo = nullptr;
    // Set when the window was asked to close during a transfer: it closes
    // once the transfer has stopped.
    bool m_closeAfterTransfer = false;
    QStringList m_openQueue;
    QString m_openingQueued; // the queued file being opened now
    QMap<int, QAction *> m_actions;
    QList<QPair<QMenu *, int>> m_menus; // each menu with its text's pack number
    QList<QAction *> m_recentActions;
    QToolBar *m_toolBar = nullptr;
    std::unique_ptr<StatusNotes> m_notes;
    bool m_firstActivation = true;
};
