#include "ProjectFormView.h"

#include "resources/DialogTemplates.h"
#include "app/TranslateWindow.h"
#include "model/ProjectDocument.h"

#include <QGridLayout>
#include <QLabel>

static QString templateText(int controlId)
{
    const dialog_templates::ControlTemplate *control = dialog_templates::findControl(102, controlId);
    return control ? QString::fromUtf8(control->text) : QString();
}

ProjectFormView::ProjectFormView(ProjectDocument *document, QWidget *parent)
    : FormView(document, parent)
{
    setObjectName(QStringLiteral("ProjectFormView"));
    // Every control is drawn on white, as the form's background.
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    setPalette(white);

    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("picture"));
    m_picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *labels = new QLabel(templateText(1097), this);
    labels->setObjectName(QStringLiteral("labels"));
    labels->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_information = new QLabel(templateText(1096), this);
    m_information->setObjectName(QStringLiteral("information"));
    m_information->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_information->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(16, 16, 16, 16);
    grid->setHorizontalSpacing(16);
    grid->addWidget(m_picture, 0, 0, 1, 2);
    grid->addWidget(labels, 1, 0);
    grid->addWidget(m_information, 1, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(2, 1);
}

QString ProjectFormView::informationText(const ProjectDocument &document)
{
    const ConfigRecord &c = document.config();
    QString text;
    for (const QString &line : {c.OrderNumber, c.Description, c.Diameter, c.OuterScaleRange, c.InnerScaleRange,
                                c.SignalInput})
        text += line + QLatin1Char('\n');
    return text;
}

void ProjectFormView::initialize()
{
    FormView::initialize();
    translateWindow(this);
    ProjectDocument *document = this->document();
    if (!document)
        return;
    const QImage &picture = document->config().PictureBitmap;
    if (picture.isNull())
        m_picture->clear();
    else
        m_picture->setPixmap(QPixmap::fromImage(picture));
    m_informationText = informationText(*document);
    loadFromRecord();
}

// Nothing here is editable: only the way towards the controls exists.
void ProjectFormView::loadFromRecord()
{
    m_information->setText(m_informationText);
}
