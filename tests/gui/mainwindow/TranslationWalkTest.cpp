// Every view and dialog in German and French: no visible text stays as it
// reads in English, and every dialog's buttons and labelled fields have
// letters of their own. Texts that read alike in both (names, numbers,
// units, catalogue data) are on an allow-list.
#include "UserPaths.h"
#include "base/Language.h"
#include "base/SettingsStore.h"
#include "common/TestRegistry.h"
#include "mainwindow/CommandIds.h"
#include "model/ProjectDocument.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

using namespace testing_support;
using namespace command_ids;

namespace {

constexpr int SpeedometerWithLcd = 1;

// A widget's place among its parent's children of its class, up to the top.
QString keyOf(const QWidget *w)
{
    QStringList parts;
    for (const QWidget *p = w; p; p = p->parentWidget()) {
        QString part = p->objectName();
        if (part.isEmpty()) {
            const QWidget *parent = p->parentWidget();
            int index = 0;
            if (parent) {
                for (const QObject *sibling : parent->children()) {
                    if (sibling == p)
                        break;
                    if (sibling->metaObject() == p->metaObject())
                        ++index;
                }
            }
            part = QString::fromLatin1(p->metaObject()->className()) + QLatin1Char('#') + QString::number(index);
        }
        parts.prepend(part);
    }
    return parts.join(QLatin1Char('/'));
}

// What a user reads in the window: every shown text, keyed by where it is.
QMap<QString, QString> shownTexts(QWidget *root)
{
    QMap<QString, QString> texts;
    const auto add = [&texts](const QWidget *w, const QString &what, const QString &text) {
        if (!text.trimmed().isEmpty())
            texts.insert(keyOf(w) + QLatin1Char(':') + what, text);
    };
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    widgets.prepend(root);
    for (QWidget *w : widgets) {
        if (!w->isVisibleTo(root) && w != root)
            continue;
        add(w, QStringLiteral("tip"), w->toolTip());
        if (w == root || w->isWindow())
            add(w, QStringLiteral("title"), w->windowTitle());
        if (auto *label = qobject_cast<QLabel *>(w))
            add(w, QStringLiteral("text"), label->text());
        else if (auto *button = qobject_cast<QAbstractButton *>(w))
            add(w, QStringLiteral("text"), button->text());
        else if (auto *group = qobject_cast<QGroupBox *>(w))
            add(w, QStringLiteral("title"), group->title());
        else if (auto *edit = qobject_cast<QLineEdit *>(w))
            add(w, QStringLiteral("placeholder"), edit->placeholderText());
        if (auto *combo = qobject_cast<QComboBox *>(w)) {
            for (int i = 0; i < combo->count(); ++i)
                add(w, QStringLiteral("item%1").arg(i), combo->itemText(i));
        } else if (auto *tabs = qobject_cast<QTabWidget *>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                add(w, QStringLiteral("tab%1").arg(i), tabs->tabText(i));
        } else if (auto *header = qobject_cast<QHeaderView *>(w)) {
            for (int i = 0; i < header->count(); ++i)
                add(w, QStringLiteral("section%1").arg(i),
                    header->model()->headerData(i, header->orientation()).toString());
        } else if (auto *tree = qobject_cast<QTreeWidget *>(w)) {
            int row = 0;
            for (QTreeWidgetItemIterator it(tree); *it && row < 40; ++it, ++row) {
                for (int c = 0; c < tree->columnCount(); ++c)
                    add(w, QStringLiteral("row%1.%2").arg(row).arg(c), (*it)->text(c));
            }
        } else if (auto *table = qobject_cast<QTableWidget *>(w)) {
            for (int r = 0; r < qMin(table->rowCount(), 40); ++r) {
                for (int c = 0; c < table->columnCount(); ++c) {
                    if (const QTableWidgetItem *item = table->item(r, c))
                        add(w, QStringLiteral("cell%1.%2").arg(r).arg(c), item->text());
                }
            }
        }
    }
    return texts;
}

// Texts that read the same in every language.
bool readsAlike(const QString &text)
{
    // Without a word of three letters: numbers, units, codes, punctuation.
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{3,}"));
    if (!word.match(text).hasMatch())
        return true;
    // Names, paths, units, signal names, catalogue data, and words that the
    // other language writes alike.
    static const QRegularExpression alike(QStringLiteral(
        "^(Skaleron.*|.*/.*\\.(rix|sqlite)|/dev/.*|rfc2217://.*|tcp://.*|.*Ohm.*|rpm|km/h|mph|kn|Imp\\./km|min|max|"
        "Phi \\[°\\]|UBat|AuxAIn|ADC:|Phy:|SK-[^ ]+\\n.*|(Speedometer|Tachometer|Synchroniser|Sumlog|Hourmeter) .*|"
        "Version .*|Master|&?Filter:|Firmware|Message|Description|Info|Port)$"),
        QRegularExpression::DotMatchesEverythingOption);
    return alike.match(text.trimmed()).hasMatch();
}

// The texts of `english` that `translated` shows unchanged at the same place.
QStringList untranslated(const QMap<QString, QString> &english, const QMap<QString, QString> &translated)
{
    QStringList found;
    for (auto it = translated.cbegin(); it != translated.cend(); ++it) {
        if (english.value(it.key()) == it.value() && !readsAlike(it.value()))
            found << it.key() + QStringLiteral(" = \"") + it.value() + QLatin1Char('"');
    }
    return found;
}

// Buttons and labelled fields of a dialog whose letters are missing or taken twice.
QStringList mnemonicFaults(QWidget *dialog)
{
    QStringList faults;
    QMap<QString, QString> letters;
    QStringList texts;
    for (QAbstractButton *button : dialog->findChildren<QAbstractButton *>()) {
        // OK and Cancel are Enter and Esc.
        static const QStringList okAndCancel{"okButton", "cancelButton", "control1", "control2"};
        const bool okOrCancel =
            button->parentWidget()->inherits("QDialogButtonBox") || okAndCancel.contains(button->objectName());
        if (button->isVisibleTo(dialog) && !button->text().isEmpty() && !okOrCancel)
            texts << button->text() + QStringLiteral(" (") + keyOf(button) + QLatin1Char(')');
    }
    for (QLabel *label : dialog->findChildren<QLabel *>()) {
        if (label->buddy() && label->isVisibleTo(dialog))
            texts << label->text() + QStringLiteral(" (") + keyOf(label) + QLatin1Char(')');
    }
    for (const QString &text : texts) {
        const QKeySequence mnemonic = QKeySequence::mnemonic(text);
        if (mnemonic.isEmpty()) {
            faults << QStringLiteral("no letter: ") + text;
            continue;
        }
        const QString letter = mnemonic.toString().right(1).toLower();
        if (letters.contains(letter))
            faults << QStringLiteral("letter %1 twice: %2, %3").arg(letter, letters.value(letter), text);
        letters.insert(letter, text);
    }
    return faults;
}

// The dialog each command opens, its texts read and closed again.
QMap<QString, QString> dialogTexts(FrameFixture &f, int command, QStringList *mnemonics)
{
    QMap<QString, QString> texts;
    bool shown = false;
    whenModal<QDialog>([&](QDialog *dialog) {
        shown = true;
        texts = shownTexts(dialog);
        if (mnemonics)
            *mnemonics += mnemonicFaults(dialog);
        dialog->reject();
    });
    f.trigger(command);
    if (!shown)
        texts.insert(QStringLiteral("no dialog for %1").arg(command), QString());
    return texts;
}

struct Walk
{
    QMap<QString, QString> texts;
    QStringList mnemonics;
};

Walk walk(FrameFixture &f, const QString &pack)
{
    Walk w;
    Language::instance().switchLanguage(pack);
    f.frame().resize(1200, 900);
    for (QTreeWidgetItemIterator it(&f.tree()); *it; ++it) {
        const int code = ProjectTreeView::itemCode(*it);
        f.tree().setCurrentItem(*it);
        if (QWidget *view = f.frame().rightView()) {
            const QMap<QString, QString> texts = shownTexts(view);
            for (auto t = texts.cbegin(); t != texts.cend(); ++t)
                w.texts.insert(QStringLiteral("view %1/").arg(code) + t.key(), t.value());
        }
        w.texts.insert(QStringLiteral("tree %1").arg(code), (*it)->text(0));
    }
    for (const int command :
         {ChooseMasterType, CommunicationSettings, ServiceHistory, Diagnostics, AppAbout, ExportPdf, RestoreBackup}) {
        const QMap<QString, QString> texts = dialogTexts(f, command, &w.mnemonics);
        for (auto t = texts.cbegin(); t != texts.cend(); ++t)
            w.texts.insert(QStringLiteral("dialog %1/").arg(command) + t.key(), t.value());
    }
    return w;
}

}

class TranslationWalkTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { Language::instance().switchLanguage(QStringLiteral("vorn_eng32.dll")); }

    void everyViewAndDialogIsTranslated_data()
    {
        QTest::addColumn<QString>("pack");
        QTest::newRow("German") << "vorn_ger32.dll";
        QTest::newRow("French") << "vorn_fre32.dll";
    }
    void everyViewAndDialogIsTranslated()
    {
        QFETCH(QString, pack);
        FrameFixture f;
        settings_store::writeInt("Settings", "ServiceItems", 1);
        QVERIFY(f.start());
        openProjectOf(f, SpeedometerWithLcd);
        f.tree().expandAll();

        const Walk english = walk(f, QStringLiteral("vorn_eng32.dll"));
        const Walk translated = walk(f, pack);
        QVERIFY(english.texts.size() > 100);
        const QStringList found = untranslated(english.texts, translated.texts);
        for (const QString &text : found)
            qWarning("untranslated: %s", qPrintable(text));
        QVERIFY2(found.isEmpty(), qPrintable(QStringLiteral("%1 texts read as in English").arg(found.size())));
        QVERIFY2(translated.mnemonics.isEmpty(), qPrintable(translated.mnemonics.join(QLatin1Char('\n'))));
        QVERIFY2(english.mnemonics.isEmpty(), qPrintable(english.mnemonics.join(QLatin1Char('\n'))));
    }
};

SKALERON_TEST(TranslationWalkTest)
#include "TranslationWalkTest.moc"
