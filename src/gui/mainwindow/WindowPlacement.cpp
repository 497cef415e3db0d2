#include "WindowPlacement.h"

#include "base/SettingsStore.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

namespace window_placement {

static const QString Section = QStringLiteral("Settings");
constexpr int ShowNormal = 1;
constexpr int ShowMinimized = 2;
constexpr int ShowMaximized = 3;

void storeOnClose(const QWidget *window, int treeWidth)
{
    const Qt::WindowStates notNormal = Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen;
    if (!(window->windowState() & notNormal)) {
        const QRect r = window->geometry();
        settings_store::writeInt(Section, QStringLiteral("status"), ShowNormal);
        settings_store::writeInt(Section, QStringLiteral("left"), r.x());
        settings_store::writeInt(Section, QStringLiteral("top"), r.y());
        settings_store::writeInt(Section, QStringLiteral("right"), r.x() + r.width());
        settings_store::writeInt(Section, QStringLiteral("bottom"), r.y() + r.height());
    }
    settings_store::writeInt(Section, QStringLiteral("ColumnWidth_0"), treeWidth);
}

// A rectangle left from a screen that is no longer attached would put the
// window where nobody can reach it: it then moves onto the primary screen.
static QRect onSomeScreen(const QRect &r)
{
    for (const QScreen *screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().intersects(r))
            return r;
    }
    const QScreen *primary = QGuiApplication::primaryScreen();
    if (!primary)
        return r;
    return QRect(primary->availableGeometry().topLeft(), r.size());
}

bool restoreStored(QWidget *window)
{
    const int status = settings_store::readInt(Section, QStringLiteral("status"), -1);
    const int top = settings_store::readInt(Section, QStringLiteral("top"), -1);
    const int left = settings_store::readInt(Section, QStringLiteral("left"), -1);
    const int bottom = settings_store::readInt(Section, QStringLiteral("bottom"), -1);
    const int right = settings_store::readInt(Section, QStringLiteral("right"), -1);
    if (bottom == top || right == left)
        return false;
    // A rectangle stored with its corners swapped is read the right way round,
    // and one smaller than the window can be is made large enough.
    QRect normal = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)).normalized();
    normal.setSize(normal.size().expandedTo(window->minimumSize()).expandedTo(window->minimumSizeHint()));
    normal = onSomeScreen(normal);
    switch (status) {
    case ShowMaximized:
        window->setGeometry(normal);
        window->showMaximized();
        break;
    case ShowMinimized:
        window->setGeometry(normal);
        window->showMinimized();
        break;
    default:
        window->showNormal();
        window->setGeometry(normal);
        break;
    }
    return true;
}

int storedTreeWidth()
{
    return settings_store::readInt(Section, QStringLiteral("ColumnWidth_0"), DefaultTreeWidth);
}

void applyFirstSize(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    // Room around it, but no wider than a form needs on a large screen.
    QSize size = (available.size() * 0.85).boundedTo(QSize(1600, 1100));
    size = size.expandedTo(window->minimumSize()).boundedTo(available.size());
    QRect normal(QPoint(0, 0), size);
    normal.moveCenter(available.center());
    window->setGeometry(normal);
}

}
