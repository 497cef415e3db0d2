#include "MasterTypeDialog.h"

#include "resources/DialogTemplates.h"
#include "base/Language.h"
#include "app/TranslateWindow.h"

#include <QHeaderView>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int TemplateId = 174;
// 312 x 170 dialog units of the template at the usual 8-point font.
constexpr QSize TemplateSize(468, 276);

QString templateText(int controlId)
{
    const dialog_templates::ControlTemplate *control = dialog_templates::findControl(TemplateId, controlId);
    return control ? QString::fromUtf8(control->text) : QString();
}

}

MasterTypeDialog::MasterTypeDialog(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("MasterTypeDialog"));
    if (const dialog_templates::DialogTemplate *t = dialog_templates::find(TemplateId))
        setWindowTitle(QString::fromUtf8(t->caption));
    setSizeGripEnabled(true);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("masterTypeList"));
    m_list->setRootIsDecorated(false);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setAllColumnsShowFocus(true);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &MasterTypeDialog::accept);

    m_ok = new QPushButton(templateText(1), this);
    m_ok->setObjectName(QStringLiteral("okButton"));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &MasterTypeDialog::accept);
    m_cancel = new QPushButton(templateText(2), this);
    m_cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(m_cancel, &QPushButton::clicked, this, &MasterTypeDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    resize(TemplateSize);
}

MasterTypeDialog::~MasterTypeDialog()
{
    m_selection.close();
}

int MasterTypeDialog::exec()
{
    if (!prepare()) {
        setResult(Rejected);
        return Rejected;
    }
    return QDialog::exec();
}

bool MasterTypeDialog::prepare()
{
    m_minimumSize = size().expandedTo(minimumSizeHint());
    setMinimumSize(m_minimumSize);
    translateWindow(this);
    m_list->setHeaderLabels({loadTranslatedString(1001), loadTranslatedString(1002)});
    // The description takes what the dialog's width leaves; the display
    // column keeps the width of its heading and entries.
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_list->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    if (!fillList())
        return false;
    if (m_list->topLevelItemCount() > 0)
        m_list->setCurrentItem(m_list->topLevelItem(0));
    m_list->setFocus();
    return true;
}

// The catalogue's yes and no in the language of the program; any other text
// as it stands.
static QString displayText(const QString &lcd)
{
    const QString word = lcd.trimmed().toLower();
    if (word == QLatin1String("yes") || word == QLatin1String("ja"))
        return loadTranslatedString(5376);
    if (word == QLatin1String("no") || word == QLatin1String("nein"))
        return loadTranslatedString(5377);
    return lcd;
}

bool MasterTypeDialog::fillList()
{
    m_list->clear();
    QVector<MasterTypeRow> rows;
    if (!m_selection.listRows(rows))
        return false;
    for (const MasterTypeRow &row : rows) {
        auto *item = new QTreeWidgetItem(m_list, {row.Description, displayText(row.Lcd)});
        item->setData(0, Qt::UserRole, row.Id);
        // A description cut by a narrow column can still be read whole.
        item->setToolTip(0, row.Description);
    }
    return true;
}

void MasterTypeDialog::accept()
{
    const QList<QTreeWidgetItem *> selected = m_list->selectedItems();
    if (!selected.isEmpty())
        m_selection.fetchById(selected.first()->data(0, Qt::UserRole).toInt());
    QDialog::accept();
}

