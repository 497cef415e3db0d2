#pragma once
// Where the catalogues are found when the settings name none.
#include <QString>

namespace catalogue_location {

// File name of the sample catalogue that is built and installed with the
// program.
QString sampleCatalogueFileName();

// The default catalogue path: on Windows the traditional Access file
// "c:\KLR_DataBase_VIZ_97.mdb", elsewhere the sample catalogue in the
// data folder. Used for "DBase" and "DBASEUSER" and by the options.
QString defaultDatabasePath();

// Reads the entry with the default above and writes the value straight back,
// so that the entry exists after the first use.
QString readAndStoreDatabasePath(const QString &section, const QString &entry);

}
