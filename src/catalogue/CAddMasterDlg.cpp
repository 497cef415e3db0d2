#include "CAddMasterDlg.h"

#include "app/DialogTemplates.h"
#include "app/Language.h"
#include "app/TranslateWindow.h"

#include <QHeaderView>
#include <QPushButton>
#include <QResizeEvent>
#include <QTreeWidget>

namespace {

constexpr int TemplateId = 174;
// 312 x 170 dialog units of the template at the usual 8-point font.
constexpr QSize TemplateSize(468, 276);
constexpr int ListTop = 10;

QString templateText(int controlId)
{
    const dialog_templates::ControlTemplate *control = dialog_templates::findControl(TemplateId, controlId);
    return control ? QString::fromUtf8(control->text) : QString();
}

}

CAddMasterDlg::CAddMasterDlg(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("CAddMasterDlg"));
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
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &CAddMasterDlg::accept);

    m_ok = new QPushButton(templateText(1), this);
    m_ok->setObjectName(QStringLiteral("okButton"));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &CAddMasterDlg::accept);
    m_cancel = new QPushButton(templateText(2), this);
    m_cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(m_cancel, &QPushButton::clicked, this, &CAddMasterDlg::reject);

    resize(TemplateSize);
}

CAddMasterDlg::~CAddMasterDlg()
{
    m_selection.Close();
}

int CAddMasterDlg::exec()
{
    if (!OnInitDialog()) {
        setResult(Rejected);
        return Rejected;
    }
    return QDialog::exec();
}

bool CAddMasterDlg::OnInitDialog()
{
    m_minimumSize = size();
    setMinimumSize(m_minimumSize);
    TranslateWindow(this);
    m_list->setHeaderLabels({LoadTranslatedString(1001), LoadTranslatedString(1002)});
    m_list->header()->setStretchLastSection(false);
    m_list->header()->resizeSection(0, 180);
    m_list->header()->resizeSection(1, 100);
    if (!FillList())
        return false;
    if (m_list->topLevelItemCount() > 0)
        m_list->setCurrentItem(m_list->topLevelItem(0));
    m_list->setFocus();
    LayOut();
    return true;
}

bool CAddMasterDlg::FillList()
{
    m_list->clear();
    QVector<MasterTypeRow> rows;
    if (!m_selection.ListRows(rows))
        return false;
    for (const MasterTypeRow &row : rows) {
        auto *item = new QTreeWidgetItem(m_list, {row.Description, row.Lcd});
        item->setData(0, Qt::UserRole, row.Id);
    }
    return true;
}

void CAddMasterDlg::accept()
{
    const QList<QTreeWidgetItem *> selected = m_list->selectedItems();
    if (!selected.isEmpty())
        m_selection.FetchById(selected.first()->data(0, Qt::UserRole).toInt());
    QDialog::accept();
}

void CAddMasterDlg::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    if (m_minimumSize.isValid()
        && (width() < m_minimumSize.width() || height() < m_minimumSize.height())) {
        resize(size().expandedTo(m_minimumSize));
        return;
    }
    LayOut();
}

void CAddMasterDlg::LayOut()
{
    const int w = width();
    const int h = height();
    m_list->setGeometry(10, ListTop, w - 20, h - ListTop - 70);
    m_ok->move(w / 2 - m_ok->width() - 5, h - 60);
    m_cancel->move(w / 2 + 5, h - 60);
}
