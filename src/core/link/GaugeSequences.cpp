#include "GaugeSequences.h"

#include "SequenceRun.h"
#include "TrafficTrace.h"
#include "model/FirmwareText.h"
#include "model/RecordCheck.h"

#include <QThread>
#include <array>

using user_messages::Icon;
using namespace sequence_run;

namespace {

constexpr int DownloadAttempts = 6;
const char *const LoginFailed = "Login failed";

TransferOutcome writeOutcome(bool success, bool cancelled)
{
    TransferOutcome o = success ? outcome(true, Phrase::of(1230), Icon::Exclamation)
                                : outcome(false, Phrase::of(1231), Icon::Error);
    o.cancelled = cancelled;
    return o;
}

bool readRegisters(Run &run, ConfigRecord &cfg)
{
    gauge_codec::RegisterDecoder decoder(cfg);
    if (!run.next(QStringLiteral("Login"), [&] { return run.port.login(); })
        || !run.next(QStringLiteral("Ping"), [&] { return run.port.pingChecked(); }))
        return false;
    for (const auto &reg : gauge_codec::registerOrder()) {
        uint8_t value = 0;
        if (!run.next(registerName("ReadRegister", reg.bank, reg.address),
                      [&] { return run.port.readRegister(reg.bank, reg.address, &value); }))
            return false;
        decoder.feed(reg.bank, reg.address, value);
    }
    return true;
}

// touched: a register write was sent (it may have been taken, answered or not).
bool writeRegisters(Run &run, const ConfigRecord &cfg, bool &touched)
{
    if (!run.next(QStringLiteral("Login"), [&] { return run.port.login(); })
        || !run.next(QStringLiteral("Ping"), [&] { return run.port.pingChecked(); }))
        return false;
    for (const auto &w : gauge_codec::recordToRegisterWrites(cfg)) {
        if (w.readFirst
            && !run.next(registerName("ReadRegister", w.reg.bank, w.reg.address),
                         [&] { return run.port.readRegister(w.reg.bank, w.reg.address, nullptr); }))
            return false;
        if (!run.next(registerName("WriteRegister", w.reg.bank, w.reg.address), [&] {
                touched = true;
                return run.port.writeRegister(w.reg.bank, w.reg.address, w.value);
            }))
            return false;
    }
    return true;
}

// Steps of a block download: upload 1, attempt k start 2k and download
// 2k + 1, save last.
constexpr int BlockWriteSteps = 2 + 2 * DownloadAttempts;

enum class DownloadResult { Done, Failed, BackupFailed, Refused, NotSaved, SilentOnSave };

// Upload, backup, then the download attempts and the save. change turns the
// block read from the gauge into the block to write (left in block), or gives
// the reason the record cannot go into that block (nothing is written then).
// The backup's path, or the reason it could not be made or the record was
// refused, goes to outcome.
template <typename Change>
DownloadResult downloadBlock(Run &run, const LinkOptions &options, TransferOutcome &outcome,
                             gauge_codec::ParamBlock &block, Change change)
{
    gauge_codec::ParamBlock original{};
    if (!run.step(1, QStringLiteral("UploadFromGauge"), [&] { return run.port.uploadFromGauge(original); }))
        return DownloadResult::Failed;
    block = original;
    outcome.firmwareVersion = gauge_codec::firmwareOf(original);
    outcome.text = change(block);
    if (!outcome.text.isEmpty())
        return DownloadResult::Refused;

    const QString folder = options.backupFolder.isEmpty() ? block_backup::defaultFolder() : options.backupFolder;
    QString error;
    outcome.backupFile = block_backup::save(original, folder, &error);
    if (outcome.backupFile.isEmpty()) {
        outcome.setText(Phrase::of(5100, {folder, error}));
        return DownloadResult::BackupFailed;
    }
    traffic_trace::header(QStringLiteral("BlockBackup ") + outcome.backupFile, options.traceTag);

    bool downloaded = false;
    // A link that is gone (device unplugged, connection lost) takes no
    // further attempt: the failure stays named at the step it happened.
    const auto linkThere = [&] { return run.port.linkFault().isEmpty(); };
    for (int attempt = 1; attempt <= DownloadAttempts && !downloaded && !run.cancelled && linkThere(); ++attempt) {
        downloaded = run.step(2 * attempt, QStringLiteral("StartDownload"), [&] { return run.port.startDownload(); })
                     && run.step(2 * attempt + 1, QStringLiteral("DownloadToGauge"),
                                 [&] { return run.port.downloadToGauge(block); });
    }
    if (!downloaded)
        return DownloadResult::Failed;
    if (run.step(BlockWriteSteps, QStringLiteral("SaveToNovolMemory"), [&] { return run.port.saveToNovolMemory(); }))
        return DownloadResult::Done;
    if (run.cancelled)
        return DownloadResult::Failed;
    return run.port.lastReplySize() == 0 ? DownloadResult::SilentOnSave : DownloadResult::NotSaved;
}

// cfg: the record the block carries, to name what a read-back finds.
template <typename Change>
TransferOutcome writeBlock(SequenceObserver *observer, const LinkOptions &options, const ConfigRecord &cfg,
                           Change change)
{
    GaugePort port(options.timeouts);
    configure(port, options, observer);
    if (port.open(BlockFamilyBaud) != OpenStatus::Open)
        return openFailure(port, OpenStatus::Failed);
    Run run(port, observer, BlockWriteSteps + (options.verify ? 1 : 0));
    TransferOutcome download;
    gauge_codec::ParamBlock written{};
    const DownloadResult result = downloadBlock(run, options, download, written, change);
    TransferOutcome o = result == DownloadResult::BackupFailed ? outcome(false, download.textPhrase, Icon::Error)
                        : result == DownloadResult::Refused  ? refusal(download.text)
                                                             : writeOutcome(result == DownloadResult::Done, run.cancelled);
    o.firmwareVersion = download.firmwareVersion;
    if (result == DownloadResult::BackupFailed || result == DownloadResult::Refused)
        return o;
    o.backupFile = download.backupFile;
    if (result == DownloadResult::NotSaved || result == DownloadResult::SilentOnSave) {
        o.setNotice(Phrase::of(result == DownloadResult::NotSaved ? 5101 : 5112));
        o.noticeIcon = Icon::Exclamation;
    }
    if (result != DownloadResult::Done || !options.verify)
        return withLinkFault(o, port);
    gauge_codec::ParamBlock held{};
    const bool readBack = run.step(BlockWriteSteps + 1, QStringLiteral("UploadFromGauge"),
                                   [&] { return port.uploadFromGauge(held); });
    return checkedWrite(o, readBack, run.cancelled, gauge_readback::compareBlocks(cfg, written, held));
}

}

TransferOutcome readFromGauge(ConfigRecord &cfg, SequenceObserver *observer, const LinkOptions &options)
{
    const bool registers = options.family.value_or(cfg.family()) == LinkFamily::Register;
    GaugePort port(options.timeouts);
    configure(port, options, observer);
    const OpenStatus open = port.open(registers ? RegisterFamilyBaud : BlockFamilyBaud);
    if (open != OpenStatus::Open)
        return openFailure(port, open);

    if (registers) {
        Run run(port, observer, 2 + int(gauge_codec::registerOrder().size()));
        ConfigRecord read = cfg;
        const bool ok = readRegisters(run, read);
        // A refused read answers 0xF1 where the value would be and looks like
        // one: values no register gauge holds fail the read, and none of it
        // is taken (what a read that broke off decoded is kept, as it came).
        const QStringList impossible = ok ? record_check::valuesNoGaugeTakes(read, LinkFamily::Register)
                                          : QStringList();
        if (!impossible.isEmpty())
            return withImplausibleReply(readOutcome(false, false), impossible);
        cfg = read;
        return withLinkFault(readOutcome(ok, run.cancelled), port);
    }

    Run run(port, observer, 2);
    gauge_codec::ParamBlock block{};
    const bool ok = run.next(QStringLiteral("Ping"), [&] { return port.ping(); })
                    && run.next(QStringLiteral("UploadFromGauge"), [&] { return port.uploadFromGauge(block); });
    TransferOutcome o = readOutcome(ok, run.cancelled);
    if (ok) // for the history: the firmware of this gauge, not the one read last
        o.firmwareVersion = gauge_codec::firmwareOf(block);
    if (ok && !gauge_codec::blockToRecord(block, cfg)) {
        // Everything else was read; the threshold stays as it was.
        o.notice = gauge_codec::thresholdRefusalText(cfg);
        o.noticeIcon = Icon::Exclamation;
    }
    return withLinkFault(o, port);
}

TransferOutcome writeToGauge(const ConfigRecord &cfg, SequenceObserver *observer, const LinkOptions &options)
{
    const LinkFamily family = options.family.value_or(cfg.family());
    // Refused before the port is opened: the gauge keeps its settings.
    const QVector<record_check::Refusal> refusals = record_check::checkBeforeReading(cfg, family);
    if (!refusals.isEmpty())
        return refusal(record_check::refusalText(refusals.first()));
    if (family == LinkFamily::Register) {
        GaugePort port(options.timeouts);
        configure(port, options, observer);
        if (port.open(RegisterFamilyBaud) != OpenStatus::Open)
            return openFailure(port, OpenStatus::Failed);
        // Login, ping, the register writes and the read before the buzzer's,
        // and the registers read back.
        const int registers = int(gauge_codec::registerOrder().size());
        Run run(port, observer, 2 + registers + 1 + (options.verify ? registers : 0));
        bool touched = false;
        const bool ok = writeRegisters(run, cfg, touched);
        const Phrase cut = record_check::decimalsCutByWrite(cfg, LinkFamily::Register);
        TransferOutcome o = writeOutcome(ok, run.cancelled);
        // No backup puts a register gauge back: it holds some new values
        // and some old ones until it is written again.
        if (!ok && touched)
            (run.cancelled ? o.cancelNote : o.detail) = loadTranslatedString(5106);
        o = withLinkFault(o, port);
        if (!ok || !options.verify)
            return withDecimalsCut(o, cut);
        gauge_readback::RegisterValues held{};
        const bool readBack = readRegisterValues(run, held);
        const QStringList implausible = readBack ? implausibleRegisterValues(held) : QStringList();
        if (!implausible.isEmpty()) // written, but what was read back is no gauge's answer
            return withDecimalsCut(withImplausibleReply(checkedWrite(o, false, false, {}), implausible), cut);
        const auto written = gauge_readback::registerValuesOf(gauge_codec::recordToRegisterWrites(cfg));
        return withDecimalsCut(
            checkedWrite(o, readBack, run.cancelled, gauge_readback::compareRegisters(cfg, written, held)), cut);
    }
    // Refused before anything is sent: the gauge keeps its settings.
    if (!gauge_codec::thresholdConvertible(cfg))
        return outcome(false, gauge_codec::thresholdRefusalText(cfg), Icon::Error);
    Phrase cut;
    const TransferOutcome o = writeBlock(observer, options, cfg, [&](gauge_codec::ParamBlock &block) {
        // The gauge's own block settles how it counts the pulse factor and
        // what it adds to the threshold.
        const QVector<record_check::Refusal> refused = record_check::checkAgainstBlock(cfg, block);
        if (!refused.isEmpty())
            return record_check::refusalText(refused.first());
        cut = record_check::decimalsCutByWrite(cfg, block);
        gauge_codec::recordToBlock(cfg, block);
        return QString();
    });
    return withDecimalsCut(o, cut);
}

TransferOutcome restoreBlockToGauge(const gauge_codec::ParamBlock &saved, SequenceObserver *observer,
                                    const LinkOptions &options, const QString &backupName)
{
    ConfigRecord decoded;
    gauge_codec::blockToRecord(saved, decoded);
    const QVector<record_check::Refusal> refusals = record_check::checkRecord(decoded, LinkFamily::Block);
    if (!refusals.isEmpty())
        return refusal(record_check::refusalText(refusals.first()));
    TransferOutcome o = writeBlock(observer, options, ConfigRecord(), [&](gauge_codec::ParamBlock &block) {
        using gauge_codec::firmwareOf;
        // Another firmware lays the block out otherwise: its bytes would mean
        // something else there.
        if (!options.force && firmwareOf(block) != firmwareOf(saved))
            return loadTranslatedString(5110).arg(firmwareText(firmwareOf(saved)), firmwareText(firmwareOf(block)));
        block = saved;
        return QString();
    });
    // The backup went back, not the project: the message says which.
    if (o.success && (o.textPhrase.id == 1230 || o.textPhrase.id == 5744) && !backupName.isEmpty())
        o.setText(Phrase::of(o.textPhrase.id == 1230 ? 5748 : 5773, {backupName}));
    return o;
}

TransferOutcome presetCounter(int startAddress, int cells, uint32_t value, uint16_t stamp, SequenceObserver *observer,
                              const LinkOptions &options)
{
    const TransferOutcome failed = outcome(false, Phrase::of(1231), Icon::Exclamation);
    GaugePort port(options.timeouts);
    configure(port, options, observer);
    if (port.open(RegisterFamilyBaud) != OpenStatus::Open)
        return openFailure(port, OpenStatus::Failed);

    QByteArray image = gauge_protocol::counterImage(value, cells);
    const int pieceSize = gauge_protocol::MemoryPieceSize;
    const int pieces = (image.size() + pieceSize - 1) / pieceSize;
    image.append(QByteArray(pieces * pieceSize - image.size(), char(0xFF)));
    Run run(port, observer, 1 + pieces + 2);

    const bool loggedIn = run.next(QStringLiteral("ServiceLogin"), [&] { return port.serviceLogin(); });
    run.pause(options.pauseMs); // also after a refused login
    if (!loggedIn) {
        TransferOutcome o = failed;
        o.cancelled = run.cancelled;
        if (!run.cancelled) {
            o.notice = QString::fromLatin1(LoginFailed);
            o.noticeDetail = loadTranslatedString(5102).arg(port.device(), traffic_trace::path());
        }
        return o;
    }
    bool ok = true;
    bool memoryTouched = false;
    for (int offset = 0; ok && offset < image.size(); offset += pieceSize) {
        const int address = startAddress + offset;
        ok = run.next(QStringLiteral("WriteMemory %1").arg(address), [&] {
            memoryTouched = true;
            return port.writeMemory(address, reinterpret_cast<const uint8_t *>(image.constData() + offset));
        });
        if (ok)
            run.pause(options.pauseMs);
    }
    ok = ok && !run.cancelled
         && run.next(registerName("WriteRegister", 4, 23), [&] { return port.writeRegister(4, 23, stamp >> 8); })
         && run.next(registerName("WriteRegister", 4, 24), [&] { return port.writeRegister(4, 24, stamp & 0xFF); });
    TransferOutcome o = ok ? outcome(true, Phrase::of(1132), Icon::None) : failed;
    o.cancelled = run.cancelled;
    // Some of the counter's cells may hold the new value, others the old one,
    // whether a cancel or a failing gauge cut the preset short.
    if (!ok && memoryTouched)
        (run.cancelled ? o.cancelNote : o.detail) = loadTranslatedString(5103);
    return withLinkFault(o, port);
}

SelfTestReport runLinkSelfTest(SequenceObserver *observer, const LinkOptions &options)
{
    SelfTestReport report;
    GaugePort port(options.timeouts);
    configure(port, options, observer);
    report.opened = port.open(0) == OpenStatus::Open;
    if (!report.opened) {
        report.openDetail = openFailure(port, OpenStatus::Failed).detail;
        return report;
    }

    using C = SelfTestCommand;
    const auto cmd = [&port](C c) {
        return std::make_pair(GaugePort::selfTestCommandName(c), [&port, c] { return port.runSelfTestCommand(c); });
    };
    // The test writes a register gauge's LCD items (3/37, 3/38): they are
    // read first and put back after, so that the test leaves the gauge's
    // settings as they were. One not read is not written back (its step fails).
    std::array<uint8_t, 2> kept{};
    std::array<bool, 2> read{};
    const auto keep = [&](int i) {
        return std::make_pair(registerName("ReadRegister", 3, 37 + i) + QStringLiteral(" (kept)"), [&port, &kept, &read, i] {
            read[i] = port.readRegister(3, 37 + i, &kept[i]) == 1;
            return int(read[i]);
        });
    };
    const auto putBack = [&](int i) {
        return std::make_pair(registerName("WriteRegister", 3, 37 + i) + QStringLiteral(" (put back)"),
                              [&port, &kept, &read, i] { return read[i] ? port.writeRegister(3, 37 + i, kept[i]) : 0; });
    };
    const std::vector<std::pair<QString, std::function<int()>>> steps = {
        {QStringLiteral("Ping"), [&] { return port.ping(); }},
        cmd(C::Cmd33),
        cmd(C::Cmd36),
        {QStringLiteral("StartDownload"), [&] { return port.startDownload(); }},
        {QStringLiteral("SaveToNovolMemory"), [&] { return port.saveToNovolMemory(); }},
        cmd(C::Cmd31),
        cmd(C::Cmd32),
        cmd(C::Cmd52),
        {QStringLiteral("Login"), [&] { return port.login(); }},
        {QStringLiteral("Ping checked"), [&] { return port.pingChecked(); }},
        cmd(C::Cmd71),
        cmd(C::Cmd72),
        cmd(C::Cmd23),
        {registerName("ReadRegister", 3, 26), [&] { return port.readRegister(3, 26, nullptr); }},
        keep(0),
        keep(1),
        {registerName("WriteRegister", 3, 37), [&] { return port.writeRegister(3, 37, 0x10); }},
        {registerName("WriteRegister", 3, 38), [&] { return port.writeRegister(3, 38, 0x00); }},
        {registerName("ReadRegister", 3, 37), [&] { return port.readRegister(3, 37, nullptr); }},
        {registerName("ReadRegister", 3, 38), [&] { return port.readRegister(3, 38, nullptr); }},
        putBack(0),
        putBack(1),
        cmd(C::Cmd21),
        cmd(C::Cmd31Checked),
    };
    Run run(port, observer, int(steps.size()));
    for (const auto &s : steps) {
        const bool ok = run.next(s.first, s.second);
        if (run.cancelled)
            break;
        report.steps << QStringLiteral("%1: %2").arg(s.first).arg(ok ? 1 : 0);
        report.failedSteps += ok ? 0 : 1;
    }
    return report;
}
