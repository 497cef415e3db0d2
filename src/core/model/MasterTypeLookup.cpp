#include "MasterTypeLookup.h"

#include <QAtomicPointer>

namespace {

class FindsNothing : public IMasterTypeLookup
{
public:
    MasterTypeInfo FetchById(int) override { return MasterTypeInfo(); }
};

FindsNothing g_findsNothing;
QAtomicPointer<IMasterTypeLookup> g_lookup;

}

IMasterTypeLookup &DefaultMasterTypeLookup()
{
    IMasterTypeLookup *lookup = g_lookup.loadAcquire();
    return lookup ? *lookup : g_findsNothing;
}

void SetDefaultMasterTypeLookup(IMasterTypeLookup *lookup)
{
    g_lookup.storeRelease(lookup);
}
