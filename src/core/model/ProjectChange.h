#pragma once
// One undo step of the project: the state before and after a change of the
// user's. Pushing it changes nothing (the change is made already); undo and
// redo put the states back.
#include "ProjectDocument.h"

#include <QUndoCommand>

class ProjectChange : public QUndoCommand
{
public:
    ProjectChange(ProjectDocument *document, const ProjectDocument::State &before,
                  const ProjectDocument::State &after, ProjectDocument::StepName name, const QString &mergeKey);

    void undo() override;
    void redo() override;
    // Steps with a merge key may join; which ones do, mergeWith decides.
    int id() const override { return m_mergeKey.isEmpty() ? -1 : 1; }
    bool mergeWith(const QUndoCommand *other) override;
    // The name again, in the language now chosen.
    void retranslate() { setText(m_name()); }

private:
    ProjectDocument *m_document;
    ProjectDocument::State m_before;
    ProjectDocument::State m_after;
    ProjectDocument::StepName m_name;
    QString m_mergeKey;
    bool m_done = true; // made by the user before it was pushed
};
