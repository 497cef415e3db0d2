#include "NumericEdit.h"

#include "base/Language.h"
#include "mainwindow/FrameServices.h"

#include <QApplication>
#include <QKeyEvent>
#include <QToolTip>

#include <algorithm>

namespace {

bool isSign(QChar c)
{
    return c == QLatin1Char('+') || c == QLatin1Char('-');
}

bool isSeparator(QChar c)
{
    return c == QLatin1Char('.') || c == QLatin1Char(',');
}

bool isStar(QChar c)
{
    return c == QLatin1Char('*');
}

bool containsAny(const QString &text, bool (*kind)(QChar))
{
    return std::any_of(text.cbegin(), text.cend(), kind);
}

}

NumericEdit::NumericEdit(QWidget *parent)
    : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, &NumericEdit::normalise);
}

bool NumericEdit::accepts(QChar c) const
{
    if (c == QLatin1Char('\b'))
        return true;
    static const QString decimal = QStringLiteral("0123456789.,-+");
    static const QString star = QStringLiteral("0123456789*");
    bool acceptable = (m_mode == Mode::Decimal ? decimal : star).contains(c);
    const QString current = text();
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    // Typing in front of a number may put a sign before one that follows.
    if (start != 0 || current.isEmpty()) {
        if ((isSign(c) && containsAny(current, isSign)) || (isSeparator(c) && containsAny(current, isSeparator))
            || (isStar(c) && containsAny(current, isStar)))
            acceptable = false;
    }
    return acceptable;
}

QString NumericEdit::refusalOf(QChar c) const
{
    if (m_mode == Mode::Star)
        return loadTranslatedString(5982);
    if (isSeparator(c))
        return loadTranslatedString(5979);
    return loadTranslatedString(isSign(c) ? 5980 : 5981);
}

void NumericEdit::keyPressEvent(QKeyEvent *event)
{
    // Only characters typed as such are filtered; editing keys and shortcuts
    // (Backspace, arrows, Ctrl+V) do what they always do.
    const QString typed = event->text();
    const bool shortcut = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (typed.size() == 1 && typed.front().isPrint() && !shortcut && !accepts(typed.front())) {
        QApplication::beep();
        event->accept();
        // A beep alone is often not heard: "1.000,5" typed as a thousand
        // would otherwise end up as 1.0005 without a word.
        const QString why = refusalOf(typed.front());
        QToolTip::showText(mapToGlobal(QPoint(0, height())), why, this);
        if (FrameServices *frame = mainWindowServices())
            frame->showStatusNote(why);
        emit characterRefused(typed.front());
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void NumericEdit::normalise()
{
    const QString current = text();
    if (current == m_lastText)
        return;
    QString normalised = current;
    normalised.replace(QLatin1Char(','), QLatin1Char('.'));
    m_lastText = normalised;
    if (normalised == current)
        return;
    const int cursor = cursorPosition();
    const int start = selectionStart();
    const int length = selectedText().size();
    // Setting the text calls this again; the text then equals the last text.
    setText(normalised);
    if (start < 0)
        setCursorPosition(cursor);
    else if (cursor == start)
        setSelection(start + length, -length);
    else
        setSelection(start, length);
}

void NumericEdit::setColouring(bool on)
{
    m_colouring = on;
    applyColours();
}

void NumericEdit::setTextColour(const QColor &colour)
{
    m_textColour = colour;
    applyColours();
}

void NumericEdit::applyColours()
{
    QPalette colours = palette();
    const QPalette plain = parentWidget() ? parentWidget()->palette() : QApplication::palette(this);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        colours.setColor(group, QPalette::Text, m_colouring ? m_textColour : plain.color(group, QPalette::Text));
        colours.setColor(group, QPalette::Base, plain.color(group, QPalette::Base));
    }
    setPalette(colours);
}
