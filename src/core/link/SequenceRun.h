#pragma once
// What the gauge sequences share (internal to the link): one sequence's run
// on an open link, the link opened as the options say, and the outcomes.
#include "GaugePort.h"
#include "GaugeSequences.h"
#include "TrafficTrace.h"
#include "base/Language.h"

#include <QElapsedTimer>
#include <QThread>
#include <algorithm>

namespace sequence_run {

constexpr const char *ConnectFailed = "Connect failed";
constexpr const char *PortNotAvailable = "COM port not available";

// Numbers the transactions for the observer and stops before the next one
// when the observer asks.
class Run
{
public:
    Run(GaugePort &port, SequenceObserver *observer, int total)
        : port(port), m_observer(observer), m_total(total)
    {
        // A cancel also ends the wait for a reply, not only the sequence.
        if (observer)
            port.setCancelCheck([observer] { return observer->cancelRequested(); });
    }
    ~Run() { port.setCancelCheck(nullptr); }
    Run(const Run &) = delete;
    Run &operator=(const Run &) = delete;

    // Runs a transaction as step number `number`; false when it failed or
    // the sequence was cancelled before it.
    template <typename F>
    bool step(int number, const QString &name, F transaction)
    {
        if (m_observer && m_observer->cancelRequested()) {
            cancelled = true;
            return false;
        }
        if (m_observer)
            m_observer->progress(number, m_total, name);
        if (transaction() == 1)
            return true;
        // A transaction cut short by the cancel is no failure of the gauge.
        cancelled = m_observer && m_observer->cancelRequested();
        return false;
    }
    // Waits ms unless the sequence is cancelled meanwhile.
    void pause(int ms)
    {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < ms && !(m_observer && m_observer->cancelRequested()))
            QThread::msleep(std::min<qint64>(ms - waited.elapsed(), ByteStream::CancelCheckMs));
    }
    template <typename F>
    bool next(const QString &name, F transaction) { return step(++m_step, name, transaction); }

    GaugePort &port;
    bool cancelled = false;

private:
    SequenceObserver *m_observer;
    int m_total;
    int m_step = 0;
};

// The device and trace tag of the options applied to a new link; a cancel
// already ends the opening (a network port still connecting).
inline void configure(GaugePort &port, const LinkOptions &options, SequenceObserver *observer)
{
    port.setDevice(options.device);
    port.setTraceTag(options.traceTag);
    port.setLineSettings(options.line);
    if (observer)
        port.setCancelCheck([observer] { return observer->cancelRequested(); });
}

inline TransferOutcome outcome(bool success, const QString &text, user_messages::Icon icon)
{
    TransferOutcome o;
    o.success = success;
    o.text = text;
    o.icon = icon;
    return o;
}

inline TransferOutcome outcome(bool success, const Phrase &text, user_messages::Icon icon)
{
    TransferOutcome o = outcome(success, text.text(), icon);
    o.textPhrase = text;
    return o;
}

// A port that could not be opened: the fixed message (a missing port told
// apart), and below it why (the device, the system's reason) and where the
// trace is.
inline TransferOutcome openFailure(const GaugePort &port, OpenStatus status)
{
    TransferOutcome o = outcome(false, QString::fromLatin1(status == OpenStatus::NoSuchPort ? PortNotAvailable
                                                                                           : ConnectFailed),
                                user_messages::Icon::None);
    // Port 0, the default, names none: "Port  could not be opened: ." said nothing.
    o.setDetail(port.device().isEmpty() ? Phrase::of(5105)
                                        : Phrase::of(5104, {port.device(), port.openError(), traffic_trace::path()}));
    o.cancelled = port.cancelRequested(); // a connection the user stopped making
    return o;
}

// A failure where the link itself went away (a network connection lost):
// below the outcome, the port and the reason first, on one line.
inline TransferOutcome withLinkFault(TransferOutcome o, const GaugePort &port)
{
    const QString fault = port.linkFault();
    if (o.success || fault.isEmpty() || o.detail.contains(fault))
        return o;
    const QString where = QStringLiteral("%1: %2").arg(port.device(), fault);
    o.detail = o.detail.isEmpty() ? where : where + QStringLiteral(". ") + o.detail;
    return o;
}

inline TransferOutcome readOutcome(bool success, bool cancelled)
{
    TransferOutcome o = success ? outcome(true, Phrase::of(1232), user_messages::Icon::Exclamation)
                                : outcome(false, Phrase::of(1233), user_messages::Icon::Error);
    o.cancelled = cancelled;
    return o;
}

inline TransferOutcome refusal(const QString &text)
{
    TransferOutcome o = outcome(false, text, user_messages::Icon::Exclamation);
    o.refused = true;
    return o;
}

// A write (or a check) of values the gauge keeps with fewer decimals than
// the project says so, unless something weightier (the block not saved) is
// said already.
inline TransferOutcome withDecimalsCut(TransferOutcome o, const Phrase &cut)
{
    if (o.success && !cut.isEmpty() && o.notice.isEmpty()) {
        o.setNotice(cut);
        o.noticeIcon = user_messages::Icon::Exclamation;
    }
    return o;
}

inline QString registerName(const char *operation, int bank, int address)
{
    return QStringLiteral("%1 %2/%3").arg(QLatin1String(operation)).arg(bank).arg(address);
}

// The fourteen registers as the gauge holds them, in transfer order.
bool readRegisterValues(Run &run, gauge_readback::RegisterValues &values);
// The values registers read give that no register gauge holds (a refused
// read answers 0xF1 where the value would be, and looks like one), as
// "Illumination 2410"; empty when they may be a gauge's.
QStringList implausibleRegisterValues(const gauge_readback::RegisterValues &values);
// A read that got such values: failed, naming them, at no step.
TransferOutcome withImplausibleReply(TransferOutcome o, const QStringList &values);

// The outcome of a transfer whose result was read back: failed when the
// read-back failed or found the gauge holding other values.
TransferOutcome checkedOutcome(const TransferOutcome &written, bool readBack, bool cancelled,
                               const QVector<gauge_readback::HeldMismatch> &mismatches);
// The same for a write: one the read-back confirmed says so, since the user
// asked for the check and would otherwise not know it ran.
TransferOutcome checkedWrite(const TransferOutcome &written, bool readBack, bool cancelled,
                             const QVector<gauge_readback::HeldMismatch> &mismatches);

}
