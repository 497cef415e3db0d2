// The calibration form of each gauge input: which inputs it locks and how
// the graph shows it, the support points shown with one decimal, and a value
// that is no number keeping the form.
#include "OverviewFixture.h"
#include "common/MessageRecorder.h"
#include "common/TestRegistry.h"
#include "model/ProjectDocument.h"
#include "views/CalibrationGraph.h"
#include "views/CalibrationView.h"

#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QTest>

namespace {

// The colour in the middle of the plot, away from the grid lines.
QColor plotBackground(CalibrationView &view)
{
    auto *graph = view.findChild<CalibrationGraph *>();
    auto *plot = qobject_cast<QFrame *>(view.control(1145));
    const QImage image = plot->grab().toImage();
    const QRect area = graph->graphRect();
    return image.pixelColor(area.left() + area.width() / 8, area.top() + area.height() / 8);
}

}

class CalibrationViewTest : public QObject
{
    Q_OBJECT
private slots:
    void inputsLockedPerGauge_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<int>("source"); // -1: left unchosen
        QTest::addColumn<bool>("locked");
        QTest::newRow("Aux without signal source") << 201 << -1 << true;
        QTest::newRow("Aux on UBat") << 201 << 2 << true;
        QTest::newRow("Aux on its analog input") << 201 << 3 << false;
        QTest::newRow("temperature") << 301 << -1 << false;
        QTest::newRow("fuel level") << 401 << -1 << false;
    }
    void inputsLockedPerGauge()
    {
        QFETCH(int, item);
        QFETCH(int, source);
        QFETCH(bool, locked);
        ProjectDocument document;
        document.setSelectedTreeItem(item);
        CalibrationView view(&document);
        view.resize(1000, 800);
        view.initialize();
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        auto *sources = qobject_cast<QComboBox *>(view.control(1031));
        QCOMPARE(sources->isVisible(), item == 201);
        if (source >= 0)
            sources->setCurrentIndex(source);
        QCOMPARE(view.control(1004)->isEnabled(), !locked);
        QCOMPARE(view.control(3009)->isEnabled(), !locked);
        QCOMPARE(view.control(3024)->isEnabled(), !locked);
        QVERIFY(view.control(3001)->isEnabled()); // the display columns never lock
        QCOMPARE(plotBackground(view), locked ? view.palette().color(QPalette::Window) : QColor(Qt::white));
    }

    void supportPointsWithOneDecimal()
    {
        ProjectDocument document;
        document.setSelectedTreeItem(301);
        document.calibration(1)->resistance[2] = 35.66;
        CalibrationView view(&document);
        view.initialize();
        auto *edit = qobject_cast<QLineEdit *>(view.control(3011));
        QCOMPARE(edit->text(), QString("35.7"));
        QVERIFY(view.saveToRecord());
        QCOMPARE(document.calibration(1)->resistance[2], 35.66); // as shown, so unchanged
    }

    void badNumberKeepsTheForm()
    {
        testing_support::MessageRecorder messages;
        overview_testing::RecordingFrame statusBar;
        ProjectDocument document;
        document.setSelectedTreeItem(401);
        CalibrationView view(&document);
        view.initialize();
        auto *field = qobject_cast<QLineEdit *>(view.control(4003));
        field->clear();
        QTest::keyClicks(field, "-"); // the field lets no more than this by that is no number
        // Marked on the field while typing, and still on refusing: no pop-up.
        const QString reason = field->toolTip();
        QVERIFY(!reason.isEmpty());
        QVERIFY(!field->styleSheet().isEmpty());
        QVERIFY(!view.canLeave());
        QCOMPARE(field->toolTip(), reason);
        QCOMPARE(messages.count(), 0);
        QVERIFY(statusBar.notes.contains(reason));
        QTest::keyClick(field, Qt::Key_1);
        QCOMPARE(field->toolTip(), QString());
        QCOMPARE(statusBar.notes, QStringList()); // the status bar's word goes too
        QVERIFY(field->styleSheet().isEmpty());
        QVERIFY(view.canLeave());
    }
};

SKALERON_TEST(CalibrationViewTest)
#include "CalibrationViewTest.moc"
