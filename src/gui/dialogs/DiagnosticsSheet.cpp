#include "DiagnosticsSheet.h"

#include "DiagnosticsPages.h"
#include "base/Language.h"
#include "model/FirmwareText.h"

#include <QDialogButtonBox>
#include <QHideEvent>
#include <QShowEvent>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

DiagnosticsSheet::DiagnosticsSheet(const std::array<uint8_t, 2> &firmwareVersion, QWidget *parent,
                                   int refreshIntervalMs)
    : QDialog(parent)
    , m_caption(QStringLiteral("Diagnose"))
{
    setObjectName(QStringLiteral("DiagnosticsSheet"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, true);
    // A missing translation leaves the tag itself as the caption.
    Language::instance().translateText(this, QStringLiteral("ID_3100"), m_caption);
    setWindowTitle(m_caption);

    m_inputs = new DiagnosticsInputsPage;
    const bool read = firmwareVersion != std::array<uint8_t, 2>{0, 0};
    m_info = new DiagnosticsInfoPage(read ? firmwareText(firmwareVersion) : QString());
    m_pages = new QTabWidget(this);
    m_pages->addTab(m_inputs, m_inputs->windowTitle());
    m_pages->addTab(m_info, m_info->windowTitle());

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addWidget(buttons);

    m_refresh = new QTimer(this);
    m_refresh->setObjectName(QStringLiteral("refreshTimer"));
    m_refresh->setInterval(refreshIntervalMs);
    connect(m_refresh, &QTimer::timeout, this, &DiagnosticsSheet::onRefresh);
}

void DiagnosticsSheet::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        m_refresh->start();
}

// Closing hides the sheet: no refresh comes after it.
void DiagnosticsSheet::hideEvent(QHideEvent *event)
{
    if (!event->spontaneous())
        m_refresh->stop();
    QDialog::hideEvent(event);
}

void DiagnosticsSheet::onRefresh()
{
    // The gauge reports no input values, so there is nothing to fetch: the
    // page shows what it holds.
    if (!m_inputs->isVisible())
        return;
    m_inputs->showValues();
    m_inputs->update();
    emit inputsRefreshed();
}
