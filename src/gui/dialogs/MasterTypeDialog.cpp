#include "MasterTypeDialog.h"

#include "FindFieldKeys.h"
#include "ListWidth.h"
#include "MasterTypeListModel.h"

#include "resources/DialogTemplates.h"
#include "base/Language.h"
#include "app/TranslateWindow.h"

#include <QHeaderView>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
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

    m_find = new QLineEdit(this);
    m_find->setObjectName(QStringLiteral("masterTypeFind"));
    m_find->setClearButtonEnabled(true);
    connect(m_find, &QLineEdit::textChanged, this, &MasterTypeDialog::applyFilter);
    m_findLabel = new QLabel(this);
    m_findLabel->setBuddy(m_find);

    m_model = new MasterTypeListModel(this);
    m_list = new QTreeView(this);
    m_list->setObjectName(QStringLiteral("masterTypeList"));
    m_list->setModel(m_model);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setAllColumnsShowFocus(true);
    connect(m_list, &QTreeView::doubleClicked, this, &MasterTypeDialog::accept);
    find_field_keys::moveListFrom(m_find, m_list);

    m_ok = new QPushButton(templateText(1), this);
    m_ok->setObjectName(QStringLiteral("okButton"));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &MasterTypeDialog::accept);
    // With nothing left to take, Enter and OK do nothing rather than close
    // the window as if a type had been chosen.
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &MasterTypeDialog::enableOkForSelection);
    m_cancel = new QPushButton(templateText(2), this);
    m_cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(m_cancel, &QPushButton::clicked, this, &MasterTypeDialog::reject);

    auto *find = new QHBoxLayout;
    find->addWidget(m_findLabel);
    find->addWidget(m_find, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(find);
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
    translateWindow(this);
    m_findLabel->setText(loadTranslatedString(6364));
    m_find->setPlaceholderText(loadTranslatedString(6365));
    // The description takes what the dialog's width leaves; the other
    // columns keep the width of their heading and entries.
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_list->header()->setSortIndicatorShown(true);
    m_list->header()->setSortIndicator(-1, Qt::AscendingOrder);
    m_list->setSortingEnabled(true);
    if (!fillList())
        return false;
    list_width::widenWindowFor(this, m_list);
    // The size first shown, widened for the list, is the smallest.
    m_minimumSize = size().expandedTo(minimumSizeHint());
    setMinimumSize(m_minimumSize);
    selectType(m_currentType);
    m_find->setFocus();
    return true;
}

bool MasterTypeDialog::fillList()
{
    QVector<MasterTypeRow> rows;
    if (!m_selection.listRows(rows))
        return false;
    m_model->setRows(rows);
    return true;
}

void MasterTypeDialog::applyFilter(const QString &typed)
{
    // The type clicked stays chosen while it still matches: Enter would
    // otherwise take another one.
    const QModelIndexList selected = m_list->selectionModel()->selectedRows();
    const int chosen = selected.isEmpty() ? -1 : m_model->idAt(selected.first().row());
    m_model->setFilterText(typed);
    selectType(chosen);
}

void MasterTypeDialog::selectType(int id)
{
    for (int row = 0; id != -1 && row < m_model->rowCount(); ++row) {
        if (m_model->idAt(row) == id) {
            m_list->setCurrentIndex(m_model->index(row, 0));
            m_list->scrollTo(m_model->index(row, 0));
            enableOkForSelection();
            return;
        }
    }
    selectFirstRow();
}

void MasterTypeDialog::selectFirstRow()
{
    if (m_model->rowCount() > 0)
        m_list->setCurrentIndex(m_model->index(0, 0));
    enableOkForSelection(); // a narrowed list drops its selection without a signal
}

void MasterTypeDialog::enableOkForSelection()
{
    m_ok->setEnabled(m_list->selectionModel()->hasSelection());
}

void MasterTypeDialog::accept()
{
    const QModelIndexList selected = m_list->selectionModel()->selectedRows();
    if (selected.isEmpty())
        return;
    m_selection.fetchById(m_model->idAt(selected.first().row()));
    QDialog::accept();
}

