#include "DiagnosticsPages.h"

#include "base/Language.h"
#include "app/TranslateWindow.h"
#include "base/Utility.h"
#include "resources/DialogTemplates.h"
#include "views/TemplateControl.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

constexpr int InputsTemplate = 137;
constexpr int InfoTemplate = 9908;
constexpr int FirstAdcId = 1003;
constexpr int FirstPhyId = 1013;
constexpr int FirstUnitId = 1302;
constexpr int DateId = 1062;
constexpr int VersionId = 1061;

// A double as the fields have always shown it: up to 15 significant digits,
// a point as the decimal separator.
QString numberText(double value)
{
    return QString::number(value, 'g', 15);
}

const dialog_templates::DialogTemplate &formTemplate(int id)
{
    const dialog_templates::DialogTemplate *t = dialog_templates::find(id);
    Q_ASSERT(t);
    return *t;
}

}

DiagnosticsInputsPage::DiagnosticsInputsPage(QWidget *parent)
    : QWidget(parent)
{
    const dialog_templates::DialogTemplate &t = formTemplate(InputsTemplate);
    setObjectName(QStringLiteral("DiagnosticsInputsPage"));
    setWindowTitle(QString::fromUtf8(t.caption));

    // Row 0 holds the two column headings, rows 1 to 4 the inputs: the
    // unnamed statics come in that order, a heading or an input's name each.
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    int unnamed = 0;
    for (const dialog_templates::ControlTemplate &c : t.controls) {
        QWidget *w = createTemplateControl(c, this);
        if (c.id == dialog_templates::UnnamedControl) {
            if (unnamed < 2)
                grid->addWidget(w, 0, 1 + unnamed);
            else
                grid->addWidget(w, unnamed - 1, 0);
            ++unnamed;
        } else if (c.id >= FirstAdcId && c.id < FirstAdcId + Rows) {
            m_adcFields.at(c.id - FirstAdcId) = qobject_cast<QLineEdit *>(w);
            grid->addWidget(w, 1 + c.id - FirstAdcId, 1);
        } else if (c.id >= FirstPhyId && c.id < FirstPhyId + Rows) {
            m_phyFields.at(c.id - FirstPhyId) = qobject_cast<QLineEdit *>(w);
            grid->addWidget(w, 1 + c.id - FirstPhyId, 2);
        } else {
            grid->addWidget(w, 1 + c.id - FirstUnitId, 3);
        }
    }
    // The fields show what the page holds and take nothing typed: the next
    // refresh would overwrite it.
    for (int row = 0; row < Rows; ++row) {
        m_adcFields.at(row)->setReadOnly(true);
        m_phyFields.at(row)->setReadOnly(true);
    }

    // No gauge command reports the inputs: the zeros are no measurement.
    auto *note = new QLabel(loadTranslatedString(5800), this);
    note->setObjectName(QStringLiteral("noLiveValues"));
    note->setWordWrap(true);

    auto *page = new QVBoxLayout(this);
    page->addLayout(grid);
    page->addSpacing(12);
    page->addWidget(note);
    page->addStretch(1);
    translateWindow(this);
    showValues();
}

void DiagnosticsInputsPage::showValues()
{
    for (int row = 0; row < Rows; ++row) {
        m_phy.at(row) = roundTo(m_phy.at(row), 1);
        m_phyFields.at(row)->setText(numberText(m_phy.at(row)));
    }
    for (int row = 0; row < Rows; ++row)
        m_adcFields.at(row)->setText(numberText(m_adc.at(row)));
}

DiagnosticsInfoPage::DiagnosticsInfoPage(const QString &versionText, QWidget *parent)
    : QWidget(parent)
{
    const dialog_templates::DialogTemplate &t = formTemplate(InfoTemplate);
    setObjectName(QStringLiteral("DiagnosticsInfoPage"));
    setWindowTitle(QString::fromUtf8(t.caption));

    auto *page = new QVBoxLayout(this);
    for (const dialog_templates::ControlTemplate &c : t.controls) {
        QWidget *w = createTemplateControl(c, this);
        auto *label = qobject_cast<QLabel *>(w);
        // The gauge's date is not known to the program.
        if (c.id == DateId)
            label->clear();
        else if (c.id == VersionId) {
            label->setText(versionText);
            label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        }
        page->addWidget(w);
    }
    page->addStretch(1);
    translateWindow(this);
}
