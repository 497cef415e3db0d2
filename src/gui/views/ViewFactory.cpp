#include "ViewFactory.h"

#include "CMasterOverview.h"
#include "CRixView.h"

CMySplitterWnd::ViewFactory ViewFactoryForCode(int itemCode)
{
    if (itemCode % 100 == 0)
        return [](CRixDoc *document) -> CFormView * { return new CMasterOverview(document); };
    return [](CRixDoc *document) -> CFormView * { return new CRixView(document); };
}
