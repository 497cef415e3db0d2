#include "FormView.h"

FormView::FormView(ProjectDocument *document, QWidget *parent)
    : QWidget(parent)
    , m_document(document)
{
}

void FormView::OnInitialUpdate()
{
    UpdateData(false);
}

bool FormView::UpdateData(bool)
{
    return true;
}

bool FormView::CanLeave()
{
    return UpdateData(true);
}
