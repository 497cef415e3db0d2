#pragma once
// The gauge's side of the protocol: collects received bytes into command
// frames, acts on each against the gauge state and builds the reply,
// applying the configured faults. No I/O.
#include "GaugeSimFaults.h"
#include "GaugeSimState.h"

#include <QByteArray>
#include <vector>

struct SimReply
{
    QByteArray bytes;  // empty: the gauge stays silent
    int frameSize = 0; // size of the command frame answered
    int delayMs = 0;
    bool vanish = false;
};

// Name of the command a frame carries (code and length tell them apart).
QString simCommandName(uint8_t code, uint8_t length);

class GaugeSimEngine
{
public:
    GaugeSimEngine(GaugeSimState &state, QVector<SimFault> &faults) : m_state(state), m_faults(faults) {}

    // The replies to every frame completed by these bytes.
    std::vector<SimReply> receive(const QByteArray &bytes);
    // Drops a partial frame (the line was silent too long for it to go on).
    void dropPartial() { m_pending.clear(); }
    bool hasPartial() const { return !m_pending.isEmpty(); }

private:
    SimReply answer(const QByteArray &frame);
    QByteArray act(const QString &command, const QByteArray &frame);
    // A write acknowledged but not taken: the value the fault names as before.
    void keepOldValue(const SimFault &fault, const QString &command, const QByteArray &frame,
                      const GaugeSimState &before);
    bool answers(const QString &command) const;

    GaugeSimState &m_state;
    QVector<SimFault> &m_faults;
    QByteArray m_pending;
};
