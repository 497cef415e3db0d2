#include "MainWindow.h"

#include "CommandIds.h"
#include "link/StoredLineSelectors.h"
#include "GaugeTransferCommands.h"
#include "MainMenu.h"
#include "ProjectFileCommands.h"
#include "SheetPrinting.h"
#include "StatusNotes.h"
#include "ToolBarIcons.h"
#include "WindowPlacement.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/OptionsDialog.h"
#include "app/SplashWindow.h"
#include "base/Language.h"
#include "base/SettingsStore.h"
#include "base/UserMessages.h"
#include "model/ProjectDocument.h"
#include "views/FormView.h"
#include "views/ProjectTreeView.h"
#include "views/PaneSplitter.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

using namespace command_ids;

namespace {

struct ActionInfo
{
    int id;
    const char *objectName;
    QKeySequence::StandardKey key;
};

const ActionInfo actionInfos[] = {
    {FileNew, "actionFileNew", QKeySequence::New},
    {FileOpen, "actionFileOpen", QKeySequence::Open},
    {FileSave, "actionFileSave", QKeySequence::Save},
    {FileSaveAs, "actionFileSaveAs", QKeySequence::UnknownKey},
    {FilePrint, "actionFilePrint", QKeySequence::Print},
    {FilePrintPreview, "actionFilePrintPreview", QKeySequence::UnknownKey},
    {FilePrintSetup, "actionFilePrintSetup", QKeySequence::UnknownKey},
    {ExportPdf, "actionExportPdf", QKeySequence::UnknownKey},
    {AppExit, "actionAppExit", QKeySequence::UnknownKey},
    {EditUndo, "actionEditUndo", QKeySequence::Undo},
    {EditCut, "actionEditCut", QKeySequence::Cut},
    {EditCopy, "actionEditCopy", QKeySequence::Copy},
    {EditPaste, "actionEditPaste", QKeySequence::Paste},
    {ViewToolBar, "actionViewToolBar", QKeySequence::UnknownKey},
    {ViewStatusBar, "actionViewStatusBar", QKeySequence::UnknownKey},
    {ChooseMasterType, "actionChooseMasterType", QKeySequence::UnknownKey},
    {ReadGauge, "actionReadFromGauge", QKeySequence::UnknownKey},
    {WriteGauge, "actionWriteToGauge", QKeySequence::UnknownKey},
    {RestoreBackup, "actionRestoreBackup", QKeySequence::UnknownKey},
    {Diagnostics, "actionDiagnostics", QKeySequence::UnknownKey},
    {CommunicationSettings, "actionCommunicationSettings", QKeySequence::UnknownKey},
    {AppAbout, "actionAppAbout", QKeySequence::UnknownKey},
    {HelpManual, "actionHelpManual", QKeySequence::HelpContents},
};

// The manual made from the README when the program was built, in the
// desktop's browser.
void OpenUserManual()
{
    const QString page = QDir(ApplicationFolder()).filePath(QStringLiteral("manual/index.html"));
    if (!QFile::exists(page)) {
        user_messages::show(LoadTranslatedString(5379).arg(QDir::toNativeSeparators(page)),
                            user_messages::Icon::Exclamation);
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(page)))
        user_messages::show(LoadTranslatedString(5375).arg(QDir::toNativeSeparators(page)),
                            user_messages::Icon::Exclamation);
}

// The document template string's first field is the program's window title.
QString programTitle()
{
    const QString title = LoadTranslatedString(128).section(QLatin1Char('\n'), 0, 0);
    return title.isEmpty() ? QStringLiteral("Skaleron") : title;
}

}

MainWindow::MainWindow(ProjectDocument *document, QWidget *parent)
    : QMainWindow(parent)
    , m_document(document)
{
    setObjectName(QStringLiteral("MainWindow"));
    setAcceptDrops(true);
    m_fileCommands = new ProjectFileCommands(document, this);
    m_gauge = new GaugeTransferCommands(document, this, [this] { return RightView(); });
    m_printing = new SheetPrinting(document, this);
    connect(m_gauge, &GaugeTransferCommands::transferFinished, this, &MainWindow::OnTransferFinished);

    CreateActions();
    CreateToolBar();
    CreateStatusBar();
    CreateClient();
    SplashWindow::ShowSplashScreen(this);
    ReloadMenu();

    document->SetCommitHook([this](ProjectDocument::CommitPurpose purpose) {
        FormView *view = RightView();
        if (!view)
            return true;
        return purpose == ProjectDocument::CommitPurpose::Leave ? view->CanLeave() : view->UpdateData(true);
    });
    document->SetQuietCommitHook([this] {
        if (FormView *view = RightView())
            view->CommitQuietly();
    });
    connect(document, &ProjectDocument::recordReloaded, this, [this] {
        m_leftView->OnRecordReloaded();
        UpdateCommandStates();
    });
    connect(document, &ProjectDocument::modifiedChanged, this, [this] {
        UpdateTitle();
        UpdateCommandStates();
    });
    connect(document, &ProjectDocument::pathChanged, this, &MainWindow::UpdateTitle);
    connect(m_fileCommands, &ProjectFileCommands::recentFilesChanged, this, &MainWindow::UpdateRecentFiles);
    connect(&Language::instance(), &Language::languageSwitched, this, &MainWindow::OnLanguageSwitched);

    // Room for the tree and the start of a form; the form scrolls.
    setMinimumSize(640, 420);
    setWindowState(Qt::WindowMaximized);
    UpdateTitle();
    UpdateCommandStates();
    SetTheFrame(this);
}

MainWindow::~MainWindow()
{
    if (TheFrame() == this)
        SetTheFrame(nullptr);
    m_document->SetCommitHook(nullptr);
    m_document->SetQuietCommitHook(nullptr);
}

FormView *MainWindow::RightView() const
{
    return m_splitter->RightView();
}

QAction *MainWindow::Action(int commandId) const
{
    return m_actions.value(commandId, nullptr);
}

void MainWindow::AddHandler(int commandId, std::function<void()> handler)
{
    QAction *action = Action(commandId);
    connect(action, &QAction::triggered, this, std::move(handler));
    action->setProperty("handled", true);
}

void MainWindow::CreateActions()
{
    for (const ActionInfo &info : actionInfos) {
        auto *action = new QAction(this);
        action->setObjectName(QString::fromLatin1(info.objectName));
        action->setData(info.id);
        if (info.key != QKeySequence::UnknownKey)
            action->setShortcuts(info.key);
        m_actions.insert(info.id, action);
    }
    for (int i = 0; i < RecentFileList::Size; ++i) {
        auto *action = new QAction(this);
        action->setObjectName(QStringLiteral("actionRecentFile%1").arg(i + 1));
        action->setData(FileMru1 + i);
        connect(action, &QAction::triggered, this, [this, i] {
            const QStringList entries = m_fileCommands->RecentFiles().Entries();
            if (i < entries.size())
                OpenDocumentFile(entries.at(i));
        });
        m_recentActions << action;
    }

    // F6 and Shift+F6 move the focus between the tree and the form.
    for (int id : {NextPane, PreviousPane}) {
        auto *action = new QAction(this);
        action->setObjectName(id == NextPane ? QStringLiteral("actionNextPane") : QStringLiteral("actionPreviousPane"));
        action->setShortcut(id == NextPane ? QKeySequence(Qt::Key_F6) : QKeySequence(Qt::SHIFT | Qt::Key_F6));
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, [this] {
            FormView *form = RightView();
            if (m_leftView->hasFocus() && form)
                form->setFocus(Qt::ShortcutFocusReason);
            else
                m_leftView->setFocus(Qt::ShortcutFocusReason);
        });
        addAction(action);
    }

    AddHandler(FileNew, [this] { m_fileCommands->FileNew(); });
    AddHandler(FileOpen, [this] { m_fileCommands->FileOpen(); });
    AddHandler(FileSave, [this] { m_fileCommands->FileSave(); });
    AddHandler(FileSaveAs, [this] { m_fileCommands->FileSaveAs(); });
    AddHandler(FilePrint, [this] { m_printing->Print(); });
    AddHandler(FilePrintPreview, [this] { m_printing->PrintPreview(); });
    AddHandler(FilePrintSetup, [this] { m_printing->PrintSetup(); });
    AddHandler(ExportPdf, [this] { m_printing->ExportPdf(); });
    AddHandler(AppExit, [this] { close(); });
    AddHandler(EditUndo, [this] { EditCommand("undo"); });
    AddHandler(EditCut, [this] { EditCommand("cut"); });
    AddHandler(EditCopy, [this] { EditCommand("copy"); });
    AddHandler(EditPaste, [this] { EditCommand("paste"); });

    AddHandler(ChooseMasterType, [this] { OnChooseMasterType(); });
    AddHandler(CommunicationSettings, [this] { OnCommunicationSettings(); });
    AddHandler(AppAbout, [this] {
        AboutDialog about(this);
        about.exec();
    });
    AddHandler(HelpManual, [] { OpenUserManual(); });
    AddHandler(ReadGauge, [this] { m_gauge->ReadFromGauge(); });
    AddHandler(WriteGauge, [this] { m_gauge->WriteToGauge(); });
    AddHandler(RestoreBackup, [this] { m_gauge->RestoreBackup(); });

    Action(ViewToolBar)->setCheckable(true);
    Action(ViewToolBar)->setChecked(true);
    AddHandler(ViewToolBar, [this] { m_toolBar->setVisible(Action(ViewToolBar)->isChecked()); });
    Action(ViewStatusBar)->setCheckable(true);
    Action(ViewStatusBar)->setChecked(true);
    AddHandler(ViewStatusBar, [this] { statusBar()->setVisible(Action(ViewStatusBar)->isChecked()); });
}

void MainWindow::EditCommand(const char *slot)
{
    // The editing commands act on the field that has the focus.
    if (QWidget *focus = QApplication::focusWidget())
        QMetaObject::invokeMethod(focus, slot);
}

void MainWindow::CreateToolBar()
{
    m_toolBar = addToolBar(QString());
    m_toolBar->setObjectName(QStringLiteral("toolBar"));
    m_toolBar->setMovable(false);
    m_toolBar->setIconSize(QSize(16, 16));
    for (int id : {FileNew, FileOpen, FileSave, 0, EditCut, EditCopy, EditPaste, 0, AppAbout}) {
        if (id == 0)
            m_toolBar->addSeparator();
        else {
            Action(id)->setIcon(ToolBarIcon(id));
            m_toolBar->addAction(Action(id));
        }
    }
}

void MainWindow::CreateStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("statusBar"));
    // The message pane shows "Ready" whenever no prompt is shown.
    connect(bar, &QStatusBar::messageChanged, this, [bar](const QString &message) {
        if (message.isEmpty())
            bar->showMessage(LoadTranslatedString(57345));
    });
    bar->showMessage(LoadTranslatedString(57345));
    m_notes = std::make_unique<StatusNotes>(bar);
}

void MainWindow::ShowDemoNotice()
{
    m_notes->ShowDemoGauge();
    m_notes->Update(*m_document);
}

void MainWindow::CreateClient()
{
    m_splitter = new PaneSplitter(this);
    m_leftView = new ProjectTreeView(m_document, m_splitter);
    m_splitter->SetLeftPane(m_leftView, window_placement::StoredTreeWidth());
    setCentralWidget(m_splitter);
    connect(m_leftView, &ProjectTreeView::linkSelfTestRequested, this, [this] { m_gauge->RunLinkSelfTest(); });
    m_leftView->OnInitialUpdate();
}

void MainWindow::BuildMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    for (const main_menu::Popup &popup : main_menu::MenuBar()) {
        QMenu *menu = bar->addMenu(QString());
        menu->setObjectName(QStringLiteral("menu%1").arg(popup.textId));
        m_menus.append({menu, popup.textId});
        for (int id : popup.commands) {
            if (id == main_menu::Separator) {
                menu->addSeparator();
            } else if (id == main_menu::RecentFiles) {
                for (QAction *recent : std::as_const(m_recentActions))
                    menu->addAction(recent);
            } else {
                menu->addAction(Action(id));
            }
        }
    }
}

void MainWindow::ReloadMenu()
{
    if (m_menus.isEmpty())
        BuildMenus();
    for (const auto &[menu, textId] : std::as_const(m_menus))
        menu->setTitle(LoadTranslatedString(textId));
    for (QAction *action : std::as_const(m_actions)) {
        const int id = action->data().toInt();
        action->setText(LoadTranslatedString(main_menu::MenuTextId(id)));
        action->setStatusTip(LoadTranslatedString(main_menu::PromptId(id)));
        action->setToolTip(action->text().remove(QLatin1Char('&')));
    }
    for (QAction *action : std::as_const(m_recentActions))
        action->setStatusTip(LoadTranslatedString(main_menu::PromptId(action->data().toInt())));
    UpdateRecentFiles();
    UpdateCommandStates();
}

void MainWindow::UpdateRecentFiles()
{
    const QStringList &entries = m_fileCommands->RecentFiles().Entries();
    for (int i = 0; i < m_recentActions.size(); ++i) {
        QAction *action = m_recentActions.at(i);
        if (i < entries.size()) {
            action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(entries.at(i))));
            action->setEnabled(true);
            action->setVisible(true);
        } else if (i == 0) {
            // An empty list shows one grey placeholder line.
            action->setText(LoadTranslatedString(main_menu::RecentFilePlaceholderId));
            action->setEnabled(false);
            action->setVisible(true);
        } else {
            action->setVisible(false);
        }
    }
}

void MainWindow::UpdateCommandStates()
{
    for (QAction *action : std::as_const(m_actions))
        action->setEnabled(action->property("handled").toBool());
    // A master type the catalogue lacks gives no link family to talk in.
    const bool masterChosen = m_document->GetConfig().MasterId != -1 && !m_document->MasterTypeMissing();
    Action(ReadGauge)->setEnabled(Action(ReadGauge)->isEnabled() && masterChosen);
    Action(WriteGauge)->setEnabled(Action(WriteGauge)->isEnabled() && masterChosen);
    m_notes->Update(*m_document);
    // The diagnostics sheet is not offered.
    Action(Diagnostics)->setEnabled(false);
}

void MainWindow::UpdateTitle()
{
    setWindowTitle(m_document->GetTitle() + QStringLiteral("[*] - ") + programTitle());
    setWindowModified(m_document->IsModified());
}

void MainWindow::OnLanguageSwitched()
{
    ReloadMenu();
    UpdateTitle();
    m_leftView->FillTree();
    statusBar()->showMessage(LoadTranslatedString(57345));
    m_notes->Update(*m_document);
}

void MainWindow::OnChooseMasterType()
{
    m_leftView->AddMaster();
    if (FormView *view = RightView())
        view->OnInitialUpdate();
    UpdateCommandStates();
}

void MainWindow::OnCommunicationSettings()
{
    StoredLineSelectors settings = StoredLineSelectors::Load();
    OptionsDialog options(this);
    options.setComPortName(settings.PortName());
    if (options.exec() != QDialog::Accepted)
        return;
    // The options may have switched the language.
    m_leftView->FillTree();
    settings.port = PortNumberFromName(options.comPortName(), settings.port);
    settings.device = options.devicePath();
    settings.Store();
    m_notes->Update(*m_document);
}

bool MainWindow::OpenDocumentFile(const QString &path)
{
    if (m_gauge->IsBusy()) {
        QueueOpen(path);
        return false;
    }
    return m_fileCommands->OpenDocumentFile(path);
}

void MainWindow::QueueOpen(const QString &path)
{
    if (path == m_openingQueued || m_openQueue.contains(path))
        return;
    m_openQueue.append(path);
    QMetaObject::invokeMethod(this, &MainWindow::OpenQueued, Qt::QueuedConnection);
}

void MainWindow::OpenQueued()
{
    // A transfer that ends comes back here.
    if (!m_openingQueued.isEmpty() || m_openQueue.isEmpty() || m_gauge->IsBusy())
        return;
    // Whatever the user is answering now comes first.
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget()) {
        QTimer::singleShot(100, this, &MainWindow::OpenQueued);
        return;
    }
    m_openingQueued = m_openQueue.takeFirst();
    m_fileCommands->OpenDocumentFile(m_openingQueued);
    m_openingQueued.clear();
    if (!m_openQueue.isEmpty())
        QMetaObject::invokeMethod(this, &MainWindow::OpenQueued, Qt::QueuedConnection);
}

void MainWindow::PresetCounter(int startAddress, int cellCount, quint32 counterValue)
{
    m_gauge->PresetCounter(startAddress, cellCount, counterValue);
}

void MainWindow::OnTransferFinished()
{
    UpdateCommandStates();
    if (m_closeAfterTransfer) {
        m_closeAfterTransfer = false;
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
        return;
    }
    QMetaObject::invokeMethod(this, &MainWindow::OpenQueued, Qt::QueuedConnection);
}

bool MainWindow::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && m_firstActivation) {
        m_firstActivation = false;
        window_placement::RestoreStored(this);
    }
    return QMainWindow::event(event);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // A transfer stops after its present transaction; then the window
    // closes as usual (asking to save the project first).
    if (m_gauge->IsBusy()) {
        m_closeAfterTransfer = true;
        m_gauge->CancelRunning();
        event->ignore();
        return;
    }
    if (!m_fileCommands->SaveModified()) {
        event->ignore();
        return;
    }
    window_placement::StoreOnClose(this, m_splitter->LeftPaneWidth());
    event->accept();
}

void MainWindow::contextMenuEvent(QContextMenuEvent *event)
{
    QPoint where = event->globalPos();
    if (event->reason() == QContextMenuEvent::Keyboard)
        where = mapToGlobal(centralWidget()->geometry().topLeft() + QPoint(5, 5));
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("contextMenu"));
    for (int id : main_menu::ContextMenu()) {
        if (id == main_menu::Separator)
            menu.addSeparator();
        else
            menu.addAction(Action(id));
    }
    menu.exec(where);
}

static QString firstLocalFile(const QMimeData *data)
{
    if (!data || !data->hasUrls())
        return QString();
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile())
            return url.toLocalFile();
    }
    return QString();
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (!firstLocalFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QString path = firstLocalFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // The drop is answered first; opening may ask questions.
    QueueOpen(path);
}
