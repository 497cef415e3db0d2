#include "OverviewFixture.h"

#include "app/Language.h"
#include "common/TestEnv.h"
#include "model/MasterTypeInfo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace overview_testing {

MasterKind speedometerWithLcd() { return {"Speedometer 0-50 kn LCD", 1, 2, 0}; }
MasterKind speedometerWithoutLcd() { return {"Speedometer 0-35 kn", 0, 1, 0}; }
MasterKind tachometerEarlyFirmware() { return {"Tachometer 0-4000 rpm", 0, 1, 'A'}; }
MasterKind tachometerLaterFirmware() { return {"Tachometer 0-4000 rpm", 0, 1, 'B'}; }
MasterKind tachometerWithLcd() { return {"Tachometer with LCD 0-6000 rpm", 1, 1, 0}; }
MasterKind sumlog() { return {"Sumlog 0-30 kn", 1, 2, 0}; }
MasterKind synchroniser() { return {"Synchroniser 2 engines", 0, 1, 0}; }
MasterKind masterWithoutLcd() { return {"Voltmeter 8-16 V", 0, 1, 0}; }

void useEnglish()
{
    CLanguage::instance().setPackFolder(testing_support::binDir());
    QVERIFY(CLanguage::instance().SwitchLanguage(QStringLiteral("vorn_eng32.dll")));
}

void chooseMaster(CRixDoc &document, const MasterKind &kind)
{
    document.OnNewDocument();
    MasterTypeInfo info;
    info.Found = true;
    info.SelectedId = 7;
    info.Description = kind.description;
    info.HasLcd = kind.hasLcd;
    info.FreqInputs = kind.freqInputs;
    info.ScaleMin = 0;
    info.ScaleMax = 4000;
    info.Picture = QImage(120, 120, QImage::Format_RGB32);
    info.Picture.fill(Qt::darkBlue);
    CConfigData &config = document.GetConfig();
    config.Reset();
    config.MasterId = info.SelectedId;
    config.ApplyMasterType(info);
    config.DataSource = 0;
    config.FirmwareVersion = {kind.firmware, 0};
    document.SetModifiedFlag(false);
}

std::unique_ptr<CMasterOverview> openForm(CRixDoc &document)
{
    auto form = std::make_unique<CMasterOverview>(&document);
    form->resize(900, 700);
    form->OnInitialUpdate();
    form->show();
    form->activateWindow();
    if (!QTest::qWaitForWindowActive(form.get()))
        qWarning("the form did not become the active window");
    return form;
}

QLineEdit *editOf(CMasterOverview &form, int id)
{
    auto *w = qobject_cast<QLineEdit *>(form.Control(id));
    Q_ASSERT(w);
    return w;
}

QComboBox *listOf(CMasterOverview &form, int id)
{
    auto *w = qobject_cast<QComboBox *>(form.Control(id));
    Q_ASSERT(w);
    return w;
}

QCheckBox *checkOf(CMasterOverview &form, int id)
{
    auto *w = qobject_cast<QCheckBox *>(form.Control(id));
    Q_ASSERT(w);
    return w;
}

QString textOf(CMasterOverview &form, int id)
{
    QWidget *w = form.Control(id);
    if (auto *label = qobject_cast<QLabel *>(w))
        return label->text();
    if (auto *line = qobject_cast<QLineEdit *>(w))
        return line->text();
    if (auto *button = qobject_cast<QAbstractButton *>(w))
        return button->text();
    return QString();
}

QStringList itemsOf(CMasterOverview &form, int id)
{
    QStringList items;
    QComboBox *box = listOf(form, id);
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

}
