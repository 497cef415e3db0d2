#include "CatalogueMasterTypeLookup.h"

#include "MasterTypeSelection.h"
#include "model/MasterTypeLookup.h"

MasterTypeInfo CatalogueMasterTypeLookup::fetchById(int id)
{
    MasterTypeSelection selection;
    selection.fetchById(id);
    return selection.result();
}

void installCatalogueMasterTypeLookup()
{
    static CatalogueMasterTypeLookup lookup;
    setDefaultMasterTypeLookup(&lookup);
}
