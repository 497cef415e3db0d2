#pragma once
// The program's main window: menu and tool bar, status bar, the splitter with
// the project tree and the right-hand form, the remembered placement, the
// project file commands and the commands that talk to a gauge.
#include "FrameServices.h"

#include <QMainWindow>
#include <QMap>
#include <functional>

class CFormView;
class CLeftView;
class CMySplitterWnd;
class CRixDoc;
class GaugeTransferCommands;
class ProjectFileCommands;
class SheetPrinting;
class QAction;
class QLabel;

class CMainFrame : public QMainWindow, public IFrameServices
{
    Q_OBJECT
public:
    explicit CMainFrame(CRixDoc *document, QWidget *parent = nullptr);
    ~CMainFrame() override;

    CRixDoc *GetDocument() const { return m_document; }
    CMySplitterWnd *Splitter() const { return m_splitter; }
    CLeftView *LeftView() const { return m_leftView; }
    CFormView *RightView() const;
    ProjectFileCommands &FileCommands() const { return *m_fileCommands; }
    GaugeTransferCommands &GaugeCommands() const { return *m_gauge; }
    SheetPrinting &Printing() const { return *m_printing; }

    // The action of a command id (menus, tool bar and context menu share it).
    QAction *Action(int commandId) const;

    // A lasting note in the status bar that this session talks to the demo gauge.
    void ShowDemoNotice();

    // Builds the menu bar again from the current language pack.
    void ReloadMenu();
    // Enables the commands for the document's present state.
    void UpdateCommandStates();

    // IFrameServices
    void PresetCounter(int startAddress, int cellCount, quint32 counterValue) override;

public slots:
    // Opens a project named by the command line, another start of the
    // program or a drop; asks to save the open project first. During a
    // transfer the file waits until the transfer has ended.
    bool OpenDocumentFile(const QString &path);

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void CreateActions();
    void CreateToolBar();
    void CreateStatusBar();
    void CreateClient();
    void AddHandler(int commandId, std::function<void()> handler);
    void UpdateTitle();
    void UpdateRecentFiles();
    void OnLanguageSwitched();
    void EditCommand(const char *slot);
    void OnChooseMasterType();
    void OnTransferFinished();
    void OnCommunicationSettings();

    CRixDoc *m_document;
    CMySplitterWnd *m_splitter = nullptr;
    CLeftView *m_leftView = nullptr;
    ProjectFileCommands *m_fileCommands = nullptr;
    GaugeTransferCommands *m_gauge = nullptr;
    SheetPrinting *m_printing = nullptr;
    // Set when the window was asked to close during a transfer: it closes
    // once the transfer has stopped.
    bool m_closeAfterTransfer = false;
    QString m_openAfterTransfer;
    QMap<int, QAction *> m_actions;
    QList<QAction *> m_recentActions;
    QToolBar *m_toolBar = nullptr;
    QLabel *m_demoNotice = nullptr;
    bool m_firstActivation = true;
};
