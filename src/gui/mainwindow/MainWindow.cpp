#include "MainWindow.h"

#include "CommandIds.h"
#include "views/ServiceItems.h"
#include "app/DemoGauge.h"
#include "link/StoredLineSelectors.h"
#include "GaugeTransferCommands.h"
#include "MainMenu.h"
#include "ProjectFileCommands.h"
#include "SheetPrinting.h"
#include "StatusNotes.h"
#include "ToolBarIcons.h"
#include "UndoCommands.h"
#include "WindowPlacement.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/DiagnosticsSheet.h"
#include "dialogs/HelpWindow.h"
#include "dialogs/FindGaugePanel.h"
#include "dialogs/HistoryDialog.h"
#include "dialogs/OptionsDialog.h"
#include "app/SplashWindow.h"
#include "base/InstallLayout.h"
#include "base/Language.h"
#include "base/SettingsStore.h"
#include "base/UserMessages.h"
#include "catalogue/CatalogueLocation.h"
#include "forms/MasterOverviewRules.h"
#include "model/ProjectDocument.h"
#include "model/RecordCheck.h"
#include "views/FormView.h"
#include "views/ProjectTreeView.h"
#include "views/ViewFactory.h"
#include "views/PaneSplitter.h"
#include "link/LineSettings.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
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

// Write's prompt, or what the gauge still needs before it can be written:
// a pulse factor outside the master type's limits (a new project's 0).
QString writeStatusTip(const ConfigRecord &config, bool masterChosen)
{
    if (masterChosen) {
        for (const record_check::Refusal &refusal : record_check::checkRecord(config)) {
            if (refusal.rule == record_check::Rule::Limits || refusal.rule == record_check::Rule::WholeNumber) {
                QString label = master_overview::pulseFactorLabel(config).trimmed();
                if (label.endsWith(QLatin1Char(':')))
                    label.chop(1);
                return loadTranslatedString(5974)
                    .arg(label, master_overview::formatLimit(refusal.allowed.low),
                         master_overview::formatLimit(refusal.allowed.high));
            }
        }
    }
    return loadTranslatedString(main_menu::promptId(command_ids::WriteGauge));
}

// The document template string's first field is the program's window title.
QString programTitle()
{
    const QString title = loadTranslatedString(128).section(QLatin1Char('\n'), 0, 0);
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
    m_gauge = new GaugeTransferCommands(document, this, [this] { return rightView(); });
    m_printing = new SheetPrinting(document, this);
    connect(m_printing, &SheetPrinting::exported, this, [this](const QString &path) {
        showStatusNote(loadTranslatedString(5986).arg(QDir::toNativeSeparators(path)));
    });
    connect(m_gauge, &GaugeTransferCommands::transferFinished, this, &MainWindow::onTransferFinished);

    createActions();
    createToolBar();
    createStatusBar();
    createClient();
    SplashWindow::showSplashScreen(this);
    reloadMenu();

    document->setCommitHook([this](ProjectDocument::CommitPurpose purpose) {
        FormView *view = rightView();
        if (!view)
            return true;
        return purpose == ProjectDocument::CommitPurpose::Leave ? view->canLeave() : view->saveToRecord();
    });
    document->setQuietCommitHook([this] {
        if (FormView *view = rightView())
            view->commitQuietly();
    });
    connect(document, &ProjectDocument::recordReloaded, this, [this] {
        m_leftView->onRecordReloaded();
        updateCommandStates();
    });
    connect(document, &ProjectDocument::modifiedChanged, this, [this] {
        updateTitle();
        updateCommandStates();
    });
    connect(document, &ProjectDocument::edited, this, &MainWindow::updateCommandStates);
    connect(document, &ProjectDocument::stateRestored, this, &MainWindow::showRestoredState);
    connect(document, &ProjectDocument::pathChanged, this, &MainWindow::updateTitle);
    connect(m_fileCommands, &ProjectFileCommands::recentFilesChanged, this, &MainWindow::updateRecentFiles);
    connect(&Language::instance(), &Language::languageSwitched, this, &MainWindow::onLanguageSwitched);

    // Room for the tree and the start of a form; the form scrolls.
    setMinimumSize(640, 420);
    window_placement::applyFirstSize(this);
    setWindowState(Qt::WindowMaximized);
    updateTitle();
    updateCommandStates();
    setMainWindowServices(this);
}

MainWindow::~MainWindow()
{
    if (mainWindowServices() == this)
        setMainWindowServices(nullptr);
    m_document->setCommitHook(nullptr);
    m_document->setQuietCommitHook(nullptr);
}

FormView *MainWindow::rightView() const
{
    return m_splitter->rightView();
}

QAction *MainWindow::action(int commandId) const
{
    return m_actions.value(commandId, nullptr);
}

void MainWindow::addHandler(int commandId, std::function<void()> handler)
{
    QAction *command = action(commandId);
    connect(command, &QAction::triggered, this, std::move(handler));
    command->setProperty("handled", true);
}

void MainWindow::createActions()
{
    for (const main_menu::Command &info : main_menu::commands()) {
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
            const QStringList entries = m_fileCommands->recentFiles().entries();
            if (i < entries.size())
                openProject(entries.at(i));
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
            FormView *form = rightView();
            if (m_leftView->hasFocus() && form)
                form->setFocus(Qt::ShortcutFocusReason);
            else
                m_leftView->setFocus(Qt::ShortcutFocusReason);
        });
        addAction(action);
    }

    addHandler(FileNew, [this] { m_fileCommands->fileNew(); });
    addHandler(FileOpen, [this] { m_fileCommands->fileOpen(); });
    addHandler(FileSave, [this] { m_fileCommands->fileSave(); });
    addHandler(FileSaveAs, [this] { m_fileCommands->fileSaveAs(); });
    addHandler(FileCompare, [this] { m_fileCommands->compareWithFile(); });
    addHandler(FilePrint, [this] { m_printing->print(); });
    addHandler(FilePrintPreview, [this] { m_printing->printPreview(); });
    addHandler(FilePrintSetup, [this] { m_printing->printSetup(); });
    addHandler(ExportPdf, [this] { m_printing->exportPdf(); });
    addHandler(AppExit, [this] { close(); });
    m_undo = new UndoCommands(m_document, action(EditUndo), action(EditRedo), this, [this] { return m_gauge->isBusy(); });
    addHandler(EditUndo, [this] { m_undo->undo(); });
    addHandler(EditRedo, [this] { m_undo->redo(); });
    addHandler(EditCut, [this] { editCommand("cut"); });
    addHandler(EditCopy, [this] { editCommand("copy"); });
    addHandler(EditPaste, [this] { editCommand("paste"); });

    addHandler(ChooseMasterType, [this] { onChooseMasterType(); });
    addHandler(CommunicationSettings, [this] { onCommunicationSettings(); });
    addHandler(AppAbout, [this] {
        AboutDialog about(this);
        about.exec();
    });
    addHandler(HelpManual, [this] { HelpWindow::showManual(this); });
    addHandler(ReadGauge, [this] { m_gauge->readFromGauge(); });
    addHandler(WriteGauge, [this] { m_gauge->writeToGauge(); });
    addHandler(RestoreBackup, [this] { m_gauge->restoreBackup(); });
    addHandler(CompareGauge, [this] { m_gauge->compareWithGauge(); });
    addHandler(ServiceHistory, [this] { showServiceHistory(); });
    action(VerifyAfterWrite)->setCheckable(true);
    action(VerifyAfterWrite)->setChecked(::verifyAfterWrite());
    addHandler(VerifyAfterWrite, [this] {
        const bool wanted = action(VerifyAfterWrite)->isChecked();
        const settings_store::FailuresToldByCaller toldHere;
        if (::setVerifyAfterWrite(wanted))
            return;
        // Told, and undone in the mark and in what this session's writes read.
        ::setVerifyAfterWrite(!wanted);
        action(VerifyAfterWrite)->setChecked(!wanted);
        settings_store::tellNotStored();
    });
    addHandler(Diagnostics, [this] {
        DiagnosticsSheet sheet(m_document->config().FirmwareVersion, this);
        sheet.exec();
    });

    action(ViewToolBar)->setCheckable(true);
    action(ViewToolBar)->setChecked(true);
    addHandler(ViewToolBar, [this] { m_toolBar->setVisible(action(ViewToolBar)->isChecked()); });
    action(ViewStatusBar)->setCheckable(true);
    action(ViewStatusBar)->setChecked(true);
    addHandler(ViewStatusBar, [this] { statusBar()->setVisible(action(ViewStatusBar)->isChecked()); });
    action(ViewServiceItems)->setCheckable(true);
    action(ViewServiceItems)->setChecked(service_items::shown());
    addHandler(ViewServiceItems, [this] {
        const bool shown = action(ViewServiceItems)->isChecked();
        // The form's entries go into the project before the tree changes; a
        // refused one (the form said why) keeps tree and form as they are.
        if (!m_document->commitEditor()) {
            action(ViewServiceItems)->setChecked(!shown);
            return;
        }
        service_items::setShown(shown);
        m_leftView->refreshTree();
        updateCommandStates();
    });
}

void MainWindow::showRestoredState(bool masterTypeChanged, int changedInput)
{
    // The change is shown where it is: undone out of sight, it looked as if
    // Undo had done nothing, and a second Undo took back one more step.
    const int shown = m_document->selectedTreeItem();
    int where = 0;
    if (changedInput >= 0) {
        const int input = (changedInput + 2) * 100;
        if (shown != input + tree_codes::CalibrationOffset && shown != input + tree_codes::GaugeOffset)
            where = input + tree_codes::CalibrationOffset;
    } else if (shown != tree_codes::Master) {
        where = tree_codes::Master;
    }
    if (masterTypeChanged)
        m_leftView->onStateRestored();
    else if (!where || !m_leftView->showRestoredItem(where)) {
        if (FormView *view = rightView())
            view->loadFromRecord();
    }
    updateCommandStates();
}

void MainWindow::editCommand(const char *slot)
{
    // The editing commands act on the field that has the focus.
    if (QWidget *focus = QApplication::focusWidget())
        QMetaObject::invokeMethod(focus, slot);
}

void MainWindow::createToolBar()
{
    m_toolBar = addToolBar(QString());
    m_toolBar->setObjectName(QStringLiteral("toolBar"));
    m_toolBar->setMovable(false);
    m_toolBar->setIconSize(QSize(16, 16));
    for (int id : {FileNew, FileOpen, FileSave, 0, EditCut, EditCopy, EditPaste, 0, AppAbout}) {
        if (id == 0)
            m_toolBar->addSeparator();
        else {
            action(id)->setIcon(toolBarIcon(id));
            m_toolBar->addAction(action(id));
        }
    }
}

void MainWindow::createStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("statusBar"));
    // The message pane shows "Ready" whenever no prompt is shown.
    connect(bar, &QStatusBar::messageChanged, this, [bar](const QString &message) {
        if (message.isEmpty())
            bar->showMessage(loadTranslatedString(57345));
    });
    bar->showMessage(loadTranslatedString(57345));
    m_notes = std::make_unique<StatusNotes>(bar);
}

void MainWindow::showDemoNotice()
{
    m_notes->showDemoGauge();
    m_notes->update(*m_document);
}

void MainWindow::createClient()
{
    m_splitter = new PaneSplitter(this);
    m_leftView = new ProjectTreeView(m_document, m_splitter);
    m_splitter->setLeftPane(m_leftView, window_placement::storedTreeWidth());
    setCentralWidget(m_splitter);
    connect(m_leftView, &ProjectTreeView::linkSelfTestRequested, this, [this] { m_gauge->runLinkSelfTest(); });
    m_leftView->initialize();
}

void MainWindow::buildMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    for (const main_menu::Popup &popup : main_menu::menuBar()) {
        QMenu *menu = bar->addMenu(QString());
        menu->setObjectName(QStringLiteral("menu%1").arg(popup.textId));
        m_menus.append({menu, popup.textId});
        if (popup.textId == main_menu::EditMenuTextId)
            m_undo->watchMenu(menu);
        for (int id : popup.commands) {
            if (id == main_menu::Separator) {
                menu->addSeparator();
            } else if (id == main_menu::RecentFiles) {
                for (QAction *recent : std::as_const(m_recentActions))
                    menu->addAction(recent);
            } else {
                menu->addAction(action(id));
            }
        }
    }
}

void MainWindow::reloadMenu()
{
    if (m_menus.isEmpty())
        buildMenus();
    for (const auto &[menu, textId] : std::as_const(m_menus))
        menu->setTitle(loadTranslatedString(textId));
    for (QAction *action : std::as_const(m_actions)) {
        const int id = action->data().toInt();
        action->setText(loadTranslatedString(main_menu::menuTextId(id)));
        action->setStatusTip(loadTranslatedString(main_menu::promptId(id)));
        action->setToolTip(action->text().remove(QLatin1Char('&')));
    }
    for (QAction *action : std::as_const(m_recentActions))
        action->setStatusTip(loadTranslatedString(main_menu::promptId(action->data().toInt())));
    updateRecentFiles();
    updateCommandStates();
}

void MainWindow::updateRecentFiles()
{
    const QStringList &entries = m_fileCommands->recentFiles().entries();
    for (int i = 0; i < m_recentActions.size(); ++i) {
        QAction *action = m_recentActions.at(i);
        if (i < entries.size()) {
            action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(entries.at(i))));
            action->setEnabled(true);
            action->setVisible(true);
        } else if (i == 0) {
            // An empty list shows one grey placeholder line.
            action->setText(loadTranslatedString(main_menu::RecentFilePlaceholderId));
            action->setEnabled(false);
            action->setVisible(true);
        } else {
            action->setVisible(false);
        }
    }
}

void MainWindow::updateCommandStates()
{
    for (QAction *action : std::as_const(m_actions))
        action->setEnabled(action->property("handled").toBool());
    // A master type the catalogue lacks gives no link family to talk in.
    const bool masterChosen = m_document->masterTypeChosen();
    action(ReadGauge)->setEnabled(action(ReadGauge)->isEnabled() && masterChosen);
    action(WriteGauge)->setEnabled(action(WriteGauge)->isEnabled() && masterChosen);
    action(CompareGauge)->setEnabled(action(CompareGauge)->isEnabled() && masterChosen);
    action(WriteGauge)->setStatusTip(writeStatusTip(m_document->config(), masterChosen));
    m_notes->update(*m_document);
    // The diagnostics sheet is a service item.
    action(Diagnostics)->setEnabled(action(Diagnostics)->isEnabled() && service_items::shown());
    m_undo->updateActions();
}

void MainWindow::updateTitle()
{
    setWindowTitle(m_document->title() + QStringLiteral("[*] - ") + programTitle());
    setWindowModified(m_document->isModified());
}

void MainWindow::onLanguageSwitched()
{
    m_document->retranslateSteps(); // before the menu names them
    reloadMenu();
    updateTitle();
    m_leftView->refreshTree();
    statusBar()->showMessage(loadTranslatedString(57345));
    m_notes->update(*m_document);
}

void MainWindow::onChooseMasterType()
{
    m_leftView->addMaster();
    updateCommandStates();
}

void MainWindow::onCommunicationSettings()
{
    StoredLineSelectors settings = StoredLineSelectors::load();
    const QString catalogue = catalogue_location::databasePath();
    // What the user chose here and the file did not take is told, each time.
    const settings_store::FailuresToldByCaller toldHere;
    OptionsDialog options(this);
    options.setComPortName(settings.portName());
    if (m_document->masterTypeChosen() && m_document->config().isKnownType())
        options.findGauge()->setProjectFamily(m_document->config().family());
    // The demo gauges' own terminals are no ports to choose: OK would not
    // keep them, though Find gauge would say one was chosen.
    if (const DemoGauge *demo = gaugeCommands().demoGauge())
        options.setDemoPorts({demo->devicePath(LinkFamily::Block), demo->devicePath(LinkFamily::Register)});
    // A language switched there has rebuilt the tree and the form already.
    if (options.exec() != QDialog::Accepted)
        return;
    const StoredLineSelectors before = settings;
    settings.port = portNumberFromName(options.comPortName(), settings.port);
    settings.device = options.devicePath();
    DemoGauge *demo = gaugeCommands().demoGauge();
    // The demo gauge's own terminal (Find gauge finds it) is no port to keep.
    if (demo && demo->isItsDevice(settings.device))
        settings.device = before.device;
    settings.store();
    if (toldHere.failures() > 0)
        settings_store::tellNotStored();
    // A port chosen while the demo gauge stands in is the one to talk to now.
    if (demo && (settings.port != before.port || settings.device != before.device)) {
        gaugeCommands().setDemoGauge(nullptr);
        setSessionPortDevice(QString());
        m_notes->endDemoGauge();
    }
    // The open project's type as the catalogue now describes it: Read and
    // Write, the form and the notes follow without opening the file again.
    if (catalogue_location::databasePath() != catalogue) {
        m_document->lookUpMasterTypeAgain();
        m_leftView->onStateRestored();
        updateCommandStates();
    }
    m_notes->update(*m_document);
}

void MainWindow::showServiceHistory()
{
    QVector<service_history::Entry> entries;
    QString reason;
    if (!service_history::read(service_history::Filter(), &entries, &reason)) {
        user_messages::show(reason, user_messages::Icon::Exclamation);
        return;
    }
    HistoryDialog dialog(entries, this);
    // Cancel at the save question, or a project that cannot be read, leaves
    // the user in the list, filter and all, not back at the main window.
    while (dialog.exec() == QDialog::Accepted && !dialog.projectToOpen().isEmpty()) {
        if (openProject(dialog.projectToOpen()) || m_gauge->isBusy())
            break;
    }
}

bool MainWindow::openProject(const QString &path)
{
    if (m_gauge->isBusy()) {
        queueOpen(path);
        return false;
    }
    return m_fileCommands->openProject(path);
}

void MainWindow::queueOpen(const QString &path)
{
    if (path == m_openingQueued || m_openQueue.contains(path))
        return;
    m_openQueue.append(path);
    QMetaObject::invokeMethod(this, &MainWindow::openQueued, Qt::QueuedConnection);
}

void MainWindow::openQueued()
{
    // A transfer that ends comes back here.
    if (!m_openingQueued.isEmpty() || m_openQueue.isEmpty() || m_gauge->isBusy())
        return;
    // Whatever the user is answering now comes first.
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget()) {
        QTimer::singleShot(100, this, &MainWindow::openQueued);
        return;
    }
    m_openingQueued = m_openQueue.takeFirst();
    m_fileCommands->openProject(m_openingQueued);
    m_openingQueued.clear();
    if (!m_openQueue.isEmpty())
        QMetaObject::invokeMethod(this, &MainWindow::openQueued, Qt::QueuedConnection);
}

void MainWindow::presetCounter(int startAddress, int cellCount, quint32 counterValue)
{
    m_gauge->presetCounter(startAddress, cellCount, counterValue);
}

void MainWindow::showStatusNote(const QString &text)
{
    statusBar()->showMessage(text, 8000);
}

void MainWindow::withdrawStatusNote(const QString &text)
{
    if (statusBar()->currentMessage() == text)
        statusBar()->clearMessage();
}

void MainWindow::onTransferFinished()
{
    updateCommandStates();
    if (m_closeAfterTransfer) {
        m_closeAfterTransfer = false;
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
        return;
    }
    QMetaObject::invokeMethod(this, &MainWindow::openQueued, Qt::QueuedConnection);
}

bool MainWindow::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && m_firstActivation) {
        m_firstActivation = false;
        window_placement::restoreStored(this);
    }
    return QMainWindow::event(event);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // A transfer stops after its present transaction; then the window
    // closes as usual (asking to save the project first).
    if (m_gauge->isBusy()) {
        m_closeAfterTransfer = true;
        m_gauge->cancelRunning();
        event->ignore();
        return;
    }
    if (!m_fileCommands->saveModified()) {
        event->ignore();
        return;
    }
    window_placement::storeOnClose(this, m_splitter->leftPaneWidth());
    event->accept();
}

void MainWindow::contextMenuEvent(QContextMenuEvent *event)
{
    QPoint where = event->globalPos();
    if (event->reason() == QContextMenuEvent::Keyboard)
        where = mapToGlobal(centralWidget()->geometry().topLeft() + QPoint(5, 5));
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("contextMenu"));
    for (int id : main_menu::contextMenu()) {
        if (id == main_menu::Separator)
            menu.addSeparator();
        else
            menu.addAction(action(id));
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
    queueOpen(path);
}
