#include "UndoCommands.h"

#include "MainMenu.h"
#include "base/Language.h"
#include "model/ProjectDocument.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QUndoStack>

UndoCommands::UndoCommands(ProjectDocument *document, QAction *undo, QAction *redo, QWidget *window,
                           std::function<bool()> busy)
    : QObject(window)
    , m_document(document)
    , m_undo(undo)
    , m_redo(redo)
    , m_window(window)
    , m_busy(std::move(busy))
{
    // Ctrl+Shift+Z everywhere, Ctrl+Y as well.
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    for (const QKeySequence &key : {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)}) {
        if (!redoKeys.contains(key))
            redoKeys << key;
    }
    m_undo->setShortcuts(QKeySequence::Undo);
    m_redo->setShortcuts(redoKeys);
    QUndoStack *steps = document->undoStack();
    for (auto signal : {&QUndoStack::undoTextChanged, &QUndoStack::redoTextChanged})
        connect(steps, signal, this, &UndoCommands::updateActions);
    for (auto signal : {&QUndoStack::canUndoChanged, &QUndoStack::canRedoChanged})
        connect(steps, signal, this, &UndoCommands::updateActions);
    qApp->installEventFilter(this);
}

void UndoCommands::step(bool undo)
{
    if (m_busy())
        return;
    // What is typed in the field that has the focus is a step of its own,
    // the one the menu names.
    m_document->commitEditorQuietly();
    QUndoStack *steps = m_document->undoStack();
    if (undo)
        steps->undo();
    else
        steps->redo();
}

void UndoCommands::updateActions()
{
    const QUndoStack *steps = m_document->undoStack();
    const struct
    {
        QAction *command;
        bool can;
        QString step;
        int stepTextId;
        int textId;
    } actions[] = {{m_undo, steps->canUndo(), steps->undoText(), main_menu::UndoStepTextId,
                    main_menu::menuTextId(m_undo->data().toInt())},
                   {m_redo, steps->canRedo(), steps->redoText(), main_menu::RedoStepTextId,
                    main_menu::menuTextId(m_redo->data().toInt())}};
    for (const auto &a : actions) {
        a.command->setEnabled(a.can);
        a.command->setText(a.can && !a.step.isEmpty() ? loadTranslatedString(a.stepTextId).arg(a.step)
                                                      : loadTranslatedString(a.textId));
        a.command->setToolTip(a.command->text().remove(QLatin1Char('&')));
    }
}

void UndoCommands::watchMenu(QMenu *menu)
{
    connect(menu, &QMenu::aboutToShow, this, [this] { m_document->commitEditorQuietly(); });
}

bool UndoCommands::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    auto *field = qobject_cast<QLineEdit *>(watched);
    if (!field || !m_window->isAncestorOf(field))
        return false;
    const QKeySequence pressed(static_cast<QKeyEvent *>(event)->keyCombination());
    if ((m_undo->shortcuts().contains(pressed) && !field->isUndoAvailable())
        || (m_redo->shortcuts().contains(pressed) && !field->isRedoAvailable())) {
        // Not the field's: the window's shortcut takes the keys.
        event->ignore();
        return true;
    }
    return false;
}
