#include "GaugeTransferCommands.h"

#include "app/DemoGauge.h"
#include "dialogs/RestoreBackupDialog.h"
#include "base/Language.h"
#include "model/ProjectDocument.h"
#include "views/FormView.h"

#include <QDir>

GaugeTransferCommands::GaugeTransferCommands(ProjectDocument *document, QWidget *window,
                                             std::function<FormView *()> rightView)
    : QObject(window)
    , m_document(document)
    , m_window(window)
    , m_rightView(std::move(rightView))
{
}

void GaugeTransferCommands::UseDemoGaugeOfProject()
{
    if (m_demo)
        m_demo->UseFamily(m_document->GetConfig().Family());
}

TransferOutcome GaugeTransferCommands::Run(const QString &title, const TransferJob &job)
{
    UseDemoGaugeOfProject();
    return m_runner.Run(m_window, title, job);
}

// A text with the line that says more about it, if any.
static QString withDetail(const QString &text, const QString &detail)
{
    return detail.isEmpty() ? text : text + QLatin1Char('\n') + detail;
}

void GaugeTransferCommands::ShowOutcome(const TransferOutcome &outcome)
{
    if (outcome.cancelled) {
        QString text = LoadTranslatedString(5360);
        if (!outcome.cancelNote.isEmpty())
            text += QStringLiteral("\n\n") + outcome.cancelNote;
        user_messages::show(text, user_messages::Icon::Exclamation);
        return;
    }
    if (!outcome.notice.isEmpty())
        user_messages::show(withDetail(outcome.notice, outcome.noticeDetail), outcome.noticeIcon);
    user_messages::show(withDetail(outcome.text, outcome.detail), outcome.icon);
}

void GaugeTransferCommands::ReadFromGauge()
{
    if (!m_document || IsBusy())
        return;
    // The worker fills a copy; the document changes only on this thread.
    ConfigRecord work = m_document->GetConfig();
    const LinkOptions options = m_options;
    const TransferOutcome outcome = Run(LoadTranslatedString(5355), [&work, options](SequenceObserver &observer) {
        return ::ReadFromGauge(work, &observer, options);
    });
    // Values decoded before a failure stay, as the gauge reported them; a
    // cancelled read changes nothing.
    if (!outcome.cancelled) {
        // Values read from the gauge are new to the project: closing it must
        // ask before they are lost.
        if (!work.SameUserSettings(m_document->GetConfig()))
            m_document->SetModifiedFlag(true);
        m_document->GetConfig() = work;
    }
    ShowOutcome(outcome);
    if (outcome.success) {
        if (FormView *view = m_rightView())
            view->UpdateData(false);
    }
    emit transferFinished();
}

void GaugeTransferCommands::WriteToGauge()
{
    if (!m_document || IsBusy())
        return;
    // The form's entries go into the record first, every value checked; a
    // refused one has been named and nothing is sent.
    if (!m_document->CommitForSaving())
        return;
    const ConfigRecord work = m_document->GetConfig();
    const LinkOptions options = m_options;
    TransferOutcome outcome = Run(LoadTranslatedString(5356), [&work, options](SequenceObserver &observer) {
        return ::WriteToGauge(work, &observer, options);
    });
    // The block the gauge held before can be written back.
    if (outcome.success && !outcome.backupFile.isEmpty())
        outcome.detail = LoadTranslatedString(5384).arg(QDir::toNativeSeparators(outcome.backupFile));
    ShowOutcome(outcome);
    emit transferFinished();
}

void GaugeTransferCommands::PresetCounter(int startAddress, int cellCount, quint32 counterValue)
{
    if (IsBusy())
        return;
    const LinkOptions options = m_options;
    const TransferOutcome outcome = Run(LoadTranslatedString(5357), [=](SequenceObserver &observer) {
        return ::PresetCounter(startAddress, cellCount, counterValue, 0, &observer, options);
    });
    ShowOutcome(outcome);
    emit transferFinished();
}

void GaugeTransferCommands::RestoreBackup()
{
    if (IsBusy())
        return;
    const QString folder = m_options.backupFolder.isEmpty() ? block_backup::DefaultFolder() : m_options.backupFolder;
    const QList<BlockBackupEntry> backups = RestoreBackupDialog::ListBackups(folder);
    if (backups.isEmpty()) {
        user_messages::show(LoadTranslatedString(5369).arg(QDir::toNativeSeparators(folder)),
                            user_messages::Icon::Information);
        return;
    }
    RestoreBackupDialog dialog(backups, m_window);
    if (dialog.exec() != QDialog::Accepted || dialog.SelectedFile().isEmpty())
        return;
    const QString path = dialog.SelectedFile();
    block_backup::Block block{};
    QString error;
    if (!block_backup::Load(path, block, &error)) {
        user_messages::show(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), error),
                            user_messages::Icon::Error);
        return;
    }
    const QString question = LoadTranslatedString(5385).arg(QDir::toNativeSeparators(path));
    if (user_messages::show(question, user_messages::Icon::Question, user_messages::Buttons::YesNo)
        != user_messages::Answer::Yes)
        return;
    // A backup is the block of a block-family gauge, whatever the project is.
    if (m_demo)
        m_demo->UseFamily(LinkFamily::Block);
    const LinkOptions options = m_options;
    TransferOutcome outcome = m_runner.Run(m_window, LoadTranslatedString(5386), [&block, options](SequenceObserver &observer) {
        return ::RestoreBlockToGauge(block, &observer, options);
    });
    if (outcome.success && !outcome.backupFile.isEmpty())
        outcome.detail = LoadTranslatedString(5384).arg(QDir::toNativeSeparators(outcome.backupFile));
    ShowOutcome(outcome);
    emit transferFinished();
}

void GaugeTransferCommands::RunLinkSelfTest()
{
    UseDemoGaugeOfProject();
    const LinkOptions options = m_options;
    // Nothing is shown: the traffic trace is the record of the outcome.
    m_runner.RunInBackground([options](SequenceObserver &observer) {
        ::RunLinkSelfTest(&observer, options);
        return TransferOutcome();
    });
}
