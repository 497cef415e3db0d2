#include "ViewFactory.h"

#include "CalibrationView.h"
#include "MasterOverview.h"
#include "MasterSettingsView.h"
#include "ProjectFormView.h"

PaneSplitter::ViewFactory viewFactoryForCode(int itemCode)
{
    const int kind = itemCode % 100;
    if (kind == 0)
        return [](ProjectDocument *document) -> FormView * { return new MasterOverview(document); };
    // A gauge input shows its calibration.
    if (kind == tree_codes::CalibrationOffset || kind == tree_codes::GaugeOffset)
        return [](ProjectDocument *document) -> FormView * { return new CalibrationView(document); };
    if (kind == 2)
        return [](ProjectDocument *document) -> FormView * { return new MasterSettingsView(document); };
    if ((kind >= 4 && kind <= 6) || (kind >= 13 && kind <= 20 && kind != 17))
        return {};
    return [](ProjectDocument *document) -> FormView * { return new ProjectFormView(document); };
}
