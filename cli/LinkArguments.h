#pragma once
// Arguments of the gauge transfer commands: options that take a value
// ("--port DEV"), flags ("--json") and plain arguments, in any order. Options
// named repeatable may be given more than once (several ports).
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

namespace cli {

class LinkArguments
{
public:
    // Parses args; options and flags not named here are errors.
    LinkArguments(const QStringList &args, const QStringList &valueOptions, const QStringList &flags,
                  const QStringList &repeatable = QStringList());

    bool ok() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }

    bool has(const QString &option) const { return m_values.contains(option) || m_flags.contains(option); }
    QString value(const QString &option) const { return m_values.value(option); }
    // Every value of the option, in the order given.
    QStringList values(const QString &option) const { return m_all.value(option); }
    QStringList positional() const { return m_positional; }

private:
    QMap<QString, QString> m_values;
    QMap<QString, QStringList> m_all;
    QSet<QString> m_flags;
    QStringList m_positional;
    QString m_error;
};

}
