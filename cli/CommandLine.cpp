#include "CommandLine.h"

#include "CliCommand.h"

#include <cstdio>

namespace cli {

namespace {

QString bare(const QString &option)
{
    QString name = option;
    while (name.startsWith(QLatin1Char('-')))
        name.remove(0, 1);
    return name;
}

QString typed(const QString &name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

}

CommandLine::CommandLine(const CommandHelp &help)
    : m_help(help)
{
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const Option &o : help.options) {
        const QStringList names = QString::fromLatin1(o.names).split(QLatin1Char(','));
        m_parser.addOption(o.valueName ? QCommandLineOption(names, QString(), QString::fromLatin1(o.valueName))
                                       : QCommandLineOption(names));
    }
    m_parser.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}));
}

bool CommandLine::parse(const QStringList &args, int &status)
{
    if (!m_parser.parse(QStringList{QStringLiteral("skaleron-cli")} + args)) {
        status = usageError(m_parser.errorText());
        return false;
    }
    if (m_parser.isSet(QStringLiteral("help"))) {
        std::printf("%s", helpText().toUtf8().constData());
        status = ExitOk;
        return false;
    }
    for (const Option &o : m_help.options) {
        const QString name = QString::fromLatin1(o.names).section(QLatin1Char(','), 0, 0);
        if (o.valueName && !o.repeatable && m_parser.values(name).size() > 1) {
            status = usageError(QStringLiteral("%1 is given twice").arg(typed(name)));
            return false;
        }
    }
    status = ExitOk;
    return true;
}

// An option the command does not know is simply not given.
bool CommandLine::has(const QString &option) const
{
    return m_parser.optionNames().contains(bare(option));
}

QString CommandLine::value(const QString &option) const
{
    return values(option).value(0);
}

QStringList CommandLine::values(const QString &option) const
{
    return has(option) ? m_parser.values(bare(option)) : QStringList();
}

int usageError(const CommandHelp &help, const QString &reason)
{
    fail(ExitBadUsage, reason);
    std::fprintf(stderr, "Try 'skaleron-cli %s --help'.\n", help.command);
    return ExitBadUsage;
}

QString usageOf(std::initializer_list<const CommandHelp *> helps)
{
    QStringList forms;
    for (const CommandHelp *help : helps)
        forms << QString::fromUtf8(help->usage);
    return forms.join(QLatin1Char('\n'));
}

QString CommandLine::helpText() const
{
    QString text;
    const char *lead = "Usage:";
    for (const QString &form : QString::fromUtf8(m_help.usage).split(QLatin1Char('\n'))) {
        text += QStringLiteral("%1 skaleron-cli %2\n").arg(QLatin1String(lead), form);
        lead = "  or: ";
    }
    text += QString::fromUtf8(m_help.summary) + QStringLiteral("\n\nOptions:\n");
    std::vector<Option> options = m_help.options;
    options.push_back({"h,help", nullptr, "Print this help, then end."});
    for (const Option &o : options) {
        QStringList names;
        for (const QString &name : QString::fromLatin1(o.names).split(QLatin1Char(',')))
            names << typed(name);
        QString left = names.join(QStringLiteral(", "));
        if (o.valueName)
            left += QLatin1Char(' ') + QLatin1String(o.valueName);
        text += QStringLiteral("  %1  %2\n").arg(left, -22).arg(QString::fromUtf8(o.description));
    }
    text += QStringLiteral("\nExample:\n  skaleron-cli %1\n").arg(QString::fromUtf8(m_help.example));
    return text;
}

}
