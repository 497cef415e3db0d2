#pragma once
// A simulated gauge on a pseudo-terminal, served on its own thread: the
// program under test opens devicePath() like a serial port. Optionally paces
// the replies at the line speed (wire-speed mode): a reply starts only once
// the command frame would have crossed the wire and then goes out byte by
// byte at the configured baud rate.
#include "GaugeSimEngine.h"

#include <QJsonObject>
#include <QString>
#include <atomic>
#include <functional>
#include <mutex>
#include <thread>

struct GaugeSimConfig
{
    SimFamily family = SimFamily::Block;
    QVector<SimFault> faults;
    bool wireSpeed = false;
    int wireBaud = 0; // 0: the line speed the program set on the device
    // Not 0: bytes that arrive while the device is set to another speed are
    // noise to the gauge and dropped, as a real line would garble them.
    int requiredBaud = 0;
};

class PtyGaugeServer
{
public:
    explicit PtyGaugeServer(const GaugeSimConfig &config = GaugeSimConfig());
    ~PtyGaugeServer();
    PtyGaugeServer(const PtyGaugeServer &) = delete;
    PtyGaugeServer &operator=(const PtyGaugeServer &) = delete;

    // Opens the pseudo-terminal and starts serving it.
    bool start(QString *error = nullptr);
    void stop();

    // The device the program opens (/dev/pts/N).
    QString devicePath() const { return m_device; }
    // A symbolic link to the device (replacing a link already there).
    bool makeLink(const QString &linkPath, QString *error = nullptr);

    // The line speed the program set on the device (9600 when unknown).
    int deviceBaud() const;

    // Reads or changes the gauge state and faults under the server's lock.
    void withState(const std::function<void(GaugeSimState &, QVector<SimFault> &)> &fn);
    GaugeSimState state() const;
    QJsonObject stateJson() const;

private:
    void serve();
    void send(const SimReply &reply, qint64 frameArrivalNs);
    int lineBaud() const;
    void closeDevice();

    GaugeSimConfig m_config;
    GaugeSimState m_state;
    GaugeSimEngine m_engine;
    mutable std::mutex m_mutex;
    std::thread m_thread;
    int m_master = -1;
    int m_slave = -1; // held open so the line survives the program closing it
    int m_wake[2] = {-1, -1};
    QString m_device;
    QString m_link;
};
