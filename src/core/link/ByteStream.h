#pragma once
// The byte stream a gauge link talks over: open with line settings, write,
// read up to n bytes bounded by the link time-outs, purge, close.
#include "LineSettings.h"

#include <QByteArray>
#include <QString>
#include <algorithm>
#include <chrono>
#include <functional>
#include <thread>

// A read of n bytes returns as soon as n bytes are in, after intervalMs of
// silence between two bytes, or after totalMultiplierMs * n + totalConstantMs
// in all, whichever comes first.
struct ReadTimeouts
{
    int intervalMs = 4500;
    int totalMultiplierMs = 50;
    int totalConstantMs = 4500;

    int totalFor(int count) const { return totalMultiplierMs * count + totalConstantMs; }
};

enum class OpenStatus { Open, NoSuchPort, Failed };

class ByteStream
{
public:
    virtual ~ByteStream() = default;
    virtual OpenStatus open(const QString &device, const LineSettings &line) = 0;
    virtual bool isOpen() const = 0;
    // Writes every byte with one blocking write; a short write is not reported.
    virtual void write(const QByteArray &bytes) = 0;
    // Up to count bytes, bounded by the read time-outs.
    virtual QByteArray read(int count) = 0;
    // Whatever has already arrived, without waiting.
    virtual QByteArray readWaiting() = 0;
    // Drops whatever waits to be read or written.
    virtual void purge() = 0;
    virtual void close() = 0;
    // The system's reason why the last open failed.
    virtual QString errorString() const { return QString(); }
    // A read that waits gives up as soon as check returns true; the check is
    // made at least every CancelCheckMs while it waits.
    virtual void setCancelCheck(std::function<bool()> check) { Q_UNUSED(check); }
    static constexpr int CancelCheckMs = 50;

protected:
    // The rest of a reply cannot come faster than the line carries it (ten
    // bits a byte): a read that has the beginning of one sleeps that long for
    // `missing` bytes, at most limitMs, and then takes the rest at once
    // instead of waking for every few bytes, which many gauges read side by
    // side pay for. False when cancelled meanwhile.
    static bool awaitRest(int missing, int baud, qint64 limitMs, const std::function<bool()> &cancelled)
    {
        qint64 ms = baud > 0 ? std::min<qint64>(qint64(missing) * 10000 / baud, limitMs) : 0;
        while (ms > 0) {
            if (cancelled && cancelled())
                return false;
            const qint64 slice = std::min<qint64>(ms, CancelCheckMs);
            std::this_thread::sleep_for(std::chrono::milliseconds(slice));
            ms -= slice;
        }
        return true;
    }
};
