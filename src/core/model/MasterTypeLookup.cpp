#include "MasterTypeLookup.h"

#include <QAtomicPointer>

namespace {

class FindsNothing : public MasterTypeLookup
{
public:
    MasterTypeInfo fetchById(int) override { return MasterTypeInfo(); }
};

FindsNothing g_findsNothing;
QAtomicPointer<MasterTypeLookup> g_lookup;

}

MasterTypeLookup &defaultMasterTypeLookup()
{
    MasterTypeLookup *lookup = g_lookup.loadAcquire();
    return lookup ? *lookup : g_findsNothing;
}

void setDefaultMasterTypeLookup(MasterTypeLookup *lookup)
{
    g_lookup.storeRelease(lookup);
}
