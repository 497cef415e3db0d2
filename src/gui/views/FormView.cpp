#include "FormView.h"

FormView::FormView(ProjectDocument *document, QWidget *parent)
    : QWidget(parent)
    , m_document(document)
{
}

void FormView::initialize()
{
    loadFromRecord();
}

void FormView::loadFromRecord()
{
}

bool FormView::saveToRecord()
{
    return true;
}

bool FormView::canLeave()
{
    return saveToRecord();
}
