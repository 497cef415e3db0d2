#include "CatalogueRecordset.h"

#include "CatalogueAddress.h"
#include "base/Language.h"

#include <QFileInfo>
#include <QSqlError>
#include <QStringList>

CatalogueRecordset::CatalogueRecordset(const catalogue_schema::Table &table, CatalogueConnection::Mode mode)
    : m_table(table), m_mode(mode)
{
}

CatalogueRecordset::~CatalogueRecordset()
{
    close();
}

QString CatalogueRecordset::selectStatement() const
{
    return QStringLiteral("[%1]").arg(QLatin1String(m_table.name));
}

bool CatalogueRecordset::isOpen() const
{
    return m_connection.isOpen() && m_query;
}

bool CatalogueRecordset::open()
{
    close();
    m_error.clear();
    m_damaged = false;
    const QString path = m_pathOverride.isEmpty() ? configuredDatabasePath() : m_pathOverride;
    const bool opened = madeOnFirstWrite(path) && !QFileInfo::exists(path) ? m_connection.openEmpty(path, m_table)
                                                                           : m_connection.open(path, m_table, m_mode);
    if (!opened) {
        m_error = m_connection.errorText();
        return false;
    }
    m_query = std::make_unique<QSqlQuery>(m_connection.database());
    m_query->setForwardOnly(true);
    if (!requery()) {
        close();
        return false;
    }
    return true;
}

bool CatalogueRecordset::madeOnFirstWrite(const QString &) const
{
    return false;
}

void CatalogueRecordset::close()
{
    m_query.reset();
    m_connection.close();
    m_bof = m_eof = true;
    m_atFirst = false;
}

void CatalogueRecordset::setFilterById(long key)
{
    m_filter = QString::asprintf("[ID] = %ld", key);
}

bool CatalogueRecordset::requery()
{
    if (!m_query)
        return false;
    m_queryText = m_connection.sql(selectStatement(selectList()));
    m_bof = m_eof = true;
    m_atFirst = false;
    if (!m_query->exec(m_queryText)) {
        setEngineError(m_query->lastError());
        return false;
    }
    const bool ok = fetchCurrent(m_query->next());
    m_atFirst = ok && !m_eof;
    return ok;
}

bool CatalogueRecordset::readColumns(const QStringList &columns, const std::function<void(const QSqlQuery &)> &row)
{
    if (!isOpen())
        return false;
    QStringList names;
    for (const QString &c : columns)
        names << QStringLiteral("[%1]").arg(c);
    QSqlQuery query(m_connection.database());
    query.setForwardOnly(true);
    const bool ok = query.exec(m_connection.sql(selectStatement(names.join(QStringLiteral(", ")))));
    while (ok && query.next())
        row(query);
    if (!ok || query.lastError().isValid()) {
        setEngineError(query.lastError());
        return false;
    }
    return true;
}

QString CatalogueRecordset::selectStatement(const QString &columns) const
{
    QString text = QStringLiteral("SELECT %1 FROM %2").arg(columns, selectStatement());
    if (!m_filter.isEmpty())
        text += QStringLiteral(" WHERE ") + m_filter;
    if (!m_sort.isEmpty())
        text += QStringLiteral(" ORDER BY ") + m_sort;
    return text;
}

void CatalogueRecordset::setEngineError(const QSqlError &error)
{
    const QString where = catalogue_address::displayName(m_connection.path());
    // A file that reads as damaged only once its rows are read is as unfit
    // as one that does not open.
    m_damaged = catalogue_sql::isDamage(error);
    m_error = m_damaged ? loadTranslatedString(5220).arg(where, catalogue_sql::engineText(error))
                        : loadTranslatedString(5205).arg(where, catalogue_sql::engineText(error, QLatin1String(m_table.name)));
}

bool CatalogueRecordset::fetchCurrent(bool moved)
{
    if (!moved) {
        m_eof = true;
        if (m_query->lastError().isValid()) {
            setEngineError(m_query->lastError());
            m_query->finish();
            return false;
        }
        m_query->finish();
        return true;
    }
    m_bof = false;
    m_eof = false;
    readCurrentRow();
    return true;
}

bool CatalogueRecordset::moveFirst()
{
    if (!m_query || (m_bof && m_eof))
        return false;
    if (m_atFirst && !m_eof)
        return true;
    // The result is read forward only; going back means running it again.
    if (!m_query->exec(m_queryText))
        return false;
    const bool ok = fetchCurrent(m_query->next());
    m_atFirst = ok && !m_eof;
    return m_atFirst;
}

bool CatalogueRecordset::moveNext()
{
    if (!m_query || m_eof)
        return false;
    m_atFirst = false;
    return fetchCurrent(m_query->next()) && !m_eof;
}

void CatalogueRecordset::releaseResult()
{
    if (m_query)
        m_query->finish();
    m_atFirst = false;
}

int CatalogueRecordset::intValue(int column) const
{
    return m_query->value(column).toInt();
}

double CatalogueRecordset::doubleValue(int column) const
{
    return m_query->value(column).toDouble();
}

QString CatalogueRecordset::textValue(int column) const
{
    return m_query->value(column).toString();
}

// Binary columns are not cached: the walk selects the row's key in their
// place (the driver would otherwise copy every picture of every row), and the
// value is read when asked for.
QString CatalogueRecordset::selectList() const
{
    QStringList names;
    for (const catalogue_schema::Column &c : m_table.columns) {
        names << (c.kind == catalogue_schema::ColumnKind::Binary ? catalogue_sql::rowKey(m_connection.engine())
                                                                 : QStringLiteral("[%1]").arg(QLatin1String(c.name)));
    }
    return names.join(QStringLiteral(", "));
}

QByteArray CatalogueRecordset::binaryValue(int column) const
{
    if (!m_query || !m_query->isValid())
        return QByteArray();
    QSqlQuery read(m_connection.database());
    read.prepare(m_connection.sql(QStringLiteral("SELECT [%1] FROM %2 WHERE %3 = ?")
                                      .arg(QLatin1String(m_table.columns[column].name), selectStatement(),
                                           catalogue_sql::rowKey(m_connection.engine()))));
    read.bindValue(0, m_query->value(column));
    if (!read.exec() || !read.next())
        return QByteArray();
    return read.value(0).toByteArray();
}
