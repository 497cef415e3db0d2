// skaleron-cli rix new|show|set: project files without the desktop program.
#include "CliCommand.h"
#include "JsonText.h"

#include "model/ProjectFile.h"

#include <QFileInfo>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {

// A stored value of the record, by its field name.
struct StoredField
{
    const char *name;
    std::function<QString(const CConfigData &)> get;         // JSON text
    std::function<bool(CConfigData &, const QString &)> set; // false: not a valid value
};

bool parseInt(const QString &text, int &out)
{
    bool ok = false;
    const qlonglong v = text.trimmed().toLongLong(&ok, 10);
    if (!ok || v < INT32_MIN || v > INT32_MAX)
        return false;
    out = int(v);
    return true;
}

bool parseMask(const QString &text, uint32_t &out)
{
    bool ok = false;
    const QString t = text.trimmed();
    const qulonglong v = t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive) ? t.mid(2).toULongLong(&ok, 16)
                                                                                 : t.toULongLong(&ok, 10);
    if (!ok || v > UINT32_MAX)
        return false;
    out = uint32_t(v);
    return true;
}

bool parseDouble(const QString &text, double &out)
{
    QString t = text.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return false;
    out = v;
    return true;
}

#define INT_FIELD(f)                                                                  \
    StoredField { #f, [](const CConfigData &c) { return QString::number(c.f); },       \
                  [](CConfigData &c, const QString &t) { return parseInt(t, c.f); } }
#define DOUBLE_FIELD(f)                                                                \
    StoredField { #f, [](const CConfigData &c) { return json_text::number(c.f); },      \
                  [](CConfigData &c, const QString &t) { return parseDouble(t, c.f); } }

const std::vector<StoredField> &storedFields()
{
    static const std::vector<StoredField> fields = {
        INT_FIELD(DataSource),
        DOUBLE_FIELD(KValue),
        DOUBLE_FIELD(WarnThreshold),
        INT_FIELD(WarnMode),
        INT_FIELD(DataSource2),
        DOUBLE_FIELD(MValue),
        StoredField{"DisplayMask", [](const CConfigData &c) { return QString::number(c.DisplayMask); },
                    [](CConfigData &c, const QString &t) { return parseMask(t, c.DisplayMask); }},
        DOUBLE_FIELD(Illumination),
        INT_FIELD(DistanceUnit),
        INT_FIELD(TemperatureUnit),
        INT_FIELD(TimeFormat),
        INT_FIELD(DepthUnit),
        INT_FIELD(MasterId),
        INT_FIELD(BuzzerActive),
    };
    return fields;
}

// Reads a project file strictly: anything but a readable file of a supported
// version is bad input.
bool readProject(const QString &path, CConfigData &record, int &version, int &status)
{
    const project_file::ReadResult result = project_file::ReadFile(path, record);
    if (result.status != project_file::ReadStatus::Ok) {
        QString reason = project_file::DescribeFailure(path, result);
        if (result.status == project_file::ReadStatus::UnsupportedVersion)
            reason = QStringLiteral("%1: %2 (version %3)").arg(path, reason).arg(result.version);
        status = cli::fail(cli::ExitBadUsage, reason);
        return false;
    }
    version = result.version;
    return true;
}

int writeProject(const QString &path, const CConfigData &record)
{
    QString error;
    if (!project_file::WriteFile(path, record, &error))
        return cli::fail(cli::ExitFailed, QStringLiteral("cannot write %1: %2").arg(path, error));
    return cli::ExitOk;
}

int rixNew(const QStringList &args)
{
    if (args.size() != 1)
        return cli::fail(cli::ExitBadUsage, QStringLiteral("usage: rix new FILE"));
    if (QFileInfo::exists(args.first()))
        return cli::fail(cli::ExitFailed, QStringLiteral("%1 exists already; it was not overwritten").arg(args.first()));
    return writeProject(args.first(), CConfigData());
}

int rixShow(const QStringList &args)
{
    if (args.size() != 1)
        return cli::fail(cli::ExitBadUsage, QStringLiteral("usage: rix show FILE"));
    CConfigData record;
    int version = 0;
    int status = cli::ExitOk;
    if (!readProject(args.first(), record, version, status))
        return status;
    json_text::Object json;
    json.add(QStringLiteral("version"), QString::number(version));
    for (const StoredField &f : storedFields())
        json.add(QString::fromLatin1(f.name), f.get(record));
    std::printf("%s\n", json.text().toUtf8().constData());
    return cli::ExitOk;
}

int rixSet(const QStringList &args)
{
    if (args.size() < 2)
        return cli::fail(cli::ExitBadUsage, QStringLiteral("usage: rix set FILE NAME=VALUE..."));
    CConfigData record;
    int version = 0;
    int status = cli::ExitOk;
    if (!readProject(args.first(), record, version, status))
        return status;
    for (const QString &assignment : args.mid(1)) {
        const int eq = assignment.indexOf(QLatin1Char('='));
        const QString name = eq < 0 ? assignment : assignment.left(eq);
        const auto &fields = storedFields();
        const auto field = std::find_if(fields.begin(), fields.end(),
                                        [&](const StoredField &f) { return name == QLatin1String(f.name); });
        if (field == fields.end())
            return cli::fail(cli::ExitBadUsage, QStringLiteral("unknown field \"%1\"").arg(name));
        if (eq < 0 || !field->set(record, assignment.mid(eq + 1)))
            return cli::fail(cli::ExitBadUsage,
                             QStringLiteral("\"%1\" is not a valid value for %2").arg(assignment.mid(eq + 1), name));
    }
    return writeProject(args.first(), record);
}

int rix(const QStringList &args)
{
    const QString sub = args.value(0);
    if (sub == QLatin1String("new"))
        return rixNew(args.mid(1));
    if (sub == QLatin1String("show"))
        return rixShow(args.mid(1));
    if (sub == QLatin1String("set"))
        return rixSet(args.mid(1));
    return cli::fail(cli::ExitBadUsage, QStringLiteral("usage: rix new|show|set FILE ..."));
}

}

SKALERON_CLI_COMMAND(rix, "rix", "rix new FILE\nrix show FILE\nrix set FILE NAME=VALUE...", rix)
