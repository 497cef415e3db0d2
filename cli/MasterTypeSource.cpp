#include "MasterTypeSource.h"

#include "catalogue/CatalogueAddress.h"
#include "catalogue/CatalogueConnection.h"
#include "catalogue/MasterTypeSelection.h"

namespace cli {

MasterTypeInfo lookUpMasterType(int id, const QString &cataloguePath)
{
    MasterTypeSelection selection;
    selection.setDatabasePath(cataloguePath); // empty: the settings' catalogue
    selection.fetchById(id);
    return selection.result();
}

QString catalogueOptionProblem(const QString &cataloguePath)
{
    if (cataloguePath.isEmpty() || catalogue_address::isServer(cataloguePath))
        return QString();
    const QString problem = CatalogueConnection::fileProblem(cataloguePath);
    return problem.isEmpty() ? problem : QStringLiteral("--catalogue: ") + problem;
}

}
