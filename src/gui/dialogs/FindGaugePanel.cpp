#include "FindGaugePanel.h"

#include "ListWidth.h"
#include "base/Language.h"

#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int DeviceRole = Qt::UserRole;
constexpr int FoundRole = Qt::UserRole + 1;

}

FindGaugePanel::FindGaugePanel(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("findGaugePanel"));
    m_button = new QPushButton(loadTranslatedString(5873), this);
    m_button->setObjectName(QStringLiteral("findGaugeButton"));
    m_button->setAutoDefault(false);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("findStatus"));
    m_status->setWordWrap(true);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("findProgress"));
    m_progress->setRange(0, 0); // busy: the ports answer in no foreseeable order
    m_progress->setMaximumWidth(120);
    m_progress->hide();
    m_results = new QTreeWidget(this);
    m_results->setObjectName(QStringLiteral("findResults"));
    m_results->setRootIsDecorated(false);
    m_results->setAllColumnsShowFocus(true);
    m_results->setHeaderLabels({loadTranslatedString(5880), loadTranslatedString(5881)});
    m_results->setMinimumHeight(110);
    m_results->hide();

    auto *row = new QHBoxLayout;
    row->addWidget(m_button);
    row->addWidget(m_status, 1);
    row->addWidget(m_progress);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(row);
    layout->addWidget(m_results, 1);

    connect(m_button, &QPushButton::clicked, this, [this] { m_searching ? stop() : start(); });
    // A row of a found gauge picks that port instead.
    connect(m_results, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) {
        if (!item->data(0, FoundRole).toBool())
            return;
        m_chosenStays = true;
        emit gaugeChosen(item->data(0, DeviceRole).toString());
    });
}

FindGaugePanel::~FindGaugePanel()
{
    if (m_worker) {
        m_worker->wait();
        delete m_worker;
    }
}

void FindGaugePanel::start()
{
    QStringList ports = m_ports ? m_ports() : portsToProbe();
    ports.removeAll(QString());
    ports.removeDuplicates();
    // A stopped search still running ends within its time-outs.
    if (m_worker) {
        m_worker->wait();
        delete m_worker;
        m_worker = nullptr;
    }
    const int generation = ++m_generation;
    m_chosen = false;
    m_chosenStays = false;
    m_tried = int(ports.size());
    m_results->clear();
    m_results->show();
    m_status->setText(loadTranslatedString(5874).arg(0).arg(m_tried));
    showSearching(true);

    ProbeOptions options = m_options;
    // Each port's result is shown as soon as it is in.
    options.finished = [this, generation](const ProbeResult &result) {
        QMetaObject::invokeMethod(
            this,
            [this, generation, result] {
                if (generation == m_generation)
                    onPortProbed(result);
            },
            Qt::QueuedConnection);
    };
    m_worker = QThread::create([this, ports, options, generation] {
        const QVector<ProbeResult> all = probePorts(ports, options);
        QMetaObject::invokeMethod(
            this,
            [this, all, generation] {
                if (generation != m_generation)
                    return;
                int found = 0;
                for (const ProbeResult &result : all) {
                    // A port whose thread gave no result in time has no row yet.
                    if (result.status == ProbeStatus::TimedOut)
                        onPortProbed(result);
                    found += result.status == ProbeStatus::Found ? 1 : 0;
                }
                onFinished(found);
            },
            Qt::QueuedConnection);
    });
    m_worker->setObjectName(QStringLiteral("find gauge"));
    m_worker->start();
}

void FindGaugePanel::stop()
{
    ++m_generation;
    showSearching(false);
    m_status->setText(loadTranslatedString(5878));
}

void FindGaugePanel::onPortProbed(const ProbeResult &result)
{
    auto *item = new QTreeWidgetItem(m_results, {QDir::toNativeSeparators(result.port), result.message});
    const bool found = result.status == ProbeStatus::Found;
    item->setData(0, DeviceRole, result.port);
    item->setData(0, FoundRole, found);
    item->setToolTip(1, result.message);
    if (found) {
        QFont bold = item->font(0);
        bold.setBold(true);
        item->setFont(0, bold);
        item->setFont(1, bold);
    }
    m_results->resizeColumnToContents(0);
    // What answered on a port, and how, is the finding: each row shows whole.
    list_width::widenShownWindowFor(m_results);
    if (m_searching)
        m_status->setText(loadTranslatedString(5874).arg(m_results->topLevelItemCount()).arg(m_tried));
    const bool suits = !m_family || (result.family && *result.family == *m_family);
    if (found && (!m_chosen || (suits && !m_chosenStays))) {
        m_chosen = true;
        m_chosenStays = suits;
        m_results->setCurrentItem(item);
        emit gaugeChosen(result.port);
    }
}

void FindGaugePanel::onFinished(int found)
{
    showSearching(false);
    const QTreeWidgetItem *current = m_results->currentItem();
    const QString chosen = current ? current->text(0) : QString();
    if (found == 0)
        m_status->setText(loadTranslatedString(5875).arg(m_tried));
    else if (found == 1)
        m_status->setText(loadTranslatedString(5876).arg(chosen));
    else
        m_status->setText(loadTranslatedString(5877).arg(found).arg(chosen));
}

void FindGaugePanel::showSearching(bool searching)
{
    m_searching = searching;
    m_button->setText(loadTranslatedString(searching ? 5879 : 5873));
    m_progress->setVisible(searching);
}
