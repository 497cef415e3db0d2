#include "GaugeSequences.h"

#include "CGaugePort.h"
#include "TrafficTrace.h"
#include "app/Language.h"

#include <QElapsedTimer>
#include <QThread>

#include <algorithm>

using user_messages::Icon;

namespace {

constexpr int DownloadAttempts = 6;
const char *const ConnectFailed = "Connect failed";
const char *const PortNotAvailable = "COM port not available";
const char *const LoginFailed = "Login failed";

// One sequence on one open link: numbers the transactions for the observer
// and stops before the next one when the observer asks.
class Run
{
public:
    Run(CGaugePort &port, SequenceObserver *observer, int total)
        : port(port), m_observer(observer), m_total(total)
    {
        // A cancel also ends the wait for a reply, not only the sequence.
        if (observer)
            port.SetCancelCheck([observer] { return observer->cancelRequested(); });
    }
    ~Run() { port.SetCancelCheck(nullptr); }
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
            QThread::msleep(std::min<qint64>(ms - waited.elapsed(), IByteStream::CancelCheckMs));
    }
    template <typename F>
    bool next(const QString &name, F transaction) { return step(++m_step, name, transaction); }

    CGaugePort &port;
    bool cancelled = false;

private:
    SequenceObserver *m_observer;
    int m_total;
    int m_step = 0;
};

TransferOutcome outcome(bool success, const QString &text, Icon icon)
{
    TransferOutcome o;
    o.success = success;
    o.text = text;
    o.icon = icon;
    return o;
}

TransferOutcome readOutcome(bool success, bool cancelled)
{
    TransferOutcome o = success ? outcome(true, LoadTranslatedString(1232), Icon::Exclamation)
                                : outcome(false, LoadTranslatedString(1233), Icon::Error);
    o.cancelled = cancelled;
    return o;
}

// A port that could not be opened: the fixed message, and below it why
// (the device, the system's reason) and where the trace is.
TransferOutcome openFailure(const CGaugePort &port, OpenStatus status)
{
    TransferOutcome o = outcome(false, QString::fromLatin1(status == OpenStatus::NoSuchPort ? PortNotAvailable
                                                                                           : ConnectFailed),
                                Icon::None);
    o.detail = LoadTranslatedString(5101).arg(port.Device(), port.OpenError(), traffic_trace::path());
    return o;
}

TransferOutcome writeOutcome(bool success, bool cancelled)
{
    TransferOutcome o = success ? outcome(true, LoadTranslatedString(1230), Icon::Exclamation)
                                : outcome(false, LoadTranslatedString(1231), Icon::Error);
    o.cancelled = cancelled;
    return o;
}

QString registerName(const char *operation, int bank, int address)
{
    return QStringLiteral("%1 %2/%3").arg(QLatin1String(operation)).arg(bank).arg(address);
}

bool readRegisters(Run &run, CConfigData &cfg)
{
    gauge_codec::RegisterDecoder decoder(cfg);
    if (!run.next(QStringLiteral("Login"), [&] { return run.port.Login(); })
        || !run.next(QStringLiteral("Ping"), [&] { return run.port.PingChecked(); }))
        return false;
    for (const auto &reg : gauge_codec::RegisterOrder()) {
        uint8_t value = 0;
        if (!run.next(registerName("ReadRegister", reg.bank, reg.address),
                      [&] { return run.port.ReadRegister(reg.bank, reg.address, &value); }))
            return false;
        decoder.feed(reg.bank, reg.address, value);
    }
    return true;
}

bool writeRegisters(Run &run, const CConfigData &cfg)
{
    if (!run.next(QStringLiteral("Login"), [&] { return run.port.Login(); })
        || !run.next(QStringLiteral("Ping"), [&] { return run.port.PingChecked(); }))
        return false;
    for (const auto &w : gauge_codec::RecordToRegisterWrites(cfg)) {
        if (w.readFirst
            && !run.next(registerName("ReadRegister", w.reg.bank, w.reg.address),
                         [&] { return run.port.ReadRegister(w.reg.bank, w.reg.address, nullptr); }))
            return false;
        if (!run.next(registerName("WriteRegister", w.reg.bank, w.reg.address),
                      [&] { return run.port.WriteRegister(w.reg.bank, w.reg.address, w.value); }))
            return false;
    }
    return true;
}

// Steps of a block download: upload 1, attempt k start 2k and download
// 2k + 1, save last.
constexpr int BlockWriteSteps = 2 + 2 * DownloadAttempts;

enum class DownloadResult { Done, Failed, BackupFailed };

// Upload, backup, then the download attempts and the save. change turns the
// block read from the gauge into the block to write. The backup's path, or
// the reason it could not be made, goes to outcome.
template <typename Change>
DownloadResult downloadBlock(Run &run, const LinkOptions &options, TransferOutcome &outcome, Change change)
{
    gauge_codec::ParamBlock block{};
    if (!run.step(1, QStringLiteral("UploadFromGauge"), [&] { return run.port.UploadFromGauge(block); }))
        return DownloadResult::Failed;

    const QString folder = options.backupFolder.isEmpty() ? block_backup::DefaultFolder() : options.backupFolder;
    QString error;
    outcome.backupFile = block_backup::Save(block, folder, &error);
    if (outcome.backupFile.isEmpty()) {
        outcome.text = LoadTranslatedString(5100).arg(folder, error);
        return DownloadResult::BackupFailed;
    }
    traffic_trace::header(QStringLiteral("BlockBackup ") + outcome.backupFile);

    change(block);
    bool downloaded = false;
    for (int attempt = 1; attempt <= DownloadAttempts && !downloaded && !run.cancelled; ++attempt) {
        downloaded = run.step(2 * attempt, QStringLiteral("StartDownload"), [&] { return run.port.StartDownload(); })
                     && run.step(2 * attempt + 1, QStringLiteral("DownloadToGauge"),
                                 [&] { return run.port.DownloadToGauge(block); });
    }
    if (!downloaded)
        return DownloadResult::Failed;
    return run.step(BlockWriteSteps, QStringLiteral("SaveToNovolMemory"), [&] { return run.port.SaveToNovolMemory(); })
               ? DownloadResult::Done
               : DownloadResult::Failed;
}

template <typename Change>
TransferOutcome writeBlock(SequenceObserver *observer, const LinkOptions &options, Change change)
{
    CGaugePort port(options.timeouts);
    if (port.Open(BlockFamilyBaud) != OpenStatus::Open)
        return openFailure(port, OpenStatus::Failed);
    Run run(port, observer, BlockWriteSteps);
    TransferOutcome download;
    const DownloadResult result = downloadBlock(run, options, download, change);
    if (result == DownloadResult::BackupFailed)
        return outcome(false, download.text, Icon::Error);
    TransferOutcome o = writeOutcome(result == DownloadResult::Done, run.cancelled);
    o.backupFile = download.backupFile;
    return o;
}

}

TransferOutcome ReadFromGauge(CConfigData &cfg, SequenceObserver *observer, const LinkOptions &options)
{
    const bool registers = options.family.value_or(cfg.Family()) == LinkFamily::Register;
    CGaugePort port(options.timeouts);
    const OpenStatus open = port.Open(registers ? RegisterFamilyBaud : BlockFamilyBaud);
    if (open != OpenStatus::Open)
        return openFailure(port, open);

    if (registers) {
        Run run(port, observer, 2 + int(gauge_codec::RegisterOrder().size()));
        const bool ok = readRegisters(run, cfg);
        return readOutcome(ok, run.cancelled);
    }

    Run run(port, observer, 2);
    gauge_codec::ParamBlock block{};
    const bool ok = run.next(QStringLiteral("Ping"), [&] { return port.Ping(); })
                    && run.next(QStringLiteral("UploadFromGauge"), [&] { return port.UploadFromGauge(block); });
    TransferOutcome o = readOutcome(ok, run.cancelled);
    if (ok && !gauge_codec::BlockToRecord(block, cfg)) {
        // Everything else was read; the threshold stays as it was.
        o.notice = gauge_codec::ThresholdRefusalText(cfg);
        o.noticeIcon = Icon::Exclamation;
    }
    return o;
}

TransferOutcome WriteToGauge(const CConfigData &cfg, SequenceObserver *observer, const LinkOptions &options)
{
    if (options.family.value_or(cfg.Family()) == LinkFamily::Register) {
        CGaugePort port(options.timeouts);
        if (port.Open(RegisterFamilyBaud) != OpenStatus::Open)
            return openFailure(port, OpenStatus::Failed);
        // Login, ping, the register writes and the read before the buzzer's.
        Run run(port, observer, 2 + int(gauge_codec::RegisterOrder().size()) + 1);
        const bool ok = writeRegisters(run, cfg);
        return writeOutcome(ok, run.cancelled);
    }
    // Refused before anything is sent: the gauge keeps its settings.
    if (!gauge_codec::ThresholdConvertible(cfg))
        return outcome(false, gauge_codec::ThresholdRefusalText(cfg), Icon::Error);
    return writeBlock(observer, options, [&](gauge_codec::ParamBlock &block) { gauge_codec::RecordToBlock(cfg, block); });
}

TransferOutcome RestoreBlockToGauge(const gauge_codec::ParamBlock &saved, SequenceObserver *observer,
                                    const LinkOptions &options)
{
    return writeBlock(observer, options, [&](gauge_codec::ParamBlock &block) { block = saved; });
}

TransferOutcome PresetCounter(int startAddress, int cells, uint32_t value, uint16_t stamp, SequenceObserver *observer,
                              const LinkOptions &options)
{
    const TransferOutcome failed = outcome(false, LoadTranslatedString(1231), Icon::Exclamation);
    CGaugePort port(options.timeouts);
    if (port.Open(RegisterFamilyBaud) != OpenStatus::Open)
        return openFailure(port, OpenStatus::Failed);

    QByteArray image = gauge_protocol::CounterImage(value, cells);
    const int pieceSize = gauge_protocol::MemoryPieceSize;
    const int pieces = (image.size() + pieceSize - 1) / pieceSize;
    image.append(QByteArray(pieces * pieceSize - image.size(), char(0xFF)));
    Run run(port, observer, 1 + pieces + 2);

    const bool loggedIn = run.next(QStringLiteral("ServiceLogin"), [&] { return port.ServiceLogin(); });
    run.pause(options.pauseMs); // also after a refused login
    if (!loggedIn) {
        TransferOutcome o = failed;
        o.cancelled = run.cancelled;
        if (!run.cancelled) {
            o.notice = QString::fromLatin1(LoginFailed);
            o.noticeDetail = LoadTranslatedString(5102).arg(port.Device(), traffic_trace::path());
        }
        return o;
    }
    bool ok = true;
    bool memoryTouched = false;
    for (int offset = 0; ok && offset < image.size(); offset += pieceSize) {
        const int address = startAddress + offset;
        ok = run.next(QStringLiteral("WriteMemory %1").arg(address), [&] {
            memoryTouched = true;
            return port.WriteMemory(address, reinterpret_cast<const uint8_t *>(image.constData() + offset));
        });
        if (ok)
            run.pause(options.pauseMs);
    }
    ok = ok && !run.cancelled
         && run.next(registerName("WriteRegister", 4, 23), [&] { return port.WriteRegister(4, 23, stamp >> 8); })
         && run.next(registerName("WriteRegister", 4, 24), [&] { return port.WriteRegister(4, 24, stamp & 0xFF); });
    TransferOutcome o = ok ? outcome(true, LoadTranslatedString(1132), Icon::None) : failed;
    o.cancelled = run.cancelled;
    // Some of the counter's cells may hold the new value, others the old one.
    if (run.cancelled && memoryTouched)
        o.cancelNote = LoadTranslatedString(5103);
    return o;
}

SelfTestReport RunLinkSelfTest(SequenceObserver *observer, const LinkOptions &options)
{
    SelfTestReport report;
    CGaugePort port(options.timeouts);
    report.opened = port.Open(0) == OpenStatus::Open;
    if (!report.opened)
        return report;

    using C = SelfTestCommand;
    const auto cmd = [&port](C c) {
        return std::make_pair(CGaugePort::SelfTestCommandName(c), [&port, c] { return port.RunSelfTestCommand(c); });
    };
    const std::vector<std::pair<QString, std::function<int()>>> steps = {
        {QStringLiteral("Ping"), [&] { return port.Ping(); }},
        cmd(C::Cmd33),
        cmd(C::Cmd36),
        {QStringLiteral("StartDownload"), [&] { return port.StartDownload(); }},
        {QStringLiteral("SaveToNovolMemory"), [&] { return port.SaveToNovolMemory(); }},
        cmd(C::Cmd31),
        cmd(C::Cmd32),
        cmd(C::Cmd52),
        {QStringLiteral("Login"), [&] { return port.Login(); }},
        {QStringLiteral("Ping checked"), [&] { return port.PingChecked(); }},
        cmd(C::Cmd71),
        cmd(C::Cmd72),
        cmd(C::Cmd23),
        {registerName("ReadRegister", 3, 26), [&] { return port.ReadRegister(3, 26, nullptr); }},
        {registerName("WriteRegister", 3, 37), [&] { return port.WriteRegister(3, 37, 0x10); }},
        {registerName("WriteRegister", 3, 38), [&] { return port.WriteRegister(3, 38, 0x00); }},
        {registerName("ReadRegister", 3, 37), [&] { return port.ReadRegister(3, 37, nullptr); }},
        {registerName("ReadRegister", 3, 38), [&] { return port.ReadRegister(3, 38, nullptr); }},
        cmd(C::Cmd21),
        cmd(C::Cmd31Checked),
    };
    Run run(port, observer, int(steps.size()));
    for (const auto &s : steps) {
        const bool ok = run.next(s.first, s.second);
        if (run.cancelled)
            break;
        report.steps << QStringLiteral("%1: %2").arg(s.first).arg(ok ? 1 : 0);
    }
    return report;
}
