#include "AccessReply.h"

#include <QDataStream>
#include <QIODevice>

namespace access_reply {

static constexpr quint32 Mark = 0x534b4152; // "SKAR"
static constexpr QDataStream::Version StreamVersion = QDataStream::Qt_6_4;

QByteArray encode(Outcome outcome, const access_file::Table &table)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(StreamVersion);
    out << Mark << qint32(outcome);
    if (outcome != Outcome::Read)
        return bytes;
    out << table.name << qint32(table.columns.size());
    for (const access_file::Column &c : table.columns)
        out << c.name << qint32(c.kind);
    out << qint32(table.rows.size());
    for (const QVector<QVariant> &row : table.rows) {
        for (const QVariant &value : row)
            out << value;
    }
    return bytes;
}

static bool decodeTable(QDataStream &in, access_file::Table &table)
{
    qint32 columns = -1;
    in >> table.name >> columns;
    // Every table has a column; rows without one could not end the reply.
    if (in.status() != QDataStream::Ok || columns <= 0)
        return false;
    for (qint32 i = 0; i < columns; ++i) {
        access_file::Column c;
        qint32 kind = -1;
        in >> c.name >> kind;
        if (in.status() != QDataStream::Ok || kind < 0 || kind > qint32(catalogue_schema::ColumnKind::Binary))
            return false;
        c.kind = catalogue_schema::ColumnKind(kind);
        table.columns.append(c);
    }
    qint32 rows = -1;
    in >> rows;
    for (qint32 r = 0; r < rows && in.status() == QDataStream::Ok; ++r) {
        QVector<QVariant> row(columns);
        for (QVariant &value : row)
            in >> value;
        table.rows.append(row);
    }
    return rows >= 0;
}

bool decode(const QByteArray &bytes, Outcome &outcome, access_file::Table &table)
{
    QDataStream in(bytes);
    in.setVersion(StreamVersion);
    quint32 mark = 0;
    qint32 code = -1;
    in >> mark >> code;
    if (in.status() != QDataStream::Ok || mark != Mark || code < 0 || code > qint32(Outcome::Unreadable))
        return false;
    outcome = Outcome(code);
    table = access_file::Table();
    if (outcome == Outcome::Read && !decodeTable(in, table))
        return false;
    return in.status() == QDataStream::Ok && in.atEnd();
}

}
