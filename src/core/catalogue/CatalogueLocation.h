#pragma once
// Where the catalogues are found when the settings name none.
#include <QString>

namespace catalogue_location {

// File name of the sample catalogue that is built and installed with the
// program.
QString sampleCatalogueFileName();

// The default catalogue path: on Windows the traditional Access file
// "c:\KLR_DataBase_VIZ_97.mdb", elsewhere the sample catalogue in the
// data folder. Used for "DBase" and by the options.
QString defaultDatabasePath();

// "Directories"/"DBase" with the default above. Reading stores nothing: the
// default is used until the user sets a path.
QString databasePath();

// The user sensor database's default: a file of the user's own in the data
// folder, which no rebuilt or installed catalogue replaces. It need not
// exist: it is made, with the sensor table, when the first sensor is stored.
QString defaultUserSensorDatabasePath();

// "DIRECTORIES"/"DBASEUSER" with the default above, nothing stored.
// A stored value that is the catalogue default (which the user database had
// before) counts as unset, so that user sensors never go into a file an
// update replaces.
QString userSensorDatabasePath();

}
