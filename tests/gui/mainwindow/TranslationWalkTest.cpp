// Every view and dialog in English, German and French, the dialogs opened by
// the menus' letters: no visible text stays as it reads in English (names,
// numbers, units and catalogue data are on an allow-list), every button and
// labelled field has a letter of its own, and Tab leaves a table.
#include "UserPaths.h"
#include "base/Language.h"
#include "base/SettingsStore.h"
#include "common/SimGauge.h"
#include "common/TestRegistry.h"
#include "mainwindow/GaugeTransferCommands.h"
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
    // The comparison's field names and the history's user are data.
    static const QRegularExpression dataCells(QStringLiteral("(differences|historyTable):cell\\d+\\.1$"));
    for (auto it = translated.cbegin(); it != translated.cend(); ++it) {
        if (english.value(it.key()) == it.value() && !readsAlike(it.value()) && !dataCells.match(it.key()).hasMatch())
            found << it.key() + QStringLiteral(" = \"") + it.value() + QLatin1Char('"');
    }
    return found;
}

// What a keyboard user meets in a dialog: a button or labelled field
// without a letter of its own, a table that keeps the Tab key.
QStringList keyboardFaults(QDialog *dialog)
{
    QStringList faults;
    QStringList texts;
    for (QAbstractButton *button : dialog->findChildren<QAbstractButton *>()) {
        // OK and Cancel are Enter and Esc.
        static const QStringList okAndCancel{"okButton", "cancelButton", "control1", "control2"};
        const bool okOrCancel =
            button->parentWidget()->inherits("QDialogButtonBox") || okAndCancel.contains(button->objectName());
        if (button->isVisibleTo(dialog) && !button->text().isEmpty() && !okOrCancel)
            texts << button->text();
    }
    for (QLabel *label : dialog->findChildren<QLabel *>()) {
        if (label->buddy() && label->isVisibleTo(dialog))
            texts << label->text();
    }
    QMap<QString, QString> letters;
    for (const QString &text : texts) {
        const QKeySequence mnemonic = QKeySequence::mnemonic(text);
        const QString letter = mnemonic.isEmpty() ? QString() : mnemonic.toString().right(1).toLower();
        if (letter.isEmpty() || letters.contains(letter))
            faults << QStringLiteral("%1: no letter of its own: %2 %3").arg(dialog->objectName(), text, letters.value(letter));
        letters.insert(letter, text);
    }
    dialog->activateWindow();
    (void)QTest::qWaitForWindowActive(dialog); // the focus checks below show whether it took
    for (QTableWidget *table : dialog->findChildren<QTableWidget *>()) {
        table->setFocus();
        QTest::keyClick(table, Qt::Key_Tab);
        if (QApplication::focusWidget() == table)
            faults << dialog->objectName() + QStringLiteral(": the table keeps the Tab key");
    }
    return faults;
}

struct Walk
{
    QMap<QString, QString> texts;
    QStringList keyboard;
};

// Each view of the tree, then each dialog as the menus open it by their letters.
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
    const QList<QPair<int, int>> menuCommands{{0, ExportPdf},     {3, ChooseMasterType},      {3, CompareGauge},
                                              {3, ServiceHistory}, {3, CommunicationSettings}, {3, Diagnostics},
                                              {4, AppAbout}};
    for (const auto &[menu, command] : menuCommands) {
        const QString prefix = QStringLiteral("dialog %1/").arg(command);
        bool shown = false;
        // A gauge command's progress window comes first and is left to run.
        std::function<void(QDialog *)> read = [&, prefix](QDialog *dialog) {
            if (dialog->inherits("TransferProgressDialog")) {
                whenModal<QDialog>(read);
                return;
            }
            shown = true;
            const QMap<QString, QString> texts = shownTexts(dialog);
            for (auto t = texts.cbegin(); t != texts.cend(); ++t)
                w.texts.insert(prefix + t.key(), t.value());
            w.keyboard += keyboardFaults(dialog);
            dialog->reject();
        };
        whenModal<QDialog>(read);
        pickFromMenu(f, menu, command);
        if (!shown) {
            ++driverGeneration(); // the next dialog is not this one's
            w.keyboard << prefix + QStringLiteral("no dialog");
        }
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
        SimGauge gauge{SimFamily::Register};
        FrameFixture f;
        settings_store::writeInt("Settings", "ServiceItems", 1);
        QVERIFY(f.start());
        LinkOptions options;
        options.timeouts = fastTimeouts();
        options.backupFolder = f.home().filePath(QStringLiteral("backups"));
        f.frame().gaugeCommands().setLinkOptions(options);
        ConfigRecord record;
        record.MasterId = SpeedometerWithLcd;
        record.KValue = 2345; // differs from the gauge's: Compare shows its table
        const QString path = f.home().filePath(QStringLiteral("boat.rix"));
        QVERIFY(project_file::writeFile(path, record, nullptr));
        QVERIFY(f.frame().openProject(path));
        f.tree().expandAll();

        const Walk english = walk(f, QStringLiteral("vorn_eng32.dll"));
        const Walk translated = walk(f, pack);
        QVERIFY(english.texts.size() > 100);
        const QStringList found = untranslated(english.texts, translated.texts);
        for (const QString &text : found)
            qWarning("untranslated: %s", qPrintable(text));
        QVERIFY2(found.isEmpty(), qPrintable(QStringLiteral("%1 texts read as in English").arg(found.size())));
        QVERIFY2(translated.keyboard.isEmpty(), qPrintable(translated.keyboard.join(QLatin1Char('\n'))));
        QVERIFY2(english.keyboard.isEmpty(), qPrintable(english.keyboard.join(QLatin1Char('\n'))));
    }
};

SKALERON_TEST(TranslationWalkTest)
#include "TranslationWalkTest.moc"
