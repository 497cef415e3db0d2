// The forms fit their contents in every language: no drop-down list is
// narrower than its longest entry, even at the smallest size the layout
// allows, and hidden controls leave no gap. The master's form uses the
// window at every size.
#include "OverviewFixture.h"

#include "dialogs/OptionsDialog.h"
#include "base/Language.h"
#include "common/MessageRecorder.h"
#include "common/TestEnv.h"
#include "common/TestRegistry.h"
#include "mainwindow/MainWindow.h"
#include "forms/MasterOverviewRules.h"
#include "views/ProjectTreeView.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <algorithm>

using namespace overview_testing;
using namespace master_overview;

namespace {

// Each combo box of the window against its longest entry; the names of those
// that are too narrow.
QStringList tooNarrow(QWidget *window)
{
    QStringList narrow;
    for (QComboBox *box : window->findChildren<QComboBox *>()) {
        if (!box->isVisibleTo(window))
            continue;
        int longest = 0;
        for (int i = 0; i < box->count(); ++i)
            longest = std::max(longest, box->fontMetrics().horizontalAdvance(box->itemText(i)));
        if (box->width() < longest)
            narrow << QStringLiteral("%1 (%2 < %3)").arg(box->objectName()).arg(box->width()).arg(longest);
    }
    return narrow;
}

// The largest vertical gap between the visible controls of one column,
// taking controls side by side as one band.
int largestGap(MasterOverview &form, const QList<int> &column)
{
    QList<QRect> boxes;
    for (int id : column) {
        QWidget *w = form.control(id);
        if (w && w->isVisibleTo(&form))
            boxes << w->geometry();
    }
    // A note under a field of the column says something: it is part of it.
    for (QLabel *note : form.findChildren<QLabel *>()) {
        const int field = note->objectName().mid(4).toInt();
        if (note->objectName().startsWith(QStringLiteral("note")) && column.contains(field) && note->isVisibleTo(&form))
            boxes << note->geometry();
    }
    std::sort(boxes.begin(), boxes.end(), [](const QRect &a, const QRect &b) { return a.top() < b.top(); });
    int gap = 0;
    int bottom = boxes.isEmpty() ? 0 : boxes.first().bottom();
    for (const QRect &r : boxes) {
        if (r.top() > bottom)
            gap = std::max(gap, r.top() - bottom - 1);
        bottom = std::max(bottom, r.bottom());
    }
    return gap;
}

const QList<int> leftColumn = {
    ids::SourceLabel,    ids::SourceList,       ids::PulseLabel,       ids::PulseEdit,       ids::PulseUnit,
    ids::ThresholdLabel, ids::ThresholdEdit,    ids::ThresholdUnit,    ids::WarnModeLabel,   ids::WarnModeList,
    ids::Buzzer,         ids::Source2Label,     ids::Source2List,      ids::Pulse2Label,     ids::Pulse2Edit,
    ids::Pulse2Unit,     ids::GeneralLine,      ids::GeneralLabel,     ids::IlluminationLabel, ids::IlluminationList,
    ids::UnitsLine,      ids::UnitsLabel,       ids::DistanceLabel,    ids::DistanceList,    ids::TemperatureLabel,
    ids::TemperatureList, ids::TimeLabel,       ids::TimeList,         ids::DepthLabel,      ids::DepthList,
};
const QList<int> rightColumn = {
    ids::DisplayLabel, ids::DisplayChoiceLabel, ids::EngineHours, ids::TripHours,  ids::Clock,
    ids::WaterTemperature, ids::Volt, ids::OdoTotal, ids::TripDistance, ids::Depth, ids::CounterGroup,
};

const char *const languages[] = {"vorn_eng32.dll", "vorn_ger32.dll", "vorn_fre32.dll"};

}

class FormLayoutTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { useSampleCatalogue(); }
    void cleanup() { useEnglish(); }

    void masterFormListsFitTheirEntries_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("catalogueId");
        for (const char *language : languages) {
            const QString name = QString::fromLatin1(language).mid(5, 3);
            QTest::newRow(qPrintable(name + " speedometer")) << language << speedometerWithLcd().catalogueId;
            QTest::newRow(qPrintable(name + " tachometer")) << language << tachometerWithLcd().catalogueId;
            QTest::newRow(qPrintable(name + " sumlog")) << language << sumlog().catalogueId;
        }
    }
    void masterFormListsFitTheirEntries()
    {
        QFETCH(QString, language);
        QFETCH(int, catalogueId);
        MasterKind kind;
        kind.catalogueId = catalogueId;
        RunningProgram program(kind, language);
        QVERIFY(program.started());
        MainWindow &frame = program.frame();
        frame.showNormal();
        frame.resize(frame.minimumSize());
        QTRY_VERIFY(program.form() && program.form()->isVisible());
        QTest::qWait(50); // the layout follows the lists' entries
        const QStringList narrow = tooNarrow(program.form());
        QVERIFY2(narrow.isEmpty(), qPrintable(narrow.join(", ")));
    }

    // The master's form fills a large window and scrolls only downwards in a
    // small one; the window starts at a size made for the screen, the tree as
    // wide as its items. A value out of range typed into a field is named
    // under it at once, without a pop-up and without moving the other columns.
    void masterFormUsesTheWindow_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("typed");
        QTest::newRow("maximised on a large screen") << QSize(1600, 1000) << QString();
        QTest::newRow("800 x 600") << QSize(800, 600) << QString();
        QTest::newRow("pulse factor beyond the gauge") << QSize(1600, 1000) << QStringLiteral("99999999999");
    }
    void masterFormUsesTheWindow()
    {
        QFETCH(QSize, size);
        QFETCH(QString, typed);
        testing_support::MessageRecorder messages;
        RunningProgram program(speedometerWithLcd());
        QVERIFY(program.started());
        MainWindow &frame = program.frame();
        frame.showNormal();
        const QRect screen = frame.screen()->availableGeometry();
        QTRY_VERIFY(!frame.isMaximized());
        QVERIFY2(frame.size() != QSize(640, 420) && screen.contains(frame.geometry()),
                 qPrintable(QStringLiteral("%1x%2").arg(frame.width()).arg(frame.height())));

        frame.resize(size);
        QTRY_VERIFY(program.form() && program.form()->isVisible());
        QTest::qWait(50);
        MasterOverview &form = *program.form();
        auto *area = frame.findChild<QScrollArea *>(QStringLiteral("formArea"));
        QWidget *counter = form.control(ids::CounterGroup);
        auto rightOfGroups = [&] { return counter->mapTo(area->viewport(), QPoint(counter->width(), 0)).x(); };
        const int right = rightOfGroups();
        QVERIFY2(right > area->viewport()->width() * 8 / 10,
                 qPrintable(QStringLiteral("%1 of %2").arg(right).arg(area->viewport()->width())));
        QCOMPARE(area->horizontalScrollBar()->maximum(), 0);
        ProjectTreeView *tree = frame.leftView();
        QVERIFY(tree->viewport()->width() >= static_cast<QAbstractItemView *>(tree)->sizeHintForColumn(0));

        if (typed.isEmpty())
            return;
        QLineEdit *field = editOf(form, ids::PulseEdit);
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, typed);
        QVERIFY(!field->styleSheet().isEmpty());
        QLabel *note = form.findChild<QLabel *>(QStringLiteral("note%1").arg(ids::PulseEdit));
        QVERIFY(note->isVisible());
        QVERIFY2(note->text().startsWith(QStringLiteral("needs a value from")), qPrintable(note->text()));
        QTest::qWait(50);
        QCOMPARE(rightOfGroups(), right);
        QCOMPARE(area->horizontalScrollBar()->maximum(), 0);
        QCOMPARE(messages.count(), 0);
    }

    void optionsListsFitTheirEntries_data()
    {
        QTest::addColumn<QString>("language");
        for (const char *language : languages)
            QTest::newRow(language) << language;
    }
    void optionsListsFitTheirEntries()
    {
        QFETCH(QString, language);
        QVERIFY(Language::instance().switchLanguage(language));
        OptionsDialog options;
        options.setSystemPorts({{QStringLiteral("ttyUSB0"), QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R_A10KX3-if00")}});
        options.show();
        QVERIFY(QTest::qWaitForWindowExposed(&options));
        options.resize(options.minimumSizeHint());
        QTest::qWait(20);
        const QStringList narrow = tooNarrow(&options);
        QVERIFY2(narrow.isEmpty(), qPrintable(narrow.join(", ")));
        options.reject();
    }

    void hiddenControlsTakeNoSpace_data()
    {
        QTest::addColumn<int>("catalogueId");
        QTest::newRow("speedometer with LCD, two inputs") << speedometerWithLcd().catalogueId;
        QTest::newRow("speedometer without LCD") << speedometerWithoutLcd().catalogueId;
        QTest::newRow("tachometer with LCD") << tachometerWithLcd().catalogueId;
        QTest::newRow("tachometer with hour counter") << tachometerWithHourCounter().catalogueId;
        QTest::newRow("synchroniser") << synchroniser().catalogueId;
    }
    // A hidden row would leave at least a line of text's height.
    void hiddenControlsTakeNoSpace()
    {
        QFETCH(int, catalogueId);
        testing_support::ScopedTestHome home;
        useSampleCatalogue();
        ProjectDocument document;
        MasterKind kind;
        kind.catalogueId = catalogueId;
        chooseMaster(document, kind);
        auto form = openForm(document);
        const int line = form->fontMetrics().height();
        QVERIFY2(largestGap(*form, leftColumn) < line, qPrintable(QString::number(largestGap(*form, leftColumn))));
        QVERIFY2(largestGap(*form, rightColumn) < line, qPrintable(QString::number(largestGap(*form, rightColumn))));
    }
};

SKALERON_TEST(FormLayoutTest)
#include "FormLayoutTest.moc"
