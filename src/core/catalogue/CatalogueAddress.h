#pragma once
// Where a catalogue lives: a file path, or a PostgreSQL server named by a
// connection URL "postgresql://[user@]host[:port]/database" as libpq reads it
// (a Unix socket folder as a percent-encoded host). Passwords never appear
// here: libpq takes them from ~/.pgpass or PGPASSWORD.
#include <QString>

namespace catalogue_address {

struct Server
{
    QString user;     // empty: the login name
    QString host;     // empty: libpq's default socket
    int port = -1;    // -1: the default port
    QString database;
};

// True for "postgresql://" and "postgres://" addresses.
bool isServer(const QString &location);

// False with a translated reason for an address libpq would not take or
// that carries a password.
bool parseServer(const QString &url, Server *server, QString *reason);

// True when both name one database: the same server address, or paths of
// the same file.
bool sameDatabase(const QString &a, const QString &b);

// The location as the user is shown it: a file in native separators, an
// address as typed.
QString displayName(const QString &location);

}
