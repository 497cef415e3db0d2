#pragma once
// Master type lookup over the catalogue named in the settings. Each lookup
// opens its own recordset, as a project load does.
#include "model/MasterTypeInfo.h"

class CatalogueMasterTypeLookup : public MasterTypeLookup
{
public:
    MasterTypeInfo fetchById(int id) override;
};

// Makes the catalogue the lookup that loading a project uses (front ends call
// it once at start-up).
void installCatalogueMasterTypeLookup();
