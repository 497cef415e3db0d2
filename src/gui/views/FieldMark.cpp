#include "FieldMark.h"

#include "mainwindow/FrameServices.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace field_mark {

static void tellStatusBar(const QString &text)
{
    if (FrameServices *frame = mainWindowServices())
        frame->showStatusNote(text);
}

void mark(QWidget *field, QLabel *note, const QString &reason)
{
    // The frame goes by the widget's class name so that a list or a line
    // edit is framed alike.
    field->setStyleSheet(reason.isEmpty() ? QString()
                                          : QStringLiteral("%1 { border: 2px solid #c00000; }")
                                                .arg(QString::fromLatin1(field->metaObject()->className())));
    if (note) {
        say(note, reason);
        return;
    }
    const QString before = field->toolTip();
    if (before == reason)
        return;
    field->setToolTip(reason);
    if (!reason.isEmpty())
        tellStatusBar(reason);
    else if (FrameServices *frame = mainWindowServices())
        frame->withdrawStatusNote(before);
}

namespace {

// Shows or hides a note once the mouse button is up again.
class ShowOnRelease : public QObject
{
public:
    explicit ShowOnRelease(QLabel *note)
        : QObject(note), m_note(note)
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonRelease && QGuiApplication::mouseButtons() == Qt::NoButton) {
            // After the release has reached its button.
            QTimer::singleShot(0, m_note, [note = m_note] { note->setVisible(!note->text().isEmpty()); });
            deleteLater();
        }
        return false;
    }

private:
    QLabel *m_note;
};

}

void say(QLabel *note, const QString &text)
{
    note->setText(text);
    // A field is often left by clicking a button or box below its note: a
    // note appearing now would move it from under the pointer, and a button
    // released away from its place ignores the click.
    if (QGuiApplication::mouseButtons() != Qt::NoButton && note->isHidden() != text.isEmpty()) {
        if (!note->findChild<ShowOnRelease *>(QString(), Qt::FindDirectChildrenOnly))
            new ShowOnRelease(note);
        return;
    }
    note->setVisible(!text.isEmpty());
}

void refuse(QLineEdit *field, QLabel *note, const QString &reason)
{
    mark(field, note, reason);
    tellStatusBar(reason);
    field->selectAll();
    field->setFocus(Qt::OtherFocusReason);
}

}
