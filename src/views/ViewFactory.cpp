#include "ViewFactory.h"

#include "CRixView.h"

CMySplitterWnd::ViewFactory ViewFactoryForCode(int itemCode)
{
    Q_UNUSED(itemCode);
    return [](CRixDoc *document) -> CFormView * { return new CRixView(document); };
}
