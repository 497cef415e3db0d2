#include "ProjectChange.h"

ProjectChange::ProjectChange(ProjectDocument *document, const ProjectDocument::State &before,
                             const ProjectDocument::State &after, ProjectDocument::StepName name,
                             const QString &mergeKey)
    : m_document(document)
    , m_before(before)
    , m_after(after)
    , m_name(std::move(name))
    , m_mergeKey(mergeKey)
{
    retranslate();
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
