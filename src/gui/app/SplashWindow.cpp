#include "SplashWindow.h"

#include "resources/ProgramPictures.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>

namespace {

bool g_enabled = false;
QPointer<SplashWindow> g_current;
QPointer<QWidget> g_owner;
QPointer<QWidget> g_activeBefore; // the window that had the keyboard before
// A key that closed the splash window through its shortcut check: its key
// press follows and must be used up as well.
bool g_swallowKeyPress = false;

// Hands every event of the application to the splash window first.
class SplashEventFilter : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject *, QEvent *event) override { return SplashWindow::handleAppEvent(event); }
};

void installFilterOnce()
{
    static SplashEventFilter *filter = nullptr;
    if (!filter && qApp) {
        filter = new SplashEventFilter(qApp);
        qApp->installEventFilter(filter);
    }
}

}

void SplashWindow::enableSplashScreen(bool enable)
{
    g_enabled = enable;
}

SplashWindow *SplashWindow::current()
{
    return g_current.data();
}

void SplashWindow::showSplashScreen(QWidget *parent, int durationMs)
{
    if (!g_enabled || g_current)
        return;
    const QImage picture = programPicture(program_pictures::SplashPicture);
    if (picture.isNull())
        return;
    installFilterOnce();
    g_owner = parent;
    g_activeBefore = QApplication::activeWindow();
    g_current = new SplashWindow(parent, picture, durationMs);
    g_current->show();
    g_current->repaint(); // the picture shows before the main window is filled
}

SplashWindow::SplashWindow(QWidget *parent, const QImage &picture, int durationMs)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus)
    , m_picture(picture)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating); // the main window keeps the keyboard
    setCursor(Qt::ArrowCursor);
    setFixedSize(picture.size());
    QRect area;
    if (parent && parent->isVisible())
        area = parent->window()->frameGeometry();
    else if (QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    if (area.isValid())
        move(area.center() - rect().center());
    m_timerId = startTimer(durationMs);
}

SplashWindow::~SplashWindow()
{
    if (g_current == this)
        g_current = nullptr;
}

void SplashWindow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawImage(0, 0, m_picture);
}

void SplashWindow::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == m_timerId)
        hideSplashScreen();
}

void SplashWindow::hideSplashScreen()
{
    SplashWindow *splash = g_current;
    if (!splash)
        return;
    g_current = nullptr;
    splash->killTimer(splash->m_timerId);
    const bool splashWasActive = QApplication::activeWindow() == splash || !QApplication::activeWindow();
    splash->close(); // deletes it
    if (g_owner)
        g_owner->window()->repaint();
    // Where the window system gave the splash the keyboard, it goes back.
    QWidget *back = g_activeBefore ? g_activeBefore.data() : (g_owner ? g_owner->window() : nullptr);
    if (splashWasActive && back && back->isVisible())
        back->activateWindow();
}

bool SplashWindow::handleAppEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Keys are first checked against the shortcuts; claiming the key here
        // keeps a shortcut from firing for the key that closes the splash.
        if (!g_current)
            return false;
        hideSplashScreen();
        g_swallowKeyPress = true;
        event->accept();
        return true;
    case QEvent::KeyPress:
        if (!g_current && !g_swallowKeyPress)
            return false;
        g_swallowKeyPress = false;
        hideSplashScreen();
        return true;
    case QEvent::KeyRelease:
        g_swallowKeyPress = false;
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonDblClick:
        if (!g_current)
            return false;
        hideSplashScreen();
        return true;
    default:
        return false;
    }
}
