#pragma once
// Subcommands of skaleron-cli. Each command file registers its commands with
// SKALERON_CLI_COMMAND; main() dispatches on the first argument.
#include <QStringList>
#include <functional>
#include <initializer_list>

namespace cli {

// Exit statuses: scripts rely on them.
constexpr int ExitOk = 0;
constexpr int ExitFailed = 1;   // the operation failed (reason on stderr)
constexpr int ExitBadUsage = 2; // bad usage or bad input (reason on stderr)

using CommandHandler = std::function<int(const QStringList &args)>;

struct Command
{
    const char *name; // first argument, e.g. "rix" or "read"
    QString usage;    // one line per form, without the program name
    CommandHandler run;
};

bool registerCommand(const Command &command);

// Writes "skaleron-cli: " + reason as one line to stderr and returns status.
int fail(int status, const QString &reason);

struct Subcommand
{
    const char *name; // e.g. "new" of "rix new"
    CommandHandler run;
};

// Runs the subcommand the first argument names with the arguments after it;
// -h/--help lists the subcommands; bad usage when there is none of that name.
int runSubcommand(const char *command, const QStringList &args, std::initializer_list<Subcommand> subcommands);

}

#define SKALERON_CLI_COMMAND(id, name, usage, handler) \
    static const bool cli_registered_##id = cli::registerCommand({name, usage, handler});
