#pragma once
// The master type of a project for the gauge transfers: looked up by key in
// the catalogue the settings name, or in another catalogue file.
#include "model/MasterTypeInfo.h"

#include <QString>

namespace cli {

// cataloguePath empty: the catalogue of the settings. A catalogue that cannot
// be opened is reported on stderr and finds nothing.
MasterTypeInfo lookUpMasterType(int id, const QString &cataloguePath);

// Why a catalogue file given with --catalogue can be none (missing, no
// regular file, neither SQLite nor Access), as one line for bad input; empty
// when it may be one, or none was given.
QString catalogueOptionProblem(const QString &cataloguePath);

}
