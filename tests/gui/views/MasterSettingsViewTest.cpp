// The master settings form: its input damping controls stay out of sight
// without any project value changing, and a form without a picture paints no
// band.
#include "common/MessageRecorder.h"
#include "common/TestEnv.h"
#include "common/TestRegistry.h"
#include "model/ProjectDocument.h"
#include "resources/DialogTemplates.h"
#include "views/MasterSettingsView.h"

#include <QAbstractButton>
#include <QTest>
#include <algorithm>

using namespace master_settings;

namespace {

// A project as a user has it: a master type and settings of its own.
void fillProject(ProjectDocument &document)
{
    ConfigRecord &c = document.config();
    c.MasterId = 3;
    c.KValue = 3600;
    c.WarnThreshold = 45;
    c.WarnMode = 1;
    c.DisplayMask = 0x0805;
    c.Illumination = 80;
}

}

class MasterSettingsViewTest : public QObject
{
    Q_OBJECT
private slots:
    void dampingControlsStayHidden_data()
    {
        QTest::addColumn<int>("clicked");
        QTest::newRow("at set-up") << 0;
        QTest::newRow("after operating hours display 1063") << int(ids::HoursDisplay);
        QTest::newRow("after distance display 1064") << int(ids::DistanceDisplay);
    }
    void dampingControlsStayHidden()
    {
        QFETCH(int, clicked);
        testing_support::ScopedTestHome home;
        testing_support::MessageRecorder messages;
        ProjectDocument document;
        fillProject(document);
        const ConfigRecord before = document.config();
        MasterSettingsView view(&document);
        view.initialize();
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QTest::keyClicks(view.control(ids::KValueEdit), QStringLiteral("1234,5"));
        if (clicked) {
            // Whatever brought them back, a display choice hides them again.
            for (int id : dampingControls())
                view.control(id)->show();
            auto *button = qobject_cast<QAbstractButton *>(view.control(clicked));
            QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
            QVERIFY(button->isChecked());
        }

        QStringList shown;
        for (int id : dampingControls()) {
            if (view.control(id)->isVisibleTo(&view))
                shown << QString::number(id);
        }
        QCOMPARE(shown, QStringList());
        QVERIFY(document.config().sameUserSettings(before));
        QVERIFY(!document.isModified());
        QCOMPARE(messages.count(), 0);
    }

    void pictureBandOnlyWithPicture_data()
    {
        QTest::addColumn<bool>("withPicture");
        QTest::newRow("template 104") << true;
        QTest::newRow("template without control 2300") << false;
    }
    void pictureBandOnlyWithPicture()
    {
        QFETCH(bool, withPicture);
        dialog_templates::DialogTemplate form = *dialog_templates::find(FormTemplate);
        if (!withPicture) {
            auto &c = form.controls;
            c.erase(std::remove_if(c.begin(), c.end(), [](const auto &t) { return t.id == ids::Picture; }), c.end());
        }
        ProjectDocument document;
        MasterSettingsView view(&document, form);
        view.initialize();
        view.resize(800, 700);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const QImage image = view.grab().toImage();
        QCOMPARE(view.control(ids::Picture) != nullptr, withPicture);
        // The top right corner: in the band, clear of every control.
        QCOMPARE(image.pixelColor(image.width() - 3, 3) == QColor(Qt::white), withPicture);
    }
};

SKALERON_TEST(MasterSettingsViewTest)
#include "MasterSettingsViewTest.moc"
