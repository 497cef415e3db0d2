#pragma once
// Edit → Undo and Redo of the project's steps: each command names its step
// ("Undo Pulse factor") and is off with none. A field keeps Ctrl+Z for its
// own typing; with none to take back, the keys reach the project's steps.
#include <QObject>
#include <functional>

class ProjectDocument;
class QAction;
class QMenu;
class QWidget;

class UndoCommands : public QObject
{
    Q_OBJECT
public:
    // busy: a transfer is running, which undo must not change the record under.
    UndoCommands(ProjectDocument *document, QAction *undo, QAction *redo, QWidget *window,
                 std::function<bool()> busy);

    void undo() { step(true); }
    void redo() { step(false); }
    // Texts and states for the present steps.
    void updateActions();
    // Opening the menu ends the visit of the field being typed in, so that
    // Undo names what was typed there.
    void watchMenu(QMenu *menu);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void step(bool undo);

    ProjectDocument *m_document;
    QAction *m_undo;
    QAction *m_redo;
    QWidget *m_window;
    std::function<bool()> m_busy;
};
