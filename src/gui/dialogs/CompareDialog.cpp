#include "CompareDialog.h"

#include "ListWidth.h"
#include "base/Language.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

CompareDialog::CompareDialog(const QVector<record_comparison::FieldDifference> &differences, const QString &heading,
                             const QString &otherHeader, bool withGaugeActions, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("CompareDialog"));
    setWindowTitle(loadTranslatedString(5790));
    setSizeGripEnabled(true);

    auto *label = new QLabel(heading, this);
    label->setObjectName(QStringLiteral("heading"));
    label->setWordWrap(true);

    m_table = new QTableWidget(int(differences.size()), 4, this);
    m_table->setObjectName(QStringLiteral("differences"));
    m_table->setHorizontalHeaderLabels({loadTranslatedString(5791), loadTranslatedString(5792),
                                        loadTranslatedString(5793), otherHeader});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Tab leaves the table for the buttons; the arrows move within it.
    m_table->setTabKeyNavigation(false);
    m_table->verticalHeader()->hide();
    for (int row = 0; row < differences.size(); ++row) {
        const record_comparison::FieldDifference &d = differences.at(row);
        const QStringList cells{d.label, d.field, d.a, d.b};
        for (int column = 0; column < cells.size(); ++column)
            m_table->setItem(row, column, new QTableWidgetItem(cells.at(column)));
    }
    m_table->resizeColumnsToContents();
    m_table->horizontalHeader()->setStretchLastSection(true);
    int width = 0;
    for (int column = 0; column < m_table->columnCount(); ++column)
        width += m_table->columnWidth(column);
    // Every column in view, as far as the screen allows.
    const int wanted = width + 2 * m_table->frameWidth() + m_table->verticalScrollBar()->sizeHint().width() + 8;
    m_table->setMinimumWidth(qMin(wanted, list_width::mostWidth(this)));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    // Return only closes: either action changes the project or the gauge.
    buttons->button(QDialogButtonBox::Close)->setDefault(true);
    buttons->button(QDialogButtonBox::Close)->setText(loadTranslatedString(5933));
    if (withGaugeActions) {
        QPushButton *take = buttons->addButton(loadTranslatedString(5796), QDialogButtonBox::ActionRole);
        take->setObjectName(QStringLiteral("takeGaugeValues"));
        take->setAutoDefault(false);
        connect(take, &QPushButton::clicked, this, [this] { done(TakeGaugeValues); });
        QPushButton *write = buttons->addButton(loadTranslatedString(5797), QDialogButtonBox::ActionRole);
        write->setObjectName(QStringLiteral("writeProject"));
        write->setAutoDefault(false);
        connect(write, &QPushButton::clicked, this, [this] { done(WriteProject); });
    }
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_table, 1);
    layout->addWidget(buttons);
    const int rows = m_table->horizontalHeader()->height() + m_table->verticalHeader()->length()
                     + 2 * m_table->frameWidth();
    resize(sizeHint().width(), qBound(260, sizeHint().height() - m_table->sizeHint().height() + rows + 8, 600));
}
