#include "mainwindow/MainMenu.h"
#include "base/RecentFileList.h"
#include "common/TestEnv.h"
#include "common/TestRegistry.h"

#include <QKeySequence>
#include <QMap>
#include <QTest>
#include <algorithm>
#include <QTranslator>

// The menus take their texts through tables of pack numbers, which the scan
// of literal string numbers cannot see: every number must be in every pack.
class MenuTextsTest : public QObject
{
    Q_OBJECT
private slots:
    void everyMenuTextIsInEveryPack_data()
    {
        QTest::addColumn<QString>("pack");
        for (const char *pack : {"vorn_eng32", "vorn_ger32", "vorn_fre32"})
            QTest::newRow(pack) << QString::fromLatin1(pack);
    }
    void everyMenuTextIsInEveryPack()
    {
        QFETCH(QString, pack);
        QTranslator translator;
        QVERIFY(translator.load(testing_support::binDir() + "/" + pack + ".qm"));
        auto hasText = [&translator](int id) {
            return !translator.translate(nullptr, QByteArray::number(id).constData()).isEmpty();
        };

        QList<int> commands(main_menu::contextMenu().begin(), main_menu::contextMenu().end());
        for (const main_menu::Popup &popup : main_menu::menuBar()) {
            QVERIFY2(hasText(popup.textId), qPrintable(QString::number(popup.textId)));
            commands += QList<int>(popup.commands.begin(), popup.commands.end());
        }
        QVERIFY(hasText(main_menu::RecentFilePlaceholderId));
        QVERIFY(hasText(main_menu::UndoStepTextId));
        QVERIFY(hasText(main_menu::RedoStepTextId));
        for (int command : commands) {
            if (command == main_menu::Separator || command == main_menu::RecentFiles)
                continue;
            const int text = main_menu::menuTextId(command);
            const int prompt = main_menu::promptId(command);
            QVERIFY2(text != 0 && hasText(text), qPrintable(QString("menu text of command %1").arg(command)));
            QVERIFY2(prompt != 0 && hasText(prompt), qPrintable(QString("prompt of command %1").arg(command)));
        }
    }

    // Alt and a letter reaches one entry of the menu bar, and within an open
    // menu one letter one entry, in every language. Menu -1 is the menu bar,
    // -2 the context menu.
    void mnemonicsAreUniqueInEveryMenu_data()
    {
        QTest::addColumn<QString>("pack");
        QTest::addColumn<int>("menu");
        for (const char *pack : {"vorn_eng32", "vorn_ger32", "vorn_fre32"}) {
            QTest::addRow("%s menu bar", pack) << QString::fromLatin1(pack) << -1;
            for (int i = 0; i < int(main_menu::menuBar().size()); ++i)
                QTest::addRow("%s menu %d", pack, main_menu::menuBar().at(i).textId) << QString::fromLatin1(pack) << i;
            QTest::addRow("%s context menu", pack) << QString::fromLatin1(pack) << -2;
        }
    }
    void mnemonicsAreUniqueInEveryMenu()
    {
        QFETCH(QString, pack);
        QFETCH(int, menu);
        QTranslator translator;
        QVERIFY(translator.load(testing_support::binDir() + "/" + pack + ".qm"));
        auto text = [&translator](int id) {
            return translator.translate(nullptr, QByteArray::number(id).constData());
        };
        QStringList entries;
        auto add = [&](int command) {
            if (command == main_menu::RecentFiles) {
                for (int i = 1; i <= RecentFileList::Size; ++i)
                    entries << QStringLiteral("&%1 recent.rix").arg(i);
            } else if (command != main_menu::Separator) {
                entries << text(main_menu::menuTextId(command));
            }
        };
        if (menu == -1) {
            for (const main_menu::Popup &popup : main_menu::menuBar())
                entries << text(popup.textId);
        } else {
            const std::vector<int> &commands =
                menu == -2 ? main_menu::contextMenu() : main_menu::menuBar().at(menu).commands;
            std::for_each(commands.begin(), commands.end(), add);
        }

        QMap<QKeySequence, QString> taken;
        QStringList problems;
        for (const QString &entry : std::as_const(entries)) {
            const QKeySequence key = QKeySequence::mnemonic(entry);
            if (key.isEmpty())
                problems << entry + " has no letter";
            else if (taken.contains(key))
                problems << taken.value(key) + " / " + entry;
            taken.insert(key, entry);
        }
        QCOMPARE(problems.join("; "), QString());
    }
};

SKALERON_TEST(MenuTextsTest)
#include "MenuTextsTest.moc"
