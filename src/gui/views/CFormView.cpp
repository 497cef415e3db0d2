#include "CFormView.h"

CFormView::CFormView(CRixDoc *document, QWidget *parent)
    : QWidget(parent)
    , m_document(document)
{
}

void CFormView::OnInitialUpdate()
{
    UpdateData(false);
}

bool CFormView::UpdateData(bool)
{
    return true;
}

bool CFormView::CanLeave()
{
    return UpdateData(true);
}
