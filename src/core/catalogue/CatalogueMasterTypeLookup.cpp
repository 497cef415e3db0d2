#include "CatalogueMasterTypeLookup.h"

#include "MasterTypeSelection.h"
#include "model/MasterTypeLookup.h"

MasterTypeInfo CatalogueMasterTypeLookup::FetchById(int id)
{
    MasterTypeSelection selection;
    selection.FetchById(id);
    return selection.Result();
}

void InstallCatalogueMasterTypeLookup()
{
    static CatalogueMasterTypeLookup lookup;
    SetDefaultMasterTypeLookup(&lookup);
}
