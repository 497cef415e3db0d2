#include "LinkArguments.h"

namespace cli {

LinkArguments::LinkArguments(const QStringList &args, const QStringList &valueOptions, const QStringList &flags,
                             const QStringList &repeatable)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args.at(i);
        if (valueOptions.contains(a)) {
            if (i + 1 >= args.size()) {
                m_error = QStringLiteral("%1 needs a value").arg(a);
                return;
            }
            if (m_values.contains(a) && !repeatable.contains(a)) {
                m_error = QStringLiteral("%1 is given twice").arg(a);
                return;
            }
            const QString &value = args.at(++i);
            if (!m_values.contains(a))
                m_values.insert(a, value);
            m_all[a] << value;
        } else if (flags.contains(a)) {
            m_flags.insert(a);
        } else if (a.startsWith(QLatin1Char('-')) && a.size() > 1) {
            m_error = QStringLiteral("unknown option \"%1\"").arg(a);
            return;
        } else {
            m_positional << a;
        }
    }
}

}
