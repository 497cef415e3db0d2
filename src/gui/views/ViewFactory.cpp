#include "ViewFactory.h"

#include "MasterOverview.h"
#include "ProjectFormView.h"

PaneSplitter::ViewFactory viewFactoryForCode(int itemCode)
{
    if (itemCode % 100 == 0)
        return [](ProjectDocument *document) -> FormView * { return new MasterOverview(document); };
    return [](ProjectDocument *document) -> FormView * { return new ProjectFormView(document); };
}
