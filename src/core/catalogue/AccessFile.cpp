#include "AccessFile.h"

#include <QFileInfo>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include <mdbtools.h>

namespace access_file {

using catalogue_schema::ColumnKind;

// Large enough for the longest memo text the catalogues hold; longer texts
// are cut by the reader.
constexpr size_t BindSize = 256 * 1024;

bool isAccessPath(const QString &path)
{
    return path.endsWith(QLatin1String(".mdb"), Qt::CaseInsensitive)
        || path.endsWith(QLatin1String(".accdb"), Qt::CaseInsensitive);
}

static MdbHandle *handle(void *p)
{
    return static_cast<MdbHandle *>(p);
}

AccessFile::~AccessFile()
{
    if (m_mdb)
        mdb_close(handle(m_mdb));
}

bool AccessFile::open(const QString &path)
{
    m_path = path;
    if (!QFileInfo(path).isFile()) {
        m_error = QStringLiteral("the file does not exist");
        return false;
    }
    MdbHandle *mdb = mdb_open(QFile::encodeName(path).constData(), MDB_NOFLAGS);
    if (!mdb) {
        m_error = QStringLiteral("not an Access database");
        return false;
    }
    m_mdb = mdb;
    // Access writes whole pages only; a file that ends inside a page was cut
    // short, and the library would take its missing pages for missing rows.
    const qint64 size = QFileInfo(path).size();
    const qint64 pageSize = mdb->fmt->pg_size;
    m_pageCount = size / pageSize;
    if (size % pageSize != 0) {
        m_error = QStringLiteral("the file is cut short");
        return false;
    }
    if (!mdb_read_catalog(mdb, MDB_TABLE)) {
        m_error = QStringLiteral("the table list of the Access database cannot be read");
        return false;
    }
    if (!catalogInsideFile()) {
        m_error = QStringLiteral("the table list points beyond the end of the file");
        return false;
    }
    mdb_set_bind_size(mdb, BindSize);
    mdb_set_date_fmt(mdb, "%Y-%m-%d %H:%M:%S");
    mdb_set_boolean_fmt_numbers(mdb);
    m_open = true;
    return true;
}

// Whether every page the table's usage map names lies inside the file (the
// library skips missing pages silently, losing their rows).
bool AccessFile::pagesInsideFile(void *tableDef) const
{
    auto *def = static_cast<MdbTableDef *>(tableDef);
    if (!def->usage_map || def->map_sz == 0)
        return false;
    MdbHandle *mdb = handle(m_mdb);
    gint32 previous = 0;
    for (;;) {
        const gint32 pg = mdb_map_find_next(mdb, def->usage_map, def->map_sz, guint32(previous));
        if (pg <= 0)
            return true;
        if (pg <= previous || pg >= m_pageCount)
            return false;
        previous = pg;
    }
}

// A file cut short at a page boundary still opens: its table list then
// names definitions or rows on pages that are missing.
bool AccessFile::catalogInsideFile() const
{
    MdbHandle *mdb = handle(m_mdb);
    for (unsigned i = 0; i < mdb->num_catalog; ++i) {
        auto *entry = static_cast<MdbCatalogEntry *>(g_ptr_array_index(mdb->catalog, i));
        if (qint64(entry->table_pg) >= m_pageCount)
            return false;
    }
    MdbCatalogEntry *objects = mdb_get_catalogentry_by_name(mdb, "MSysObjects");
    MdbTableDef *def = objects ? mdb_read_table(objects) : nullptr;
    if (!def)
        return false;
    const bool inside = pagesInsideFile(def);
    mdb_free_tabledef(def);
    return inside;
}

QStringList AccessFile::tableNames() const
{
    QStringList names;
    if (!m_open)
        return names;
    MdbHandle *mdb = handle(m_mdb);
    for (unsigned i = 0; i < mdb->num_catalog; ++i) {
        auto *entry = static_cast<MdbCatalogEntry *>(g_ptr_array_index(mdb->catalog, i));
        if (entry->object_type == MDB_TABLE && !mdb_is_system_table(entry))
            names << QString::fromUtf8(entry->object_name);
    }
    return names;
}

QString AccessFile::findTable(const QString &name) const
{
    QString found;
    for (const QString &t : tableNames()) {
        if (t.compare(name, Qt::CaseInsensitive) == 0)
            found = t;
    }
    return found;
}

static ColumnKind kindOf(int mdbType)
{
    switch (mdbType) {
    case MDB_BOOL: return ColumnKind::Boolean;
    case MDB_BYTE:
    case MDB_INT:
    case MDB_LONGINT:
    case MDB_COMPLEX: return ColumnKind::Integer;
    case MDB_FLOAT:
    case MDB_DOUBLE:
    case MDB_MONEY:
    case MDB_NUMERIC: return ColumnKind::Double;
    case MDB_OLE:
    case MDB_BINARY: return ColumnKind::Binary;
    default: return ColumnKind::Text;
    }
}

template <typename T>
static T fixedValue(const MdbHandle *mdb, const MdbColumn *col)
{
    T v{};
    if (col->cur_value_start >= 0 && size_t(col->cur_value_start) + sizeof(T) <= sizeof(mdb->pg_buf)
        && col->cur_value_len >= int(sizeof(T)))
        std::memcpy(&v, mdb->pg_buf + col->cur_value_start, sizeof(T));
    return v; // little-endian on every platform the program is built for
}

// The value of one column of the row just fetched. OLE values are read
// separately (readOle) because reading them moves the page buffer.
static QVariant rowValue(MdbHandle *mdb, MdbColumn *col, const char *bound, int boundLen)
{
    if (col->col_type == MDB_BOOL)
        return QVariant(qlonglong(std::strcmp(bound, "1") == 0 ? 1 : 0));
    if (boundLen <= 0)
        return QVariant();
    switch (col->col_type) {
    case MDB_BYTE: return QVariant(qlonglong(fixedValue<quint8>(mdb, col)));
    case MDB_INT: return QVariant(qlonglong(fixedValue<qint16>(mdb, col)));
    case MDB_LONGINT:
    case MDB_COMPLEX: return QVariant(qlonglong(fixedValue<qint32>(mdb, col)));
    case MDB_FLOAT: return QVariant(double(fixedValue<float>(mdb, col)));
    case MDB_DOUBLE: return QVariant(fixedValue<double>(mdb, col));
    case MDB_MONEY: return QVariant(double(fixedValue<qint64>(mdb, col)) / 10000.0);
    case MDB_NUMERIC: return QVariant(QByteArray(bound).replace(',', '.').toDouble());
    case MDB_BINARY: {
        const int start = col->cur_value_start;
        const int len = col->cur_value_len;
        if (start < 0 || len < 0 || size_t(start) + size_t(len) > sizeof(mdb->pg_buf))
            return QVariant();
        return QVariant(QByteArray(reinterpret_cast<const char *>(mdb->pg_buf) + start, len));
    }
    default: return QVariant(QString::fromUtf8(bound));
    }
}

static QVariant readOle(MdbHandle *mdb, MdbColumn *col, int boundLen)
{
    if (boundLen <= 0)
        return QVariant();
    size_t size = 0;
    void *data = mdb_ole_read_full(mdb, col, &size);
    if (!data)
        return QVariant(QByteArray());
    QByteArray bytes(static_cast<const char *>(data), int(size));
    std::free(data);
    return QVariant(bytes);
}

bool AccessFile::readTable(const QString &name, Table &table)
{
    if (!m_open) {
        m_error = QStringLiteral("the file is not open");
        return false;
    }
    const QString found = findTable(name);
    if (found.isEmpty()) {
        m_error = QStringLiteral("no table \"%1\"").arg(name);
        return false;
    }
    MdbHandle *mdb = handle(m_mdb);
    QByteArray tableName = found.toUtf8();
    MdbTableDef *def = mdb_read_table_by_name(mdb, tableName.data(), MDB_TABLE);
    if (!def) {
        m_error = QStringLiteral("the table \"%1\" cannot be read").arg(found);
        return false;
    }
    std::unique_ptr<MdbTableDef, void (*)(MdbTableDef *)> guard(def, mdb_free_tabledef);
    if (!mdb_read_columns(def)) {
        m_error = QStringLiteral("the columns of table \"%1\" cannot be read").arg(found);
        return false;
    }
    if (!pagesInsideFile(def)) {
        m_error = QStringLiteral("rows of table \"%1\" lie beyond the end of the file").arg(found);
        return false;
    }
    mdb_rewind_table(def);

    const int count = int(def->num_cols);
    std::vector<std::vector<char>> buffers(size_t(count), std::vector<char>(BindSize + 1, 0));
    std::vector<int> lengths(size_t(count), 0);
    table = Table();
    table.name = found;
    for (int i = 0; i < count; ++i) {
        auto *col = static_cast<MdbColumn *>(g_ptr_array_index(def->columns, i));
        table.columns.append({QString::fromUtf8(col->name), kindOf(col->col_type)});
        mdb_bind_column(def, i + 1, buffers[size_t(i)].data(), &lengths[size_t(i)]);
    }
    while (mdb_fetch_row(def)) {
        QVector<QVariant> row(count);
        for (int i = 0; i < count; ++i) {
            auto *col = static_cast<MdbColumn *>(g_ptr_array_index(def->columns, i));
            if (col->col_type != MDB_OLE)
                row[i] = rowValue(mdb, col, buffers[size_t(i)].data(), lengths[size_t(i)]);
        }
        for (int i = 0; i < count; ++i) {
            auto *col = static_cast<MdbColumn *>(g_ptr_array_index(def->columns, i));
            if (col->col_type == MDB_OLE)
                row[i] = readOle(mdb, col, lengths[size_t(i)]);
        }
        table.rows.append(row);
    }
    return true;
}

}
