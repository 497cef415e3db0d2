#include "MasterTypeLookup.h"

#include <QAtomicPointer>

namespace {

class FindsNothing : public MasterTypeLookup
{
public:
    MasterTypeInfo FetchById(int) override { return MasterTypeInfo(); }
};

FindsNothing g_findsNothing;
QAtomicPointer<MasterTypeLookup> g_lookup;

}

MasterTypeLookup &DefaultMasterTypeLookup()
{
    MasterTypeLookup *lookup = g_lookup.loadAcquire();
    return lookup ? *lookup : g_findsNothing;
}

void SetDefaultMasterTypeLookup(MasterTypeLookup *lookup)
{
    g_lookup.storeRelease(lookup);
}
