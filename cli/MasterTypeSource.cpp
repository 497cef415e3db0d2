#include "MasterTypeSource.h"

#include "catalogue/CMasterTypeSelection.h"

namespace cli {

MasterTypeInfo LookUpMasterType(int id, const QString &cataloguePath)
{
    CMasterTypeSelection selection;
    if (!cataloguePath.isEmpty())
        return MasterTypeInfo(); // INTERIM until the catalogue takes a path
    selection.FetchById(id);
    return selection.Result();
}

}
