#include "HistoryDialog.h"

#include "FindFieldKeys.h"

#include "base/Language.h"
#include "base/LocalDates.h"
#include "base/UserMessages.h"
#include "catalogue/MasterTypeSelection.h"
#include "history/HistoryWording.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QToolTip>
#include <QVBoxLayout>

namespace {

// Column titles 5940 to 5950, in the order of cellTexts().
constexpr int FirstTitle = 5940;
constexpr int Columns = 11;

constexpr int MaxColumnWidth = 320;

constexpr int ProjectColumn = 7;

// A project under the home folder reads from "~", as file managers write it;
// its tooltip keeps the whole path.
QString shownPath(const QString &path)
{
    const QString home = QDir::homePath();
    if (home.size() > 1 && path.startsWith(home + QLatin1Char('/')))
        return QDir::toNativeSeparators(QLatin1Char('~') + path.mid(home.size()));
    return QDir::toNativeSeparators(path);
}

QStringList cellTexts(const service_history::Entry &e, const QHash<int, QString> &masterTypes)
{
    return {local_dates::dateTime(e.time),
            e.user,
            e.host,
            e.port,
            history_wording::family(e.family),
            history_wording::firmware(e.firmware),
            // -1: no master type (a restore, a project without one).
            e.masterTypeId < 0 ? QString() : masterTypes.value(e.masterTypeId, QString::number(e.masterTypeId)),
            shownPath(e.projectFile),
            history_wording::operation(e.operation),
            history_wording::outcome(e.outcome),
            history_wording::message(e.message)};
}

QHash<int, QString> masterTypeNames(const QVector<service_history::Entry> &entries)
{
    QList<int> keys;
    for (const service_history::Entry &e : entries) {
        if (!keys.contains(e.masterTypeId))
            keys.append(e.masterTypeId);
    }
    MasterTypeSelection catalogue;
    QHash<int, QString> names = catalogue.descriptionsOf(keys);
    catalogue.close();
    return names;
}

// A cell too narrow for its text shows the whole text as its tooltip; a cell
// that shows everything has none, unless it was given one (a shortened path).
class CutTextTips : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override
    {
        if (event->type() != QEvent::ToolTip)
            return QStyledItemDelegate::helpEvent(event, view, option, index);
        const QString whole = index.data(Qt::ToolTipRole).toString();
        if (!whole.isEmpty())
            QToolTip::showText(event->globalPos(), whole, view);
        else if (sizeHint(option, index).width() > option.rect.width())
            QToolTip::showText(event->globalPos(), index.data().toString(), view);
        else
            QToolTip::hideText();
        return true;
    }
};

}

HistoryDialog::HistoryDialog(const QVector<service_history::Entry> &entries, QWidget *parent)
    : QDialog(parent), m_entries(entries)
{
    setObjectName(QStringLiteral("HistoryDialog"));
    setWindowTitle(loadTranslatedString(5930));
    m_filter = new QLineEdit(this);
    m_filter->setObjectName(QStringLiteral("historyFilter"));
    m_filter->setClearButtonEnabled(true);
    auto *filterLabel = new QLabel(loadTranslatedString(5931), this);
    filterLabel->setBuddy(m_filter);

    m_table = new QTableWidget(entries.size(), Columns, this);
    // Tab leaves the table for the filter and the buttons.
    m_table->setTabKeyNavigation(false);
    m_table->setObjectName(QStringLiteral("historyTable"));
    QStringList titles;
    for (int c = 0; c < Columns; ++c)
        titles << loadTranslatedString(FirstTitle + c);
    m_table->setHorizontalHeaderLabels(titles);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->verticalHeader()->hide();
    m_table->setWordWrap(false);
    m_table->setItemDelegate(new CutTextTips(m_table));
    m_table->horizontalHeader()->setStretchLastSection(true);
    const QHash<int, QString> masterTypes = masterTypeNames(entries);
    for (int r = 0; r < entries.size(); ++r) {
        const QStringList cells = cellTexts(entries.at(r), masterTypes);
        for (int c = 0; c < Columns; ++c)
            m_table->setItem(r, c, new QTableWidgetItem(cells.at(c)));
        const QString path = QDir::toNativeSeparators(entries.at(r).projectFile);
        if (path != cells.at(ProjectColumn))
            m_table->item(r, ProjectColumn)->setToolTip(path);
    }
    m_table->resizeColumnsToContents();
    // Long paths and messages are cut; their tooltip shows them whole.
    for (int c = 0; c < Columns; ++c)
        m_table->setColumnWidth(c, qMin(m_table->columnWidth(c), MaxColumnWidth));

    m_open = new QPushButton(loadTranslatedString(5932), this);
    m_open->setObjectName(QStringLiteral("historyOpenProject"));
    auto *close = new QPushButton(loadTranslatedString(5933), this);
    close->setObjectName(QStringLiteral("historyClose"));
    // Enter typed in the filter would press a button and close the list (or
    // open a project); there it goes on to the rows found.
    m_open->setAutoDefault(false);
    close->setAutoDefault(false);

    auto *top = new QHBoxLayout;
    top->addWidget(filterLabel);
    top->addWidget(m_filter, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_open);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_table, 1);
    layout->addLayout(buttons);
    // Wide enough to show every column whole where the screen allows.
    int tableWidth = 2 * m_table->frameWidth() + m_table->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < Columns; ++c)
        tableWidth += m_table->columnWidth(c);
    const QMargins margins = layout->contentsMargins();
    const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const int room = screen ? screen->availableGeometry().width() * 9 / 10 : 1200;
    resize(qBound(700, tableWidth + margins.left() + margins.right(), qMax(700, room)), 460);

    connect(m_filter, &QLineEdit::textChanged, this, &HistoryDialog::applyFilter);
    find_field_keys::moveListFrom(m_filter, m_table);
    connect(m_filter, &QLineEdit::returnPressed, m_table, qOverload<>(&QWidget::setFocus));
    connect(m_table, &QTableWidget::itemSelectionChanged, this, &HistoryDialog::updateOpenButton);
    connect(m_table, &QTableWidget::cellDoubleClicked, this, &HistoryDialog::openSelected);
    connect(m_open, &QPushButton::clicked, this, &HistoryDialog::openSelected);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    // The newest entry is the one usually looked for.
    if (!entries.isEmpty())
        m_table->selectRow(entries.size() - 1);
    updateOpenButton();
}

void HistoryDialog::applyFilter(const QString &text)
{
    for (int r = 0; r < m_table->rowCount(); ++r) {
        bool match = text.isEmpty();
        for (int c = 0; c < Columns && !match; ++c)
            match = m_table->item(r, c)->text().contains(text, Qt::CaseInsensitive);
        m_table->setRowHidden(r, !match);
    }
    updateOpenButton();
}

void HistoryDialog::updateOpenButton()
{
    const int row = m_table->currentRow();
    m_open->setEnabled(row >= 0 && !m_table->isRowHidden(row) && m_table->item(row, 0)->isSelected()
                       && !m_entries.at(row).projectFile.isEmpty());
}

void HistoryDialog::openSelected()
{
    if (!m_open->isEnabled())
        return;
    const QString path = m_entries.at(m_table->currentRow()).projectFile;
    if (!QFileInfo::exists(path)) {
        user_messages::showAboutFile(loadTranslatedString(5935).arg(QFileInfo(path).fileName()), path,
                                     user_messages::Icon::Error);
        return;
    }
    m_project = path;
    accept();
}
