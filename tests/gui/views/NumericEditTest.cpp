// The numeric edit as a user types into it: the characters each mode takes,
// one sign, separator and star, the exception at the start of a number, the
// decimal comma turned into a point however it arrives.
#include "OverviewFixture.h"
#include "common/TestRegistry.h"
#include "views/NumericEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>

Q_DECLARE_METATYPE(NumericEdit::Mode)

class NumericEditTest : public QObject
{
    Q_OBJECT
private slots:
    void typing_data()
    {
        QTest::addColumn<NumericEdit::Mode>("mode");
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("caret"); // -1: the whole text selected
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("refused");
        const auto decimal = NumericEdit::Mode::Decimal;
        const auto star = NumericEdit::Mode::Star;
        QTest::newRow("comma typed shows a point") << decimal << "" << 0 << "1,5" << "1.5" << 0;
        QTest::newRow("second separator refused") << decimal << "" << 0 << "1,5.," << "1.5" << 2;
        QTest::newRow("letters and star refused") << decimal << "" << 0 << "1a*2" << "12" << 2;
        QTest::newRow("sign into an empty field") << decimal << "" << 0 << "-5" << "-5" << 0;
        QTest::newRow("second sign refused") << decimal << "" << 0 << "-5+" << "-5" << 1;
        QTest::newRow("minus after a plus refused") << decimal << "+12" << 3 << "-" << "+12" << 1;
        QTest::newRow("minus before a number") << decimal << "12" << 0 << "-" << "-12" << 0;
        QTest::newRow("at the start the sign test is skipped") << decimal << "-12" << 0 << "+" << "+-12" << 0;
        QTest::newRow("separator before a number with one") << decimal << "1.5" << 0 << "," << ".1.5" << 0;
        QTest::newRow("selection from the start replaced") << decimal << "3.25" << -1 << "7,5" << "7.5" << 0;
        QTest::newRow("star once") << star << "" << 0 << "12*3*" << "12*3" << 1;
        QTest::newRow("star mode refuses point, comma, sign, letters") << star << "" << 0 << "1.,-a" << "1" << 4;
    }
    void typing()
    {
        QFETCH(NumericEdit::Mode, mode);
        QFETCH(QString, before);
        QFETCH(int, caret);
        QFETCH(QString, keys);
        QFETCH(QString, after);
        QFETCH(int, refused);
        NumericEdit edit;
        edit.setMode(mode);
        edit.setText(before);
        if (caret < 0)
            edit.selectAll();
        else
            edit.setCursorPosition(caret);
        QSignalSpy refusals(&edit, &NumericEdit::characterRefused);
        QTest::keyClicks(&edit, keys);
        QCOMPARE(edit.text(), after);
        QCOMPARE(refusals.size(), refused);
    }

    // A refused character says why beside the field: the beep alone is
    // easily missed ("1.000,5" meant as a thousand and a half).
    void refusalSaysWhy_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("said");
        QTest::newRow("thousands point") << "1.000,5"
                                         << "A number takes one decimal point or comma and no thousands separator "
                                            "(a thousand and a half: 1000.5 or 1000,5)";
        QTest::newRow("letter") << "5x" << "Only digits, a sign and a decimal point or comma can be typed here";
    }
    void refusalSaysWhy()
    {
        QFETCH(QString, keys);
        QFETCH(QString, said);
        overview_testing::useEnglish();
        NumericEdit edit;
        edit.show();
        QTest::keyClicks(&edit, keys);
        QCOMPARE(QToolTip::text(), said);
        QToolTip::hideText();
    }

    void backspaceAlwaysWorks_data()
    {
        QTest::addColumn<NumericEdit::Mode>("mode");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("decimal") << NumericEdit::Mode::Decimal << "-1.5" << "-1.";
        QTest::newRow("star") << NumericEdit::Mode::Star << "12*" << "12";
    }
    void backspaceAlwaysWorks()
    {
        QFETCH(NumericEdit::Mode, mode);
        QFETCH(QString, before);
        QFETCH(QString, after);
        NumericEdit edit;
        edit.setMode(mode);
        edit.setText(before);
        QTest::keyClick(&edit, Qt::Key_Backspace);
        QCOMPARE(edit.text(), after);
    }

    // Typed, pasted with Ctrl+V or put in by the program: the comma becomes
    // a point and the caret stays behind what arrived.
    void commaArrivingOtherwise_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("selectionStart");
        QTest::addColumn<int>("selectionLength");
        QTest::addColumn<QString>("arriving");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("caret");
        QTest::newRow("typed inside") << "type" << "15" << 1 << 0 << "," << "1.5" << 2;
        QTest::newRow("pasted inside") << "paste" << "19" << 1 << 0 << "2,5" << "12.59" << 4;
        QTest::newRow("pasted over a selection") << "paste" << "100" << 1 << 2 << "2,75" << "12.75" << 5;
        QTest::newRow("inserted by the program") << "insert" << "100" << 1 << 1 << "2," << "12.0" << 3;
        QTest::newRow("set by the program") << "set" << "" << 0 << 0 << "1,25" << "1.25" << 4;
    }
    void commaArrivingOtherwise()
    {
        QFETCH(QString, how);
        QFETCH(QString, before);
        QFETCH(int, selectionStart);
        QFETCH(int, selectionLength);
        QFETCH(QString, arriving);
        QFETCH(QString, after);
        QFETCH(int, caret);
        NumericEdit edit;
        edit.setText(before);
        edit.setSelection(selectionStart, selectionLength);
        if (how == "type") {
            QTest::keyClicks(&edit, arriving);
        } else if (how == "paste") {
            QApplication::clipboard()->setText(arriving);
            QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
        } else if (how == "insert") {
            edit.insert(arriving);
        } else {
            edit.setText(arriving);
        }
        QCOMPARE(edit.text(), after);
        QCOMPARE(edit.cursorPosition(), caret);
    }

    void colouring_data()
    {
        QTest::addColumn<bool>("on");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<QColor>("expected");
        const QColor plain = QApplication::palette().color(QPalette::Text);
        QTest::newRow("off: the palette's") << false << QColor(Qt::red) << plain;
        QTest::newRow("on: dark green by default") << true << QColor() << QColor(0, 128, 0);
        QTest::newRow("on: a colour of its own") << true << QColor(Qt::blue) << QColor(Qt::blue);
    }
    void colouring()
    {
        QFETCH(bool, on);
        QFETCH(QColor, colour);
        QFETCH(QColor, expected);
        NumericEdit edit;
        if (colour.isValid())
            edit.setTextColour(colour);
        edit.setColouring(on);
        QCOMPARE(edit.palette().color(QPalette::Text), expected);
        QCOMPARE(edit.palette().color(QPalette::Base), QApplication::palette().color(QPalette::Base));
    }
};

SKALERON_TEST(NumericEditTest)
#include "NumericEditTest.moc"
