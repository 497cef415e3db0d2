// Reading a gauge back to check what it holds: after a write, or on its own.
#include "SequenceRun.h"
#include "model/RecordCheck.h"

using user_messages::Icon;

namespace sequence_run {

bool readRegisterValues(Run &run, gauge_readback::RegisterValues &values)
{
    const auto &order = gauge_codec::registerOrder();
    for (size_t i = 0; i < order.size(); ++i) {
        if (!run.next(registerName("ReadRegister", order[i].bank, order[i].address),
                      [&] { return run.port.readRegister(order[i].bank, order[i].address, &values[i]); }))
            return false;
    }
    return true;
}

QStringList implausibleRegisterValues(const gauge_readback::RegisterValues &values)
{
    ConfigRecord read;
    gauge_codec::RegisterDecoder decoder(read);
    const auto &order = gauge_codec::registerOrder();
    for (size_t i = 0; i < order.size() && i < values.size(); ++i)
        decoder.feed(order[i].bank, order[i].address, values[i]);
    return record_check::valuesNoGaugeTakes(read, LinkFamily::Register);
}

TransferOutcome withImplausibleReply(TransferOutcome o, const QStringList &values)
{
    o.success = false;
    o.icon = Icon::Error;
    o.setDetail(Phrase::of(5774, {values.join(QStringLiteral(", "))}));
    o.implausibleReply = true;
    return o;
}

TransferOutcome checkedOutcome(const TransferOutcome &written, bool readBack, bool cancelled,
                               const QVector<gauge_readback::HeldMismatch> &mismatches)
{
    TransferOutcome o = written;
    if (!readBack) {
        o.success = false;
        o.cancelled = cancelled;
        o.setText(Phrase::of(5742));
        o.icon = Icon::Error;
    } else if (!mismatches.isEmpty()) {
        o.success = false;
        o.setText(Phrase::of(5740, {gauge_readback::mismatchList(mismatches)}));
        o.icon = Icon::Error;
        o.mismatches = mismatches;
    }
    return o;
}

TransferOutcome checkedWrite(const TransferOutcome &written, bool readBack, bool cancelled,
                             const QVector<gauge_readback::HeldMismatch> &mismatches)
{
    TransferOutcome o = checkedOutcome(written, readBack, cancelled, mismatches);
    if (o.success)
        o.setText(Phrase::of(5744));
    return o;
}

}

using namespace sequence_run;

namespace {

TransferOutcome verified(bool read, bool cancelled, const QVector<gauge_readback::HeldMismatch> &mismatches)
{
    if (!read)
        return readOutcome(false, cancelled);
    TransferOutcome o = checkedOutcome(outcome(true, Phrase::of(5743), Icon::Exclamation), true, false, mismatches);
    // Nothing was written: the gauge is held against the project.
    if (!mismatches.isEmpty())
        o.setText(Phrase::of(5767, {gauge_readback::mismatchList(mismatches, 5768)}));
    return o;
}

}

TransferOutcome verifyGauge(const ConfigRecord &cfg, SequenceObserver *observer, const LinkOptions &options)
{
    const LinkFamily family = options.family.value_or(cfg.family());
    // A record that could not be written cannot be found on the gauge either.
    const QVector<record_check::Refusal> refusals = record_check::checkBeforeReading(cfg, family);
    if (!refusals.isEmpty())
        return refusal(record_check::refusalText(refusals.first()));
    if (family == LinkFamily::Block && !gauge_codec::thresholdConvertible(cfg))
        return outcome(false, gauge_codec::thresholdRefusalText(cfg), Icon::Error);

    const bool registers = family == LinkFamily::Register;
    GaugePort port(options.timeouts);
    configure(port, options, observer);
    const OpenStatus open = port.open(registers ? RegisterFamilyBaud : BlockFamilyBaud);
    if (open != OpenStatus::Open)
        return openFailure(port, open);

    if (registers) {
        Run run(port, observer, 2 + int(gauge_codec::registerOrder().size()));
        gauge_readback::RegisterValues held{};
        const bool read = run.next(QStringLiteral("Login"), [&] { return port.login(); })
                          && run.next(QStringLiteral("Ping"), [&] { return port.pingChecked(); })
                          && readRegisterValues(run, held);
        const QStringList implausible = read ? implausibleRegisterValues(held) : QStringList();
        if (!implausible.isEmpty())
            return withImplausibleReply(readOutcome(false, false), implausible);
        const auto expected = gauge_readback::registerValuesOf(gauge_codec::recordToRegisterWrites(cfg));
        return withDecimalsCut(
            withLinkFault(verified(read, run.cancelled, gauge_readback::compareRegisters(cfg, expected, held)), port),
            record_check::decimalsCutByWrite(cfg, LinkFamily::Register));
    }

    Run run(port, observer, 2);
    gauge_codec::ParamBlock held{};
    const bool read = run.next(QStringLiteral("Ping"), [&] { return port.ping(); })
                      && run.next(QStringLiteral("UploadFromGauge"), [&] { return port.uploadFromGauge(held); });
    if (!read)
        return withLinkFault(readOutcome(false, run.cancelled), port);
    // The gauge's own block settles how it counts the pulse factor and what
    // it adds to the threshold, as for a write.
    const QVector<record_check::Refusal> refused = record_check::checkAgainstBlock(cfg, held);
    if (!refused.isEmpty()) {
        TransferOutcome o = refusal(record_check::refusalText(refused.first()));
        o.firmwareVersion = gauge_codec::firmwareOf(held); // for the history
        return o;
    }
    gauge_codec::ParamBlock expected = held;
    gauge_codec::recordToBlock(cfg, expected);
    TransferOutcome o = withDecimalsCut(verified(true, false, gauge_readback::compareBlocks(cfg, expected, held)),
                                        record_check::decimalsCutByWrite(cfg, held));
    // For the history, as a read of the block names it.
    o.firmwareVersion = gauge_codec::firmwareOf(held);
    return o;
}
