// Qt's own texts (the standard buttons of every question) follow the chosen
// language, as the program's texts do.
#include "common/PackFolder.h"

#include "app/MessageBoxSink.h"
#include "common/TestRegistry.h"
#include "gui/mainwindow/DialogDriver.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>

using namespace testing_support;

class QtTextsTest : public QObject
{
    Q_OBJECT
private slots:
    void questionButtonsInTheChosenLanguage_data()
    {
        QTest::addColumn<QString>("library");
        QTest::addColumn<QString>("yes");
        QTest::addColumn<QString>("cancel");
        QTest::newRow("German") << "vorn_ger32.dll" << "&Ja" << "Abbrechen";
        QTest::newRow("French") << "vorn_fre32.dll" << "&Oui" << "Annuler";
        QTest::newRow("English") << "vorn_eng32.dll" << "&Yes" << "Cancel";
    }
    void questionButtonsInTheChosenLanguage()
    {
        QFETCH(QString, library);
        QFETCH(QString, yes);
        QFETCH(QString, cancel);
        PackFolder packs;
        QVERIFY(Language::instance().switchLanguage(library));
        MessageBoxSink boxes;
        QStringList texts;
        whenModal<QMessageBox>([&texts](QMessageBox *box) {
            texts << box->button(QMessageBox::Yes)->text() << box->button(QMessageBox::Cancel)->text();
            box->button(QMessageBox::Cancel)->click();
        });
        const auto answer = user_messages::show(QStringLiteral("Save changes?"), user_messages::Icon::Question,
                                                user_messages::Buttons::YesNoCancel);
        QCOMPARE(answer, user_messages::Answer::Cancel);
        QCOMPARE(texts, (QStringList{yes, cancel}));
    }

    // A question whose Yes drops work is not answered Yes by a hasty Enter.
    void enterAnswersNoWhereYesDropsWork()
    {
        PackFolder packs;
        MessageBoxSink boxes;
        whenModal<QMessageBox>([](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Return); });
        user_messages::Message question;
        question.text = QStringLiteral("Choose it?");
        question.icon = user_messages::Icon::Question;
        question.buttons = user_messages::Buttons::YesNo;
        question.noByDefault = true;
        QCOMPARE(user_messages::show(question), user_messages::Answer::No);
    }
};

SKALERON_TEST(QtTextsTest)
#include "QtTextsTest.moc"
