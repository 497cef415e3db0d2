#include "CatalogueMasterTypeLookup.h"

#include "CMasterTypeSelection.h"

MasterTypeInfo CatalogueMasterTypeLookup::FetchById(int id)
{
    CMasterTypeSelection selection;
    selection.FetchById(id);
    return selection.Result();
}
