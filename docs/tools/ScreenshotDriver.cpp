// Makes the README's screenshots from the real program: starts the desktop
// program's application object as main() does (on the offscreen platform,
// with settings of its own so the user's stay untouched), drives it through
// its own commands and saves grabs of its windows as PNG files.
//
// usage: skaleron_screenshots OUTPUT_FOLDER
#include "app/CRixApp.h"
#include "app/CSplashWnd.h"
#include "app/SettingsStore.h"
#include "frame/CMainFrame.h"
#include "frame/CommandIds.h"
#include "model/CConfigData.h"
#include "model/ProjectFile.h"
#include "views/CLeftView.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <functional>

namespace {

QDir g_out;
int g_failures = 0;

void settle(int ms = 150)
{
    const QDeadlineTimer until(ms);
    while (!until.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

void save(QWidget *widget, const QString &name)
{
    settle();
    const QString path = g_out.filePath(name + QStringLiteral(".png"));
    if (!widget || !widget->grab().save(path)) {
        std::fprintf(stderr, "screenshots: could not make %s\n", qPrintable(name));
        ++g_failures;
        return;
    }
    std::printf("%s\n", qPrintable(path));
}

// Triggers a command that opens a modal dialog, lets prepare act on the
// dialog, saves it and closes it with Cancel (nothing changes).
void saveModal(CMainFrame *frame, int commandId, const QString &name,
               const std::function<void(QDialog *)> &prepare = {})
{
    QAction *action = frame->Action(commandId);
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

void selectTreeItem(CMainFrame *frame, int row)
{
    CLeftView *tree = frame->LeftView();
    if (tree && row < tree->topLevelItemCount())
        tree->setCurrentItem(tree->topLevelItem(row));
    settle(300);
}

// A project as a technician keeps it: the speedometer with LCD of the
// sample catalogue.
QString writeSampleProject(const QDir &folder)
{
    CConfigData record;
    record.Reset();
    record.MasterId = 1;
    record.KValue = 3600;
    record.WarnThreshold = 45;
    record.Illumination = 80;
    const QString path = folder.filePath(QStringLiteral("Harbour launch.rix"));
    QString error;
    if (!project_file::WriteFile(path, record, &error))
        std::fprintf(stderr, "screenshots: %s\n", qPrintable(error));
    return path;
}

}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
    QDir::setCurrent(home.path()); // the trace goes there, not into the sources
    g_out = QDir(QString::fromLocal8Bit(argv[1]));
    g_out.mkpath(QStringLiteral("."));
    // The pictures are those of the desktop program, so they share its settings name.
    settings_store::setApplicationName(QStringLiteral("skaleron"));
    settings_store::writeString(QStringLiteral("Parameters"), QStringLiteral("Language"),
                                QStringLiteral("vorn_eng32.dll"));
    settings_store::writeInt(QStringLiteral("Settings"), QStringLiteral("ColumnWidth_0"), 220);

    CSplashWnd::EnableSplashScreen(true);
    CSplashWnd::ShowSplashScreen(nullptr, 60000);
    save(CSplashWnd::current(), QStringLiteral("splash"));
    CSplashWnd::HideSplashScreen();

    CRixApp theApp;
    int exitCode = 0;
    if (!theApp.InitInstance({writeSampleProject(QDir(home.path()))}, &exitCode)) {
        std::fprintf(stderr, "screenshots: the program did not start\n");
        return 1;
    }
    CSplashWnd::HideSplashScreen();
    CMainFrame *frame = theApp.MainFrame();
    settle(400); // the frame restores its placement when it first shows
    frame->resize(1180, 760);
    settle(200);

    selectTreeItem(frame, 1);
    save(frame, QStringLiteral("main-window-master-overview"));
    selectTreeItem(frame, 0);
    save(frame, QStringLiteral("main-window-project"));
    saveModal(frame, command_ids::ChooseMasterType, QStringLiteral("master-type-dialog"), [](QDialog *dialog) {
        if (auto *list = dialog->findChild<QAbstractItemView *>()) {
            list->setCurrentIndex(list->model()->index(0, 0));
            list->setFocus();
        }
    });
    saveModal(frame, command_ids::CommunicationSettings, QStringLiteral("options-dialog"));
    saveModal(frame, command_ids::AppAbout, QStringLiteral("about-box"));

    theApp.ExitInstance(0);
    return g_failures == 0 ? 0 : 1;
}
