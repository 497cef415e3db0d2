// Makes the README's screenshots from the real program: starts the desktop
// program's application object as main() does (on the offscreen platform,
// with settings of its own so the user's stay untouched), drives it through
// its own commands and saves grabs of its windows as PNG files.
//
// usage: skaleron_screenshots OUTPUT_FOLDER
#include "dialogs/CompareDialog.h"
#include "dialogs/OptionsDialog.h"
#include "app/DesktopApp.h"
#include "app/SplashWindow.h"
#include "base/Language.h"
#include "base/SettingsStore.h"
#include "mainwindow/MainWindow.h"
#include "dialogs/TransferProgressDialog.h"
#include "mainwindow/CommandIds.h"
#include "link/BlockBackup.h"
#include "model/ConfigRecord.h"
#include "model/ProjectDocument.h"
#include "model/ProjectFile.h"
#include "dialogs/SensorSelectionDialog.h"
#include "views/CalibrationView.h"
#include "views/PaneSplitter.h"
#include "views/ProjectTreeView.h"
#include "views/ViewFactory.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QProgressBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <cstdio>
#include <functional>

namespace {

QDir g_out;
int g_failures = 0;
QString g_sampleProject;

void settle(int ms = 150)
{
    const QDeadlineTimer until(ms);
    while (!until.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

void saveNow(QWidget *widget, const QString &name)
{
    const QString path = g_out.filePath(name + QStringLiteral(".png"));
    if (!widget || !widget->grab().save(path)) {
        std::fprintf(stderr, "screenshots: could not make %s\n", qPrintable(name));
        ++g_failures;
        return;
    }
    std::printf("%s\n", qPrintable(path));
}

void save(QWidget *widget, const QString &name)
{
    settle();
    saveNow(widget, name);
}

// Triggers a command that opens a modal dialog, lets prepare act on the
// dialog, saves it and closes it with Cancel (nothing changes).
void saveModal(MainWindow *frame, int commandId, const QString &name,
               const std::function<void(QDialog *)> &prepare = {})
{
    QAction *action = frame->action(commandId);
    if (!action) {
        std::fprintf(stderr, "screenshots: the main window has no command %d\n", commandId);
        ++g_failures;
        return;
    }
    bool seen = false;
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [&, poll] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll->stop();
        seen = true;
        settle();
        if (prepare)
            prepare(dialog);
        save(dialog, name);
        dialog->reject();
    });
    poll->start(50);
    QTimer::singleShot(15000, poll, [poll] { poll->stop(); });
    action->trigger();
    settle();
    delete poll;
    if (!seen) {
        std::fprintf(stderr, "screenshots: command %d opened no dialog\n", commandId);
        ++g_failures;
    }
}

// Grabs the transfer's progress window between two of its step reports, so
// that the picture shows a step under way however fast the demo gauge is.
class ProgressGrabber : public QObject
{
public:
    explicit ProgressGrabber(const QString &name) : m_name(name) {}
    bool saved = false;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *dialog = qobject_cast<TransferProgressDialog *>(watched);
        if (saved || !dialog || event->type() != QEvent::MetaCall || !dialog->isVisible())
            return false;
        auto *bar = dialog->findChild<QProgressBar *>();
        if (!bar || bar->maximum() == 0 || bar->value() * 2 < bar->maximum())
            return false;
        saved = true;
        saveNow(dialog, m_name); // no event processing here: the worker's reports are queued
        return false;
    }

private:
    QString m_name;
};

// Runs a gauge transfer against the demo gauge and saves its progress window.
void saveTransfer(MainWindow *frame, int commandId, const QString &name)
{
    QAction *action = frame->action(commandId);
    if (!action || !action->isEnabled()) {
        std::fprintf(stderr, "screenshots: command %d is not available\n", commandId);
        ++g_failures;
        return;
    }
    ProgressGrabber grabber(name);
    qApp->installEventFilter(&grabber);
    action->trigger(); // returns when the transfer has ended
    qApp->removeEventFilter(&grabber);
    settle();
    if (!grabber.saved) {
        std::fprintf(stderr, "screenshots: no progress window for command %d\n", commandId);
        ++g_failures;
    }
}

// Compares the sample project with the demo gauge (read behind the progress
// window) and saves the table of differences; Close leaves the project as it
// was.
void saveGaugeComparison(MainWindow *frame, const QString &name)
{
    // An earlier round's read has given the project the gauge's values.
    frame->document()->setModified(false);
    frame->openProject(g_sampleProject);
    QAction *action = frame->action(command_ids::CompareGauge);
    if (!action || !action->isEnabled()) {
        std::fprintf(stderr, "screenshots: compare with gauge is not available\n");
        ++g_failures;
        return;
    }
    bool seen = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *dialog = qobject_cast<CompareDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll.stop();
        seen = true;
        save(dialog, name);
        dialog->reject();
    });
    poll.start(50);
    action->trigger(); // returns when the table has been closed
    settle();
    if (!seen) {
        std::fprintf(stderr, "screenshots: compare with gauge showed no table\n");
        ++g_failures;
    }
}

void selectTreeItem(MainWindow *frame, int row)
{
    ProjectTreeView *tree = frame->leftView();
    if (tree && row < tree->topLevelItemCount())
        tree->setCurrentItem(tree->topLevelItem(row));
    settle(300);
}

// The temperature input's calibration with a temperature sender of the
// sample catalogue resampled to its support points; the service items are
// shown only for this picture.
void saveCalibration(MainWindow *frame)
{
    QAction *serviceItems = frame->action(command_ids::ViewServiceItems);
    ProjectTreeView *tree = frame->leftView();
    if (!serviceItems || !tree) {
        std::fprintf(stderr, "screenshots: no service items\n");
        ++g_failures;
        return;
    }
    // Their longer tree items widen the tree; the next pictures show it as before.
    const QList<int> paneWidths = frame->splitter()->sizes();
    serviceItems->trigger();
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        if (ProjectTreeView::itemCode(*it) == 301)
            tree->setCurrentItem(*it);
    }
    settle(300);
    auto *view = qobject_cast<CalibrationView *>(frame->rightView());
    if (view) {
        auto *poll = new QTimer;
        QObject::connect(poll, &QTimer::timeout, [poll] {
            auto *dialog = qobject_cast<SensorSelectionDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            poll->stop();
            qobject_cast<QComboBox *>(dialog->control(1068))->setCurrentIndex(2); // temperature senders
            auto *list = qobject_cast<QTreeWidget *>(dialog->control(1066));
            if (list->topLevelItemCount() > 0)
                list->setCurrentItem(list->topLevelItem(0));
            dialog->accept();
        });
        poll->start(50);
        view->chooseSensor();
        delete poll;
        save(frame, QStringLiteral("calibration-view"));
        // The master's settings page is a service item too.
        for (QTreeWidgetItemIterator it(tree); *it; ++it) {
            if (ProjectTreeView::itemCode(*it) == tree_codes::MasterSettings)
                tree->setCurrentItem(*it);
        }
        save(frame, QStringLiteral("master-settings"));
    } else {
        std::fprintf(stderr, "screenshots: no calibration form\n");
        ++g_failures;
    }
    serviceItems->trigger();
    frame->splitter()->setSizes(paneWidths);
    settle();
}

// A project as a technician keeps it: the speedometer with LCD of the
// sample catalogue.
QString writeSampleProject(const QDir &folder)
{
    ConfigRecord record;
    record.reset();
    record.MasterId = 1;
    record.KValue = 3600;
    record.WarnThreshold = 45;
    record.Illumination = 80;
    folder.mkpath(QStringLiteral("Projects"));
    const QString path = folder.filePath(QStringLiteral("Projects/Harbour launch.rix"));
    QString error;
    if (!project_file::writeFile(path, record, &error))
        std::fprintf(stderr, "screenshots: %s\n", qPrintable(error));
    return path;
}

// Every picture of the README, in the current language.
void shootAll(MainWindow *frame)
{
    SplashWindow::enableSplashScreen(true);
    SplashWindow::showSplashScreen(nullptr, 60000);
    save(SplashWindow::current(), QStringLiteral("splash"));
    SplashWindow::hideSplashScreen();

    selectTreeItem(frame, 1);
    save(frame, QStringLiteral("main-window-master-overview"));
    // The master's form in a maximised window on a large screen and on a
    // small one.
    const QSize usual = frame->size();
    frame->resize(1600, 1000);
    save(frame, QStringLiteral("master-form-wide"));
    frame->resize(800, 600);
    save(frame, QStringLiteral("master-form-small"));
    frame->resize(usual);
    selectTreeItem(frame, 0);
    save(frame, QStringLiteral("main-window-project"));
    saveModal(frame, command_ids::ChooseMasterType, QStringLiteral("master-type-dialog"), [](QDialog *dialog) {
        // Wide enough for the descriptions, as a user would drag the window.
        dialog->resize(640, 330);
        if (auto *list = dialog->findChild<QAbstractItemView *>()) {
            list->setCurrentIndex(list->model()->index(0, 0));
            list->setFocus();
        }
    });
    // The catalogue path as a user would type it (the build folder's path
    // means nothing to a reader); Cancel leaves the settings as they were.
    saveModal(frame, command_ids::CommunicationSettings, QStringLiteral("options-dialog"), [](QDialog *dialog) {
        if (auto *options = qobject_cast<OptionsDialog *>(dialog))
            options->databaseEdit()->setText(QStringLiteral("/srv/catalogues/skaleron-catalogue.sqlite"));
    });
    saveModal(frame, command_ids::RestoreBackup, QStringLiteral("restore-backup"));
    saveModal(frame, command_ids::AppAbout, QStringLiteral("about-box"));
    saveGaugeComparison(frame, QStringLiteral("compare-with-gauge"));
    saveCalibration(frame);
    // Last: reading replaces the project's values by the gauge's.
    saveTransfer(frame, command_ids::ReadGauge, QStringLiteral("transfer-progress"));
    // The read is in the service history now.
    saveModal(frame, command_ids::ServiceHistory, QStringLiteral("history-window"), [](QDialog *dialog) {
        // As wide as on a common screen (the offscreen one is small).
        dialog->resize(1180, 460);
    });
    // The diagnostics sheet is a service item: offered while they are shown.
    // Their longer tree items widen the tree; the next pictures show it as before.
    const QList<int> paneWidths = frame->splitter()->sizes();
    frame->action(command_ids::ViewServiceItems)->trigger();
    saveModal(frame, command_ids::Diagnostics, QStringLiteral("diagnostics-sheet"));
    frame->action(command_ids::ViewServiceItems)->trigger();
    frame->splitter()->setSizes(paneWidths);
    selectTreeItem(frame, 1);
}

}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    // The pictures show paths as a user's own, under "~", not the temporary folder's.
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home.path() + QStringLiteral("/data")).toLocal8Bit()); // backups, recovery
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
    QDir::setCurrent(home.path()); // the trace goes there, not into the sources
    // The pictures are those of the desktop program, so they share its settings name.
    settings_store::setApplicationName(QStringLiteral("skaleron"));
    settings_store::writeString(QStringLiteral("Parameters"), QStringLiteral("Language"),
                                QStringLiteral("vorn_eng32.dll"));
    // A gauge on a USB serial adapter, as most service benches have it.
    settings_store::writeString(QStringLiteral("Communication"), QStringLiteral("Device"),
                                QStringLiteral("/dev/ttyUSB0"));

    DesktopApp theApp;
    int exitCode = 0;
    // The demo gauge stands in for a gauge on the serial port.
    g_sampleProject = writeSampleProject(QDir(home.path()));
    if (!theApp.start({QStringLiteral("--demo"), g_sampleProject}, &exitCode)) {
        std::fprintf(stderr, "screenshots: the program did not start\n");
        return 1;
    }
    SplashWindow::hideSplashScreen();
    MainWindow *frame = theApp.mainFrame();
    settle(400); // the frame restores its placement when it first shows
    frame->resize(1180, 760);
    settle(200);
    // A backup as an earlier write to a block-family gauge leaves it.
    block_backup::Block block{};
    block[4] = 'B';
    block[5] = '1';
    block_backup::save(block, block_backup::defaultFolder(), nullptr);

    // The same pictures in English and in German, each set in its folder.
    for (const char *language : {"en", "de"}) {
        g_out = QDir(QString::fromLocal8Bit(argv[1]) + QLatin1Char('/') + QLatin1String(language));
        g_out.mkpath(QStringLiteral("."));
        if (QLatin1String(language) == QLatin1String("de"))
            Language::instance().switchLanguage(QStringLiteral("vorn_ger32.dll"));
        shootAll(frame);
    }
    theApp.finish(0);
    return g_failures == 0 ? 0 : 1;
}
