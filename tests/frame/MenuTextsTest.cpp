#include "frame/MainMenu.h"
#include "common/TestEnv.h"
#include "common/TestRegistry.h"

#include <QTest>
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

        QList<int> commands(main_menu::ContextMenu().begin(), main_menu::ContextMenu().end());
        for (const main_menu::Popup &popup : main_menu::MenuBar()) {
            QVERIFY2(hasText(popup.textId), qPrintable(QString::number(popup.textId)));
            commands += QList<int>(popup.commands.begin(), popup.commands.end());
        }
        QVERIFY(hasText(main_menu::RecentFilePlaceholderId));
        for (int command : commands) {
            if (command == main_menu::Separator || command == main_menu::RecentFiles)
                continue;
            const int text = main_menu::MenuTextId(command);
            const int prompt = main_menu::PromptId(command);
            QVERIFY2(text != 0 && hasText(text), qPrintable(QString("menu text of command %1").arg(command)));
            QVERIFY2(prompt != 0 && hasText(prompt), qPrintable(QString("prompt of command %1").arg(command)));
        }
    }
};

SKALERON_TEST(MenuTextsTest)
#include "MenuTextsTest.moc"
