#include "StatusNotes.h"

#include "base/Language.h"
#include "link/LineSettings.h"
#include "model/ProjectDocument.h"

#include <QLabel>
#include <QStatusBar>

StatusNotes::StatusNotes(QStatusBar *bar)
    : m_bar(bar)
{
}

QLabel *StatusNotes::note(QLabel *&label, const char *objectName)
{
    if (!label) {
        label = new QLabel(m_bar);
        label->setObjectName(QString::fromLatin1(objectName));
        m_bar->addPermanentWidget(label);
    }
    return label;
}

void StatusNotes::ShowDemoGauge()
{
    note(m_demo, "demoNotice");
}

void StatusNotes::Update(const ProjectDocument &document)
{
    if (m_demo)
        m_demo->setText(LoadTranslatedString(5363));
    QLabel *port = note(m_port, "portNotice");
    port->setText(LoadTranslatedString(5364).arg(ConfiguredPortDevice(LoadLineSettings().port)));
    port->setVisible(!m_demo);
    QLabel *master = note(m_master, "masterNote");
    master->setText(LoadTranslatedString(5388).arg(document.GetConfig().MasterId));
    master->setVisible(document.MasterTypeMissing());
}
