#include "CatalogueMasterTypeLookup.h"

#include "CMasterTypeSelection.h"
#include "model/MasterTypeLookup.h"

MasterTypeInfo CatalogueMasterTypeLookup::FetchById(int id)
{
    CMasterTypeSelection selection;
    selection.FetchById(id);
    return selection.Result();
}

void InstallCatalogueMasterTypeLookup()
{
    static CatalogueMasterTypeLookup lookup;
    SetDefaultMasterTypeLookup(&lookup);
}
