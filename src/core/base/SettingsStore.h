#pragma once
// The per-user settings store: sections and entries with defaults, in the
// platform's native store (registry on Windows, an INI file under
// $XDG_CONFIG_HOME on Linux), organisation "Veltrona", application name = the
// program file's base name. Section and entry names match without regard to
// letter case on every platform: a name stored under several spellings reads
// as one, the later line in the file winning, and the next write there leaves
// one spelling. Reading never writes.
#include <QString>
#include <QStringList>

namespace settings_store {

QString readString(const QString &section, const QString &entry, const QString &defaultValue);
// A stored text that is not a whole number is reported once per entry and
// reads as the default.
int readInt(const QString &section, const QString &entry, int defaultValue);
// An entry holding a list (in the file: values separated by commas); a
// single value is a list of one. Empty values are left out.
QStringList readStringList(const QString &section, const QString &entry);
// The writes and remove() give false when the store could not be written
// (a write-protected settings file): the change is then not kept.
bool writeString(const QString &section, const QString &entry, const QString &value);
bool writeInt(const QString &section, const QString &entry, int value);
bool contains(const QString &section, const QString &entry);
// Removes the entry; nothing happens when it is not stored.
bool remove(const QString &section, const QString &entry);
// Every stored entry as "Section/Entry", once whatever its spellings, sections in order.
QStringList entries();

// The application name under which the settings live. By default the base
// name of the running program; front ends that share the desktop program's
// settings (the command-line tool) set it to the desktop program's name.
QString applicationName();
void setApplicationName(const QString &name);

// The desktop program: a write or remove the store does not take is told
// to the user (tellNotStored), once until the store takes one again. Off by
// default: the command-line tool reports its own.
void setTellFailures(bool on);

// While one lives failures are counted, not told: a command storing what the
// user chose there tells it itself, each time.
class FailuresToldByCaller
{
public:
    FailuresToldByCaller();
    ~FailuresToldByCaller();
    FailuresToldByCaller(const FailuresToldByCaller &) = delete;
    FailuresToldByCaller &operator=(const FailuresToldByCaller &) = delete;
    // Writes and removes the store did not take since this one was made.
    int failures() const;

private:
    int m_failuresBefore;
};

// Tells the user that settings were not kept, naming the settings file.
void tellNotStored();

// Full path of the settings file or registry key, for messages and the README.
QString location();

}

// The application folder: the program file's folder, ending in a separator.
QString applicationFolder();
// True when a file of that path exists; an empty path gives false.
bool fileExists(const QString &path);
