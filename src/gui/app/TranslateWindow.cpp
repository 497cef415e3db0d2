#include "TranslateWindow.h"

#include "base/Language.h"
#include "resources/UntaggedTexts.h"

#include <QAbstractButton>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

static bool doubleByteSystem()
{
#ifdef Q_OS_WIN
    return GetSystemMetrics(SM_DBCSENABLED) != 0;
#else
    return false;
#endif
}

void applyDbcsFont(QWidget *window)
{
    if (!window || !doubleByteSystem())
        return;
    const QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    for (QWidget *child : window->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        child->setFont(font);
}

// Reads and writes the one text a widget shows, whatever its kind.
static QString textOf(QWidget *w)
{
    if (auto *label = qobject_cast<QLabel *>(w))
        return label->text();
    if (auto *button = qobject_cast<QAbstractButton *>(w))
        return button->text();
    if (auto *box = qobject_cast<QGroupBox *>(w))
        return box->title();
    return QString();
}

static void setTextOf(QWidget *w, const QString &text)
{
    if (auto *label = qobject_cast<QLabel *>(w))
        label->setText(text);
    else if (auto *button = qobject_cast<QAbstractButton *>(w))
        button->setText(text);
    else if (auto *box = qobject_cast<QGroupBox *>(w))
        box->setTitle(text);
}

// A tagged text through the pack's tag lookup, one of the forms' few
// untagged German texts by its program string.
static bool translate(Language &language, QWidget *window, const QString &text, QString &translated)
{
    if (language.translateText(window, text.left(255), translated))
        return true;
    const int id = untagged_texts::stringId(text);
    if (id == 0)
        return false;
    translated = loadTranslatedString(id);
    return true;
}

void translateWindow(QWidget *window)
{
    if (!window)
        return;
    applyDbcsFont(window);
    Language &language = Language::instance();
    QString translated;
    if (translate(language, window, window->windowTitle(), translated))
        window->setWindowTitle(translated);
    for (QWidget *child : window->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (translate(language, window, textOf(child), translated))
            setTextOf(child, translated);
    }
}
