#pragma once
// Converts a catalogue (Access, SQLite or on a server) into a new SQLite
// catalogue or into a database on a PostgreSQL server: the master type table
// and the sensor table, whichever the source holds, with the program's
// columns and every row, pictures included.
#include <QString>

namespace catalogue_import {

enum class Status { Ok, BadInput, Failed };

struct Result
{
    Status status = Status::Failed;
    QString reason;       // for the user, naming the file
    int masterTypes = -1; // rows copied; -1 when the source has no such table
    int sensors = -1;
};

// The output is written completely or not at all (one transaction on a
// server). Without replace, an output file must not exist yet and a server
// database must hold neither table.
Result importCatalogue(const QString &input, const QString &output, bool replace = false);

}
