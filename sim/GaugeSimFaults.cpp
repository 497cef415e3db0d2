#include "GaugeSimFaults.h"

#include <QRegularExpression>

bool parseSimFault(const QString &text, SimFault &fault, QString *error)
{
    static const QRegularExpression re(QStringLiteral(
        "^([a-z0-9-]+)(?:@(\\d+)/(\\d+))?=(silence|refuse|short|header|garbage|delay|vanish|keep)"
        "(?::(\\d+))?(?:\\*(\\d+))?(?:\\+(\\d+))?$"));
    const QRegularExpressionMatch m = re.match(text.trimmed());
    if (!m.hasMatch()) {
        if (error)
            *error = QStringLiteral("bad fault \"%1\" (COMMAND[@BANK/ADDRESS]=KIND[:MS][*TIMES][+SKIP])").arg(text);
        return false;
    }
    fault = SimFault();
    fault.command = m.captured(1);
    if (!m.captured(2).isEmpty()) {
        fault.bank = m.captured(2).toInt();
        fault.address = m.captured(3).toInt();
    }
    const QString kind = m.captured(4);
    const QStringList kinds = {"silence", "refuse", "short", "header", "garbage", "delay", "vanish", "keep"};
    fault.kind = SimFaultKind(kinds.indexOf(kind));
    if (fault.kind == SimFaultKind::Keep)
        fault.keepByte = m.captured(5).isEmpty() ? -1 : m.captured(5).toInt();
    else
        fault.delayMs = m.captured(5).toInt();
    if (fault.kind == SimFaultKind::Delay && m.captured(5).isEmpty()) {
        if (error)
            *error = QStringLiteral("fault \"%1\": delay needs :MS").arg(text);
        return false;
    }
    if (!m.captured(6).isEmpty())
        fault.times = m.captured(6).toInt();
    fault.skip = m.captured(7).toInt();
    return true;
}

const SimFault *matchSimFault(QVector<SimFault> &faults, const QString &command, int bank, int address)
{
    for (SimFault &f : faults) {
        if (f.command != command && f.command != QLatin1String("any"))
            continue;
        if (f.bank >= 0 && (f.bank != bank || f.address != address))
            continue;
        if (f.skip > 0) {
            --f.skip;
            continue;
        }
        if (f.times == 0)
            continue;
        if (f.times > 0)
            --f.times;
        return &f;
    }
    return nullptr;
}
