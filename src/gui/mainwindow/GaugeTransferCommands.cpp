#include "GaugeTransferCommands.h"

#include "app/DemoGauge.h"
#include "dialogs/CompareDialog.h"
#include "dialogs/RestoreBackupDialog.h"
#include "base/Language.h"
#include "forms/MasterOverviewRules.h"
#include "forms/RecordComparison.h"
#include "model/RecordCheck.h"
#include "history/TransferHistory.h"
#include "link/FailureReason.h"
#include "model/ProjectDocument.h"
#include "views/ChangeName.h"
#include "views/FormView.h"
#include "link/CounterPresetInput.h"
#include "link/LineSettings.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QThread>
#include <QTimer>
#include <cstdio>
#include <memory>

GaugeTransferCommands::GaugeTransferCommands(ProjectDocument *document, QWidget *window,
                                             std::function<FormView *()> rightView)
    : QObject(window)
    , m_document(document)
    , m_window(window)
    , m_rightView(std::move(rightView))
{
}

void GaugeTransferCommands::useDemoGaugeOfProject()
{
    if (m_demo)
        m_demo->useFamily(m_document->config().family());
}

TransferOutcome GaugeTransferCommands::run(const QString &title, const TransferJob &job)
{
    useDemoGaugeOfProject();
    return m_runner.run(m_window, title, job);
}

// A text with the line that says more about it, if any.
static QString withDetail(const QString &text, const QString &detail)
{
    return detail.isEmpty() ? text : text + QLatin1Char('\n') + detail;
}

// The form's label of a field the gauge holds. The LCD items share one
// stored field, which no single item's label names.
static QString heldFieldLabel(const ConfigRecord &config, const QString &field)
{
    if (field == QLatin1String("DisplayMask"))
        return loadTranslatedString(5882);
    return record_comparison::fieldLabel(config, field);
}

bool GaugeTransferCommands::interrupt()
{
    m_interrupted = true;
    if (!m_runner.isRunning())
        return false;
    m_runner.cancelRunning();
    return true;
}

void GaugeTransferCommands::showOutcome(const TransferOutcome &outcome, const QString &file, bool gaugeChanges)
{
    // Nobody is there to read it: the program is ending.
    if (m_interrupted)
        return;
    if (outcome.cancelled) {
        // A cancelled read changes neither the gauge nor the project.
        QString text = loadTranslatedString(gaugeChanges ? 5360 : 5987);
        if (!outcome.cancelNote.isEmpty())
            text += QStringLiteral("\n\n") + outcome.cancelNote;
        user_messages::show(text, user_messages::Icon::Exclamation);
        return;
    }
    if (!outcome.notice.isEmpty())
        user_messages::show(withDetail(outcome.notice, outcome.noticeDetail), outcome.noticeIcon);
    // What went well is information, what failed an error.
    user_messages::Message m;
    m.text = withDetail(outcome.text, outcome.detail);
    m.icon = outcome.success ? user_messages::Icon::Information : user_messages::Icon::Error;
    if (!file.isEmpty())
        m.details = QDir::toNativeSeparators(file);
    user_messages::show(m);
}

// The job, and when it fails after the port opened, why: the step it stopped
// at and what a second look at the port finds (a gauge of the other family, a
// silent port), still on the worker thread under the progress window.
static TransferJob explained(TransferJob job, const LinkOptions &options, LinkFamily family)
{
    return [job = std::move(job), options, family](SequenceObserver &observer) {
        StepNoting steps(&observer);
        return withFailureReason(job(steps), steps.reached, options.device, family, options.traceTag);
    };
}

// A backup the transfer made, named in the outcome by its file name: after
// a write that failed once the backup was there, below the reason, for the
// gauge may hold neither block now.
static void nameBackup(TransferOutcome &outcome)
{
    if (outcome.backupFile.isEmpty())
        return;
    const Phrase named = Phrase::of(5384, {QFileInfo(outcome.backupFile).fileName()});
    if (outcome.success || !outcome.mismatches.isEmpty())
        outcome.setDetail(named);
    else if (outcome.cancelled) // a cancel tells its note alone
        outcome.cancelNote = outcome.cancelNote.isEmpty() ? named.text() : withDetail(outcome.cancelNote, named.text());
    else
        outcome.detail = withDetail(outcome.detail, named.text());
}

bool GaugeTransferCommands::confirmZeroPulseFactor(const ConfigRecord &config)
{
    // Where the master type sets no limits a gauge may rely on a pulse
    // factor of 0; it is written once the user knows what it means.
    if (config.UseMinMax || config.DataSource == 1)
        return true;
    const bool mValue = record_check::pulseFactorFieldOf(config) == record_check::PulseFactorField::MValue;
    if ((mValue ? config.MValue : config.KValue) != 0.0)
        return true;
    QString label = master_overview::pulseFactorLabel(config).trimmed();
    if (label.endsWith(QLatin1Char(':')))
        label.chop(1);
    return user_messages::show(loadTranslatedString(5976).arg(label), user_messages::Icon::Question,
                               user_messages::Buttons::YesNo)
        == user_messages::Answer::Yes;
}

// The history may sit on a server that does not answer: the entry is
// stored on a thread of its own while the window goes on drawing (up to the
// server's time-out), taking no input meanwhile, as during a transfer.
static QString storeAside(const transfer_history::Transfer &transfer)
{
    QString problem;
    const std::unique_ptr<QThread> writer(QThread::create([&] { problem = transfer_history::record(transfer); }));
    QEventLoop wait;
    QObject::connect(writer.get(), &QThread::finished, &wait, &QEventLoop::quit);
    bool busy = false;
    QTimer slow;
    slow.setSingleShot(true);
    QObject::connect(&slow, &QTimer::timeout, [&busy] {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        busy = true;
    });
    slow.start(300);
    writer->start();
    wait.exec(QEventLoop::ExcludeUserInputEvents);
    writer->wait();
    if (busy)
        QGuiApplication::restoreOverrideCursor();
    return problem;
}

void GaugeTransferCommands::recordHistory(const QString &operation, LinkFamily family, const ConfigRecord &before,
                                          const ConfigRecord &after, const TransferOutcome &outcome,
                                          const QString &detail, const Phrase &sent)
{
    transfer_history::Transfer t;
    t.operation = operation;
    t.port = m_options.device;
    t.family = m_options.family.value_or(family);
    // A backup restored belongs to no project, whichever is open.
    t.projectFile = m_document && operation != QLatin1String("restore") ? m_document->filePath() : QString();
    t.before = before;
    t.after = after;
    t.outcome = outcome;
    t.detail = detail;
    t.sent = sent;
    if (m_interrupted) {
        const QString step = m_runner.lastStep();
        const QString line = QStringLiteral("%1 interrupted by SIGTERM %2")
                                 .arg(operation, step.isEmpty() ? QStringLiteral("before its first step")
                                                                : QStringLiteral("at ") + step);
        t.interrupted = true;
        t.detail = QStringList{detail, line}.join(QLatin1Char(' ')).trimmed();
        std::fprintf(stderr, "skaleron: %s\n", qPrintable(line));
        transfer_history::record(t);
        return;
    }
    const QString problem = storeAside(t);
    if (!problem.isEmpty())
        user_messages::show(problem, user_messages::Icon::Exclamation);
}

void GaugeTransferCommands::readFromGauge()
{
    if (!m_document || isBusy())
        return;
    // The worker fills a copy; the document changes only on this thread.
    ConfigRecord work = m_document->config();
    const ConfigRecord before = work;
    const LinkOptions options = m_options;
    const auto read = [&work, options](SequenceObserver &observer) {
        return ::readFromGauge(work, &observer, options);
    };
    const TransferOutcome outcome = run(loadTranslatedString(5355), explained(read, options, work.family()));
    recordHistory(QStringLiteral("read"), work.family(), before, work, outcome);
    // Values decoded before a failure stay, as the gauge reported them; a
    // cancelled read changes nothing.
    if (!outcome.cancelled) {
        // Values read from the gauge are new to the project: an undo step,
        // and closing it must ask before they are lost.
        m_document->config() = work;
        m_document->commitChange([] { return changeName(5322); });
        // The form shows what the project now holds before the outcome is
        // told, also after a failure that kept some values.
        if (FormView *view = m_rightView())
            view->loadFromRecord();
    }
    showOutcome(outcome, QString(), false);
    emit transferFinished();
}

void GaugeTransferCommands::writeToGauge()
{
    if (!m_document || isBusy())
        return;
    // The form's entries go into the record first, every value checked; a
    // refused one has been named and nothing is sent.
    if (!m_document->commitForSaving())
        return;
    const ConfigRecord work = m_document->config();
    if (!confirmZeroPulseFactor(work))
        return;
    LinkOptions options = m_options;
    options.verify = options.verify || verifyAfterWrite();
    const auto write = [&work, options](SequenceObserver &observer) {
        return ::writeToGauge(work, &observer, options);
    };
    TransferOutcome outcome = run(loadTranslatedString(5356), explained(write, options, work.family()));
    // The fields the gauge holds otherwise, by the names the form gives them.
    if (!outcome.mismatches.isEmpty()) {
        QStringList fields;
        for (const gauge_readback::HeldMismatch &m : std::as_const(outcome.mismatches))
            fields << loadTranslatedString(5741).arg(heldFieldLabel(work, m.field), m.written, m.held);
        outcome.setText(Phrase::of(5740, {fields.join(QStringLiteral(", "))}));
    }
    // The block the gauge held before can be written back.
    nameBackup(outcome);
    recordHistory(QStringLiteral("write"), work.family(), work, work, outcome);
    showOutcome(outcome, outcome.backupFile);
    emit transferFinished();
}

void GaugeTransferCommands::compareWithGauge()
{
    if (!m_document || isBusy())
        return;
    // What the form shows is what the user compares.
    if (!m_document->commitEditor())
        return;
    // The worker fills a copy; the project stays as it is.
    ConfigRecord gauge = m_document->config();
    const LinkOptions options = m_options;
    const auto read = [&gauge, options](SequenceObserver &observer) {
        return ::readFromGauge(gauge, &observer, options);
    };
    const TransferOutcome outcome = run(loadTranslatedString(5355), explained(read, options, gauge.family()));
    if (!outcome.success) {
        recordHistory(QStringLiteral("verify"), gauge.family(), m_document->config(), gauge, outcome);
        showOutcome(outcome, QString(), false);
        emit transferFinished();
        return;
    }
    const QVector<record_comparison::FieldDifference> differences =
        record_comparison::compareRecords(m_document->config(), gauge);
    // The history says what the comparison found, as skaleron-cli verify's does.
    TransferOutcome found = outcome;
    QStringList fields;
    for (const record_comparison::FieldDifference &d : differences)
        fields << loadTranslatedString(5768).arg(d.field, d.a, d.b);
    found.success = differences.isEmpty();
    found.setText(differences.isEmpty() ? Phrase::of(5743) : Phrase::of(5767, {fields.join(QStringLiteral(", "))}));
    recordHistory(QStringLiteral("verify"), gauge.family(), m_document->config(), gauge, found);
    if (differences.isEmpty()) {
        user_messages::show(loadTranslatedString(5799).arg(m_document->title()), user_messages::Icon::Information);
        emit transferFinished();
        return;
    }
    CompareDialog dialog(differences, loadTranslatedString(5872).arg(m_document->title()), loadTranslatedString(5794),
                         true, m_window);
    const int choice = dialog.exec();
    if (choice == CompareDialog::TakeGaugeValues) {
        m_document->config() = gauge;
        m_document->commitChange([] { return changeName(5796); });
        if (FormView *view = m_rightView())
            view->loadFromRecord();
    }
    emit transferFinished();
    if (choice == CompareDialog::WriteProject)
        writeToGauge();
}

void GaugeTransferCommands::presetCounter(int startAddress, int cellCount, quint32 counterValue)
{
    if (isBusy())
        return;
    const LinkOptions options = m_options;
    const TransferOutcome outcome = run(loadTranslatedString(5357), [=](SequenceObserver &observer) {
        return ::presetCounter(startAddress, cellCount, counterValue, 0, &observer, options);
    });
    recordHistory(QStringLiteral("preset"), LinkFamily::Register, m_document->config(), m_document->config(), outcome,
                  QString(), presetValuePhrase({startAddress, cellCount, counterValue}));
    showOutcome(outcome);
    emit transferFinished();
}

void GaugeTransferCommands::restoreBackup()
{
    if (isBusy())
        return;
    const QString folder = m_options.backupFolder.isEmpty() ? block_backup::defaultFolder() : m_options.backupFolder;
    const QList<BlockBackupEntry> backups = RestoreBackupDialog::listBackups(folder);
    if (backups.isEmpty()) {
        user_messages::showAboutFile(loadTranslatedString(5369).arg(QFileInfo(folder).fileName()), folder,
                                     user_messages::Icon::Information);
        return;
    }
    RestoreBackupDialog dialog(backups, m_window);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFile().isEmpty())
        return;
    const QString path = dialog.selectedFile();
    block_backup::Block block{};
    QString error;
    const QString name = QFileInfo(path).fileName();
    if (!block_backup::load(path, block, &error)) {
        user_messages::showAboutFile(QStringLiteral("%1: %2").arg(name, error), path, user_messages::Icon::Error);
        return;
    }
    const QString question = loadTranslatedString(5385).arg(name);
    if (user_messages::showAboutFile(question, path, user_messages::Icon::Question, user_messages::Buttons::YesNo)
        != user_messages::Answer::Yes)
        return;
    // A backup is the block of a block-family gauge, whatever the project is.
    if (m_demo)
        m_demo->useFamily(LinkFamily::Block);
    LinkOptions options = m_options;
    options.verify = options.verify || verifyAfterWrite(); // a restore is a write
    const auto restore = [&block, options, name](SequenceObserver &observer) {
        return ::restoreBlockToGauge(block, &observer, options, name);
    };
    // Where it stopped and what a second look at the port found (a gauge of
    // the register family), as for a write.
    TransferOutcome outcome = m_runner.run(m_window, loadTranslatedString(5386),
                                           explained(restore, options, LinkFamily::Block));
    nameBackup(outcome);
    recordHistory(QStringLiteral("restore"), LinkFamily::Block, ConfigRecord(), ConfigRecord(), outcome, path);
    showOutcome(outcome, outcome.backupFile);
    emit transferFinished();
}

void GaugeTransferCommands::runLinkSelfTest()
{
    useDemoGaugeOfProject();
    const LinkOptions options = m_options;
    // Nothing is shown: the traffic trace is the record of the outcome.
    m_runner.runInBackground([options](SequenceObserver &observer) {
        ::runLinkSelfTest(&observer, options);
        return TransferOutcome();
    });
}
