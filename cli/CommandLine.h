#pragma once
// The arguments of one command, parsed by QCommandLineParser: "--opt value"
// and "--opt=value", options anywhere, "--" ends them. Every command knows
// -h/--help, which prints its usage, options and an example.
#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <initializer_list>
#include <vector>

namespace cli {

struct Option
{
    const char *names;       // "port", "o", or "h,help"
    const char *valueName;   // "DEV"; nullptr for a flag
    const char *description; // one sentence
    bool repeatable = false; // may be given more than once
};

struct CommandHelp
{
    const char *command; // "rix new"
    const char *usage;   // one line per form, without the program name
    const char *summary; // what the command does
    std::vector<Option> options;
    const char *example; // one command line, without the program name
};

// Reports reason and the hint to the command's help; returns 2.
int usageError(const CommandHelp &help, const QString &reason);
// The usage forms of the commands, one a line, for the overview.
QString usageOf(std::initializer_list<const CommandHelp *> helps);

class CommandLine
{
public:
    explicit CommandLine(const CommandHelp &help);

    // False with the exit status set: 0 when the help was asked for (and
    // printed), 2 for bad usage (reported).
    bool parse(const QStringList &args, int &status);

    // Options by their name as typed: "--port", "-o".
    bool has(const QString &option) const;
    QString value(const QString &option) const;
    // Every value of the option, in the order given.
    QStringList values(const QString &option) const;
    QStringList positional() const { return m_parser.positionalArguments(); }

    // Reports reason and the hint to the command's help; returns 2.
    int usageError(const QString &reason) const { return cli::usageError(m_help, reason); }
    // Usage, summary, options and example, as --help prints them.
    QString helpText() const;

private:
    const CommandHelp &m_help;
    QCommandLineParser m_parser;
};

}
