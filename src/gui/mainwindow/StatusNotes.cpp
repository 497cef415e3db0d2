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

void StatusNotes::showDemoGauge()
{
    note(m_demo, "demoNotice");
}

void StatusNotes::endDemoGauge()
{
    delete m_demo;
    m_demo = nullptr;
}

void StatusNotes::update(const ProjectDocument &document)
{
    if (m_demo)
        m_demo->setText(loadTranslatedString(document.config().MasterId == -1 ? 5363 : 5973));
    QLabel *port = note(m_port, "portNotice");
    const QString device = configuredPortDevice(loadLineSettings().port);
    port->setText(device.isEmpty() ? loadTranslatedString(5989) : loadTranslatedString(5364).arg(device));
    port->setVisible(!m_demo);
    QLabel *master = note(m_master, "masterNote");
    master->setText(loadTranslatedString(5388).arg(document.config().MasterId));
    master->setVisible(document.masterTypeMissing());
}
