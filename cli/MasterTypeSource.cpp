#include "MasterTypeSource.h"

#include "catalogue/MasterTypeSelection.h"

namespace cli {

MasterTypeInfo lookUpMasterType(int id, const QString &cataloguePath)
{
    MasterTypeSelection selection;
    selection.setDatabasePath(cataloguePath); // empty: the settings' catalogue
    selection.fetchById(id);
    return selection.result();
}

}
