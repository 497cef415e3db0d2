#include "resources/DialogTemplates.h"
#include "base/Language.h"
#include "common/TestEnv.h"
#include "common/TestRegistry.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

#include <algorithm>

using namespace testing_support;

namespace {

const QStringList &packNames()
{
    static const QStringList names = {QStringLiteral("vorn_eng32"), QStringLiteral("vorn_ger32"),
                                      QStringLiteral("vorn_fre32")};
    return names;
}

QString text(const QTranslator &pack, int id)
{
    return pack.translate(nullptr, QByteArray::number(id).constData());
}

// Ids of the messages of one .ts file; empty or unfinished translations are
// reported as problems.
QList<int> readTsIds(const QString &path, QStringList &problems)
{
    QList<int> ids;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        problems << path + ": " + file.errorString();
        return ids;
    }
    QXmlStreamReader xml(&file);
    int current = -1;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("message")) {
            bool ok = false;
            current = xml.attributes().value(QLatin1String("id")).toInt(&ok);
            if (!ok)
                problems << path + ": message without a numeric id";
            else
                ids << current;
        } else if (xml.name() == QLatin1String("translation")) {
            const bool unfinished = xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
            const QString translation = xml.readElementText();
            if (unfinished || translation.trimmed().isEmpty())
                problems << QStringLiteral("%1: message %2 has no finished translation").arg(path).arg(current);
        }
    }
    if (xml.hasError())
        problems << QStringLiteral("%1: %2 at line %3").arg(path, xml.errorString()).arg(xml.lineNumber());
    return ids;
}

QString idList(const QSet<int> &ids)
{
    QList<int> sorted(ids.cbegin(), ids.cend());
    std::sort(sorted.begin(), sorted.end());
    QStringList texts;
    for (int id : sorted)
        texts << QString::number(id);
    return texts.join(' ');
}

// The .ts files of one pack, one per area folder under lang/.
QStringList tsFiles(const QString &pack)
{
    QStringList files;
    const QDir lang(sourceDir() + QStringLiteral("/lang"));
    for (const QString &area : lang.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QString path = lang.filePath(area + "/" + pack + ".ts");
        if (QFile::exists(path))
            files << path;
    }
    return files;
}

// Numbers the sources ask for: literal ids passed to loadTranslatedString and
// tagged texts ("ID_n ...") written as string literals.
QMap<int, QString> idsUsedBySources()
{
    // Both spellings: the system's and this program's.
    static const QRegularExpression stringCall(QStringLiteral("[Ll]oadTranslatedString\\(\\s*(\\d+)"));
    static const QRegularExpression tagLiteral(QStringLiteral("\"ID_(\\d+)"));
    QMap<int, QString> used;
    for (const QString &folder : {QStringLiteral("src"), QStringLiteral("cli")}) {
        QDirIterator it(sourceDir() + "/" + folder, {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly))
                continue;
            const QString code = QString::fromUtf8(file.readAll());
            const QString where = QDir(sourceDir()).relativeFilePath(path);
            for (auto m = stringCall.globalMatch(code); m.hasNext();)
                used.insert(m.next().captured(1).toInt(), where);
            for (auto m = tagLiteral.globalMatch(code); m.hasNext();) {
                const int n = m.next().captured(1).toInt();
                if (n != 0)
                    used.insert(n + TranslationOffset, where);
            }
        }
    }
    return used;
}

}

class LanguagePackTest : public QObject
{
    Q_OBJECT

    QTranslator m_pack;

    void loadPack()
    {
        QFETCH(QString, pack);
        QVERIFY2(m_pack.load(binDir() + "/" + pack + ".qm"), qPrintable(pack));
    }

    static void packRows()
    {
        QTest::addColumn<QString>("pack");
        for (const QString &pack : packNames())
            QTest::newRow(qPrintable(pack)) << pack;
    }

private slots:
    void everyTemplateTagIsTranslated_data() { packRows(); }
    void everyTemplateTagIsTranslated()
    {
        loadPack();
        QStringList missing;
        int tags = 0;
        for (const auto &t : dialog_templates::all()) {
            QStringList texts = {QString::fromUtf8(t.caption)};
            for (const auto &c : t.controls)
                texts << QString::fromUtf8(c.text);
            for (const QString &s : texts) {
                const int n = Language::tagNumber(s);
                if (n == 0)
                    continue;
                ++tags;
                if (text(m_pack, n + TranslationOffset).isEmpty())
                    missing << QStringLiteral("template %1: \"%2\"").arg(t.id).arg(s.left(40));
            }
        }
        QVERIFY(tags > 60);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join('\n')));
    }

    void everyIdOfTheSourcesHasText_data() { packRows(); }
    void everyIdOfTheSourcesHasText()
    {
        loadPack();
        const QMap<int, QString> used = idsUsedBySources();
        // The templates alone carry dozens of tags, so an empty scan means the scan is broken.
        QVERIFY(used.size() > 60);
        QStringList missing;
        for (auto it = used.cbegin(); it != used.cend(); ++it) {
            // The loader keeps 255 characters of a string, 254 of a tag's.
            const int most = it.key() >= TranslationOffset ? 254 : 255;
            const QString t = text(m_pack, it.key());
            if (t.isEmpty())
                missing << QStringLiteral("%1 (used in %2)").arg(it.key()).arg(it.value());
            else if (t.size() > most)
                missing << QStringLiteral("%1 has %2 characters, of which %3 are shown").arg(it.key()).arg(t.size()).arg(most);
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join('\n')));
    }

    void fixedIdsExist_data() { packRows(); }
    void fixedIdsExist()
    {
        loadPack();
        QList<int> ids = {100, 128, 1000, 1001, 1002, 1007, 1010, 1015, 1024, 1048, 1049, 1050, 1051, 1052, 1053,
                          1063, 57345, 61440, 61441, 61442, 61443};
        for (int id = 1121; id <= 1133; ++id)
            ids << id;
        for (int id = 1230; id <= 1233; ++id)
            ids << id;
        for (int id : ids)
            QVERIFY2(!text(m_pack, id).isEmpty(), qPrintable(QString::number(id)));
    }

    // 1124 is filled by sprintf-style formatting with (label, lower, upper):
    // any other conversion would read a wrong argument.
    void limitMessageFormatHasItsThreePlaceholders_data() { packRows(); }
    void limitMessageFormatHasItsThreePlaceholders()
    {
        loadPack();
        const QString format = text(m_pack, 1124);
        static const QRegularExpression conversion(QStringLiteral("%%|%[-+ #0]*[0-9]*(?:\\.[0-9]*)?[a-zA-Z]"));
        QStringList found;
        for (auto m = conversion.globalMatch(format); m.hasNext();) {
            const QString c = m.next().captured(0);
            if (c != QLatin1String("%%"))
                found << c;
        }
        QCOMPARE(found, QStringList({"%s", "%.1f", "%.1f"}));
    }

    void documentStringHasSevenFields_data() { packRows(); }
    void documentStringHasSevenFields()
    {
        loadPack();
        const QStringList fields = text(m_pack, 128).split('\n');
        QCOMPARE(fields.size(), 7);
        QCOMPARE(fields.at(1), QString());
        QVERIFY(fields.at(3).endsWith(QLatin1String("(*.rix)")));
        QCOMPARE(fields.at(4), QStringLiteral(".rix"));
        QCOMPARE(fields.at(5), QStringLiteral("Skaleronr.Document"));
    }

    // The labels stand beside six value lines of the project form.
    void projectFormLabelHasSixLines_data() { packRows(); }
    void projectFormLabelHasSixLines()
    {
        loadPack();
        QCOMPARE(text(m_pack, 10000 + TranslationOffset).split('\n').size(), 6);
    }

    // Every area's files hold the same ids in all packs, all finished, and no
    // two areas claim the same id (one would silently hide the other).
    void packsHoldTheSameIds()
    {
        QStringList problems;
        QMap<QString, QSet<int>> idsOfPack;
        for (const QString &pack : packNames()) {
            QMap<int, QString> owner;
            for (const QString &path : tsFiles(pack)) {
                for (int id : readTsIds(path, problems)) {
                    if (owner.contains(id))
                        problems << QStringLiteral("id %1 is in %2 and %3").arg(id).arg(owner.value(id), path);
                    owner.insert(id, path);
                    idsOfPack[pack].insert(id);
                }
            }
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
        const QSet<int> reference = idsOfPack.value(packNames().first());
        QVERIFY(reference.contains(1230));
        for (const QString &pack : packNames()) {
            const QSet<int> ids = idsOfPack.value(pack);
            const QString extra = idList(ids - reference);
            const QString lacking = idList(reference - ids);
            QVERIFY2(extra.isEmpty(), qPrintable(pack + " has ids the others lack: " + extra));
            QVERIFY2(lacking.isEmpty(), qPrintable(pack + " lacks ids: " + lacking));
        }
    }

    void controlIdsAreUniqueWithinATemplate()
    {
        QSet<int> templateIds;
        for (const auto &t : dialog_templates::all()) {
            QVERIFY2(!templateIds.contains(t.id), qPrintable(QString::number(t.id)));
            templateIds.insert(t.id);
            QSet<int> seen;
            for (const auto &c : t.controls) {
                if (c.id == dialog_templates::UnnamedControl)
                    continue;
                QVERIFY2(!seen.contains(c.id), qPrintable(QStringLiteral("template %1, control %2").arg(t.id).arg(c.id)));
                seen.insert(c.id);
                QCOMPARE(dialog_templates::findControl(t.id, c.id), &c);
            }
        }
    }

    void lookupOfMissingTemplatesAndControls()
    {
        QVERIFY(dialog_templates::find(99) == nullptr);
        QVERIFY(dialog_templates::findControl(99, 1) == nullptr);
        QVERIFY(dialog_templates::findControl(120, 4711) == nullptr);
        QVERIFY(dialog_templates::findControl(120, dialog_templates::UnnamedControl) == nullptr);
        QCOMPARE(dialog_templates::find(194)->id, 194);
    }
};

SKALERON_TEST(LanguagePackTest)
#include "LanguagePackTest.moc"
