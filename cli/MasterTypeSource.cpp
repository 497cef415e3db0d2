#include "MasterTypeSource.h"

#include "catalogue/MasterTypeSelection.h"

namespace cli {

MasterTypeInfo LookUpMasterType(int id, const QString &cataloguePath)
{
    MasterTypeSelection selection;
    selection.SetDatabasePath(cataloguePath); // empty: the settings' catalogue
    selection.FetchById(id);
    return selection.Result();
}

}
