#include "TransferProgressDialog.h"

#include "base/Language.h"
#include "app/TranslateWindow.h"
#include "link/TransferStepText.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

TransferProgressDialog::TransferProgressDialog(const QString &title, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TransferProgressDialog"));
    setWindowTitle(title);
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto *heading = new QLabel(title, this);
    heading->setObjectName(QStringLiteral("heading"));
    m_step = new QLabel(loadTranslatedString(5361), this);
    m_step->setObjectName(QStringLiteral("step"));
    m_step->setMinimumWidth(360);
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("progress"));
    m_bar->setRange(0, 0);
    m_cancelButton = new QPushButton(loadTranslatedString(40002), this);
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    connect(m_cancelButton, &QPushButton::clicked, this, &TransferProgressDialog::requestCancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(m_step);
    layout->addWidget(m_bar);
    layout->addWidget(m_cancelButton, 0, Qt::AlignRight);
    translateWindow(this);
}

void TransferProgressDialog::reportStep(int step, int total, const QString &transaction)
{
    QMetaObject::invokeMethod(
        this, [this, step, total, transaction] { showStep(step, total, transaction); }, Qt::QueuedConnection);
}

void TransferProgressDialog::showStep(int step, int total, const QString &transaction)
{
    if (m_cancel.load())
        return;
    m_step->setText(loadTranslatedString(5358).arg(step).arg(total).arg(describeTransferStep(transaction)));
    m_bar->setRange(0, qMax(total, step));
    m_bar->setValue(step - 1);
}

void TransferProgressDialog::requestCancel()
{
    if (m_cancel.exchange(true))
        return;
    m_cancelButton->setEnabled(false);
    m_step->setText(loadTranslatedString(5359));
}

void TransferProgressDialog::workerFinished()
{
    m_finished = true;
    QDialog::accept();
}

void TransferProgressDialog::reject()
{
    if (m_finished)
        QDialog::reject();
    else
        requestCancel();
}

void TransferProgressDialog::closeEvent(QCloseEvent *event)
{
    if (m_finished) {
        QDialog::closeEvent(event);
        return;
    }
    requestCancel();
    event->ignore();
}
