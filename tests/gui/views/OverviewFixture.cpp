#include "OverviewFixture.h"

#include "app/SplashWindow.h"
#include "base/Language.h"
#include "base/SettingsStore.h"
#include "catalogue/CatalogueLocation.h"
#include "catalogue/CatalogueMasterTypeLookup.h"
#include "common/MessageRecorder.h"
#include "common/TestEnv.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/GaugeTransferCommands.h"
#include "common/SimGauge.h"
#include "views/ProjectTreeView.h"
#include "model/MasterTypeInfo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace overview_testing {

static MasterKind catalogueRow(int id, uint8_t firmware = 0)
{
    MasterKind kind;
    kind.catalogueId = id;
    kind.firmware = firmware;
    return kind;
}

// Rows of the sample catalogue.
MasterKind speedometerWithLcd() { return catalogueRow(1); }
MasterKind speedometerWithoutLcd() { return catalogueRow(2); }
MasterKind tachometerEarlyFirmware() { return catalogueRow(5, 'A'); }
MasterKind tachometerLaterFirmware() { return catalogueRow(5, 'B'); }
MasterKind tachometerWithHourCounter() { return catalogueRow(6, 'B'); }
MasterKind tachometerWithLcd() { return catalogueRow(8); }
MasterKind sumlog() { return catalogueRow(10); }
MasterKind synchroniser() { return catalogueRow(12); }

MasterKind instrumentOfNoKnownKind()
{
    MasterKind kind;
    kind.description = QStringLiteral("Voltmeter 8-16 V");
    return kind;
}

void useSampleCatalogue()
{
    settings_store::writeString("Directories", "DBase",
                                testing_support::binDir() + "/" + catalogue_location::sampleCatalogueFileName());
}

void useEnglish()
{
    Language::instance().setPackFolder(testing_support::binDir());
    QVERIFY(Language::instance().switchLanguage(QStringLiteral("vorn_eng32.dll")));
}

void chooseMaster(ProjectDocument &document, const MasterKind &kind)
{
    document.newProject();
    MasterTypeInfo info;
    if (kind.catalogueId) {
        info = CatalogueMasterTypeLookup().fetchById(kind.catalogueId);
        QVERIFY2(info.Found, "the sample catalogue lacks a master type the tests use");
    } else {
        info.Found = true;
        info.SelectedId = 1000;
        info.Description = kind.description;
        info.Picture = QImage(120, 120, QImage::Format_RGB32);
        info.Picture.fill(Qt::darkBlue);
    }
    ConfigRecord &config = document.config();
    config.reset();
    config.MasterId = info.SelectedId;
    config.applyMasterType(info);
    config.DataSource = 0;
    config.FirmwareVersion = {kind.firmware, 0};
    document.setModified(false);
}

std::unique_ptr<MasterOverview> openForm(ProjectDocument &document)
{
    auto form = std::make_unique<MasterOverview>(&document);
    form->resize(900, 700);
    form->initialize();
    form->show();
    form->activateWindow();
    if (!QTest::qWaitForWindowActive(form.get()))
        qWarning("the form did not become the active window");
    return form;
}

RunningProgram::RunningProgram(const MasterKind &kind, const QString &language)
{
    Language::instance().setPackFolder(testing_support::binDir());
    settings_store::writeString(QStringLiteral("Parameters"), QStringLiteral("Language"), language);
    int exitCode = 0;
    m_started = m_app.start({}, &exitCode);
    if (!m_started)
        return;
    // The start-up picture would take the first click of a test.
    SplashWindow::hideSplashScreen();
    LinkOptions options;
    options.timeouts = testing_support::fastTimeouts();
    options.pauseMs = 0; // the gauge's pause between writes is no part of these tests
    frame().gaugeCommands().setLinkOptions(options);
    // The tree selects the master item once there is one.
    document().config().MasterId = kind.catalogueId;
    document().applyStoredMasterType();
    frame().leftView()->fillTree();
}

RunningProgram::~RunningProgram()
{
    if (m_started) {
        // Leaving the form may change the project: nothing is saved.
        testing_support::MessageRecorder discard(user_messages::Answer::No);
        document().setModified(false);
        frame().close();
        m_app.finish(0);
    }
    Language::instance().setPackFolder(QString());
}

MasterOverview *RunningProgram::form()
{
    return qobject_cast<MasterOverview *>(frame().rightView());
}

QLineEdit *editOf(MasterOverview &form, int id)
{
    auto *w = qobject_cast<QLineEdit *>(form.control(id));
    Q_ASSERT(w);
    return w;
}

QComboBox *listOf(MasterOverview &form, int id)
{
    auto *w = qobject_cast<QComboBox *>(form.control(id));
    Q_ASSERT(w);
    return w;
}

QCheckBox *checkOf(MasterOverview &form, int id)
{
    auto *w = qobject_cast<QCheckBox *>(form.control(id));
    Q_ASSERT(w);
    return w;
}

QString refusalShown(MasterOverview &form, int id)
{
    const auto *note = form.findChild<QLabel *>(QStringLiteral("note%1").arg(id));
    if (!note || note->isHidden())
        return QString();
    return (editOf(form, id)->styleSheet().isEmpty() ? QStringLiteral("unframed: ") : QString()) + note->text();
}

QString textOf(MasterOverview &form, int id)
{
    QWidget *w = form.control(id);
    if (auto *label = qobject_cast<QLabel *>(w))
        return label->text();
    if (auto *line = qobject_cast<QLineEdit *>(w))
        return line->text();
    if (auto *button = qobject_cast<QAbstractButton *>(w))
        return button->text();
    return QString();
}

QStringList itemsOf(MasterOverview &form, int id)
{
    QStringList items;
    QComboBox *box = listOf(form, id);
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

}
