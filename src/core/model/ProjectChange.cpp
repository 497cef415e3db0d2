#include "ProjectChange.h"

ProjectChange::ProjectChange(ProjectDocument *document, const ProjectDocument::State &before,
                             const ProjectDocument::State &after, const QString &text, const QString &mergeKey)
    : QUndoCommand(text)
    , m_document(document)
    , m_before(before)
    , m_after(after)
    , m_mergeKey(mergeKey)
{
}

void ProjectChange::undo()
{
    m_done = false;
    m_document->restore(m_before);
}

void ProjectChange::redo()
{
    if (m_done)
        return;
    m_done = true;
    m_document->restore(m_after);
}

bool ProjectChange::mergeWith(const QUndoCommand *other)
{
    const auto *next = static_cast<const ProjectChange *>(other);
    if (next->m_mergeKey != m_mergeKey)
        return false;
    m_after = next->m_after;
    // Typed back to what it was: no step is left.
    setObsolete(m_before.sameForUser(m_after));
    return true;
}
