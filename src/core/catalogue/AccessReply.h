#pragma once
// What the Access reader program hands back to the program that started it:
// the outcome of reading one table and, when it was read, the table. The
// bytes start with a mark and end where the table ends, so that a reply cut
// short or written by something else is recognised as no reply.
#include "AccessFile.h"

#include <QByteArray>

namespace access_reply {

enum class Outcome : qint32 {
    Read = 0,       // the table follows
    NoTable = 1,    // the file was read and has no such table
    Unreadable = 2, // the library could not read the file
};

QByteArray encode(Outcome outcome, const access_file::Table &table = access_file::Table());
// False for bytes that are not one complete reply.
bool decode(const QByteArray &bytes, Outcome &outcome, access_file::Table &table);

}
