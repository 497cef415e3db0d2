#include "GaugeReadBack.h"

#include "base/Language.h"

#include <QLocale>
#include <QStringList>

namespace gauge_readback {

namespace {

// The record's value of a field the gauge holds, as text.
QString fieldText(const ConfigRecord &c, const QString &field)
{
    const struct
    {
        const char *name;
        double value;
    } fields[] = {
        {"DataSource", double(c.DataSource)},   {"KValue", c.KValue},
        {"WarnThreshold", c.WarnThreshold},     {"WarnMode", double(c.WarnMode)},
        {"BuzzerActive", double(c.BuzzerActive)}, {"DataSource2", double(c.DataSource2)},
        {"MValue", c.MValue},                   {"DisplayMask", double(c.DisplayMask)},
        {"Illumination", c.Illumination},       {"DistanceUnit", double(c.DistanceUnit)},
        {"TemperatureUnit", double(c.TemperatureUnit)}, {"TimeFormat", double(c.TimeFormat)},
        {"DepthUnit", double(c.DepthUnit)},
    };
    for (const auto &f : fields) {
        if (field == QLatin1String(f.name))
            return QString::number(f.value, 'g', QLocale::FloatingPointShortest);
    }
    return QString();
}

QString hexBytes(const QVector<uint8_t> &bytes)
{
    QString text = QStringLiteral("0x");
    for (uint8_t b : bytes)
        text += QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0')).toUpper();
    return text;
}

// A mismatch of field with the values the two records read back; where they
// read the same (a reading that drops bits), the raw bytes.
HeldMismatch mismatch(const QString &field, const ConfigRecord &written, const ConfigRecord &held,
                      const QVector<uint8_t> &writtenBytes, const QVector<uint8_t> &heldBytes)
{
    HeldMismatch m{field, fieldText(written, field), fieldText(held, field)};
    if (m.written == m.held) {
        m.written = hexBytes(writtenBytes);
        m.held = hexBytes(heldBytes);
    }
    return m;
}

struct BlockField
{
    const char *field;
    int offset;
    int width;
};
const BlockField blockFields[] = {
    {"KValue", gauge_codec::block_offset::PulseFactor, 2},
    {"WarnThreshold", gauge_codec::block_offset::Threshold, 2},
    {"WarnMode", gauge_codec::block_offset::WarnDirection, 1},
};

// Which bits of each register (in transfer order) carry which field.
struct RegisterBits
{
    int index;
    uint8_t mask;
    const char *field;
};
const RegisterBits registerBits[] = {
    {0, 0xFF, "DataSource2"},  {1, 0xFF, "DataSource"},      {2, 0xFF, "DisplayMask"}, {3, 0xFF, "DisplayMask"},
    {4, 0x03, "DistanceUnit"}, {4, 0x04, "TemperatureUnit"}, {4, 0x08, "TimeFormat"},  {4, 0x10, "DepthUnit"},
    {5, 0xFF, "Illumination"}, {6, 0x7F, "WarnThreshold"},   {6, 0x80, "WarnMode"},    {7, 0xFF, "WarnThreshold"},
    {8, 0xFF, "BuzzerActive"}, {9, 0xFF, "KValue"},          {10, 0xFF, "KValue"},     {11, 0xFF, "KValue"},
    {12, 0xFF, "MValue"},      {13, 0xFF, "MValue"},
};

ConfigRecord decoded(const ConfigRecord &cfg, const RegisterValues &values)
{
    ConfigRecord record = cfg;
    gauge_codec::RegisterDecoder decoder(record);
    const auto &order = gauge_codec::registerOrder();
    for (size_t i = 0; i < order.size(); ++i)
        decoder.feed(order[i].bank, order[i].address, values[i]);
    return record;
}

}

QVector<HeldMismatch> compareBlocks(const ConfigRecord &cfg, const gauge_codec::ParamBlock &written,
                                    const gauge_codec::ParamBlock &held)
{
    ConfigRecord writtenRecord = cfg;
    ConfigRecord heldRecord = cfg;
    gauge_codec::blockToRecord(written, writtenRecord);
    gauge_codec::blockToRecord(held, heldRecord);
    QVector<HeldMismatch> mismatches;
    for (const BlockField &f : blockFields) {
        QVector<uint8_t> a, b;
        for (int i = 0; i < f.width; ++i) {
            a << written[f.offset + i];
            b << held[f.offset + i];
        }
        if (a != b)
            mismatches << mismatch(QString::fromLatin1(f.field), writtenRecord, heldRecord, a, b);
    }
    return mismatches;
}

RegisterValues registerValuesOf(const std::vector<gauge_codec::RegisterWrite> &writes)
{
    RegisterValues values{};
    for (size_t i = 0; i < writes.size() && i < values.size(); ++i)
        values[i] = writes[i].value;
    return values;
}

QVector<HeldMismatch> compareRegisters(const ConfigRecord &cfg, const RegisterValues &written,
                                       const RegisterValues &held)
{
    // A differing bit no field owns still means the register was not taken:
    // it is laid on every field of that register.
    QStringList fields;
    for (size_t i = 0; i < written.size(); ++i) {
        const uint8_t differing = written[i] ^ held[i];
        uint8_t owned = 0;
        for (const RegisterBits &r : registerBits)
            owned |= r.index == int(i) ? r.mask : 0;
        for (const RegisterBits &r : registerBits) {
            const QString field = QString::fromLatin1(r.field);
            if (r.index == int(i) && (differing & (r.mask | uint8_t(~owned))) && !fields.contains(field))
                fields << field;
        }
    }
    const ConfigRecord writtenRecord = decoded(cfg, written);
    const ConfigRecord heldRecord = decoded(cfg, held);
    QVector<HeldMismatch> mismatches;
    for (const QString &field : fields) {
        QVector<uint8_t> a, b;
        for (size_t i = 0; i < written.size(); ++i) {
            bool carries = false;
            for (const RegisterBits &r : registerBits)
                carries = carries || (r.index == int(i) && field == QLatin1String(r.field));
            if (carries) {
                a << written[i];
                b << held[i];
            }
        }
        mismatches << mismatch(field, writtenRecord, heldRecord, a, b);
    }
    return mismatches;
}

QString mismatchList(const QVector<HeldMismatch> &mismatches, int itemId)
{
    QStringList parts;
    for (const HeldMismatch &m : mismatches)
        parts << loadTranslatedString(itemId).arg(m.field, m.written, m.held);
    return parts.join(QStringLiteral(", "));
}

}
