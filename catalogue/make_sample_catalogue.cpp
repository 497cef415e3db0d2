// Builds the sample catalogue: runs the schema and the sample rows (SQL) into
// a new SQLite file and draws each master type's dial picture into [Picture].
//
//   make_sample_catalogue SCHEMA.sql ROWS.sql OUT.sqlite
#include "DialPainter.h"
#include "catalogue/MasterPicture.h"

#include <QFile>
#include <QGuiApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <cstdio>

// Statements end with ";" outside quotes; "--" starts a comment outside quotes.
static QStringList statements(const QString &sql)
{
    QStringList out;
    QString current;
    bool quoted = false;
    for (int i = 0; i < sql.size(); ++i) {
        const QChar ch = sql[i];
        if (!quoted && ch == QLatin1Char('-') && i + 1 < sql.size() && sql[i + 1] == QLatin1Char('-')) {
            while (i < sql.size() && sql[i] != QLatin1Char('\n'))
                ++i;
            current += QLatin1Char('\n');
            continue;
        }
        if (ch == QLatin1Char('\''))
            quoted = !quoted;
        if (!quoted && ch == QLatin1Char(';')) {
            if (!current.trimmed().isEmpty())
                out << current.trimmed();
            current.clear();
            continue;
        }
        current += ch;
    }
    if (!current.trimmed().isEmpty())
        out << current.trimmed();
    return out;
}

static bool runFile(QSqlDatabase &db, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "make_sample_catalogue: cannot read %s\n", qPrintable(path));
        return false;
    }
    QSqlQuery query(db);
    for (const QString &statement : statements(QString::fromUtf8(file.readAll()))) {
        if (!query.exec(statement)) {
            std::fprintf(stderr, "make_sample_catalogue: %s: %s\n", qPrintable(path),
                         qPrintable(query.lastError().text()));
            return false;
        }
    }
    return true;
}

// The unit of the outer scale: the text after the number in [OScaleMax].
static QString unitOf(const QString &scaleEnd)
{
    const int blank = scaleEnd.indexOf(QLatin1Char(' '));
    return blank < 0 ? QString() : scaleEnd.mid(blank + 1);
}

static bool drawPictures(QSqlDatabase &db)
{
    QSqlQuery rows(db);
    if (!rows.exec(QStringLiteral("SELECT [ID], [Description], [LCD], [OScaleMax], [ScaleMin], [ScaleMax] FROM [RixData]")))
        return false;
    QSqlQuery update(db);
    update.prepare(QStringLiteral("UPDATE [RixData] SET [Picture] = ? WHERE [ID] = ?"));
    QList<QPair<int, QByteArray>> pictures;
    while (rows.next()) {
        DialFace dialFace;
        dialFace.description = rows.value(1).toString();
        dialFace.hasLcd = !rows.value(2).toString().contains(QLatin1String("no"));
        dialFace.unit = unitOf(rows.value(3).toString());
        dialFace.scaleMin = rows.value(4).toInt();
        dialFace.scaleMax = rows.value(5).toInt();
        const int id = rows.value(0).toInt();
        // Both stored depths occur: 4 bits for odd keys, 8 bits for even ones.
        const int bits = id % 2 ? 4 : 8;
        const QImage dial = paintDial(dialFace, 120);
        const QImage indexed = dial.convertToFormat(QImage::Format_Indexed8, DialPalette(bits), Qt::ThresholdDither);
        pictures.append({id, master_picture::fromIndexedImage(indexed, bits)});
    }
    rows.finish();
    for (const auto &picture : pictures) {
        update.bindValue(0, picture.second);
        update.bindValue(1, picture.first);
        if (picture.second.isEmpty() || !update.exec())
            return false;
    }
    return true;
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: make_sample_catalogue SCHEMA.sql ROWS.sql OUT.sqlite\n");
        return 2;
    }
    const QString out = args[3];
    const QString temporary = out + QStringLiteral(".part");
    QFile::remove(temporary);
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("sample"));
        db.setDatabaseName(temporary);
        ok = db.open() && db.transaction() && runFile(db, args[1]) && runFile(db, args[2]) && drawPictures(db)
            && db.commit();
        if (!ok && db.lastError().isValid())
            std::fprintf(stderr, "make_sample_catalogue: %s\n", qPrintable(db.lastError().text()));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("sample"));
    if (!ok) {
        QFile::remove(temporary);
        return 1;
    }
    QFile::remove(out);
    return QFile::rename(temporary, out) ? 0 : 1;
}
