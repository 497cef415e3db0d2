#include "MasterTypeSource.h"

#include "catalogue/CMasterTypeSelection.h"

namespace cli {

MasterTypeInfo LookUpMasterType(int id, const QString &cataloguePath)
{
    CMasterTypeSelection selection;
    selection.SetDatabasePath(cataloguePath); // empty: the settings' catalogue
    selection.FetchById(id);
    return selection.Result();
}

}
