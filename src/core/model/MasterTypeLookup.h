#pragma once
// The lookup that loading a project uses to apply its master type. Front ends
// install the catalogue's lookup at start-up; until then nothing is found.
#include "MasterTypeInfo.h"

MasterTypeLookup &defaultMasterTypeLookup();
// Installs a lookup (not owned); nullptr restores the one that finds nothing.
void setDefaultMasterTypeLookup(MasterTypeLookup *lookup);
