#pragma once
// Runs gauge sequences on worker threads so that the window never freezes:
// a transfer with the modal progress window (Run returns when the sequence
// has ended), or the link self-test in the background. Only one sequence
// uses the link at a time; another one waits for it.
#include "link/SequenceObserver.h"
#include "link/TransferOutcome.h"

#include <atomic>
#include <functional>
#include <mutex>

class TransferProgressDialog;
class QThread;
class QWidget;

using TransferJob = std::function<TransferOutcome(SequenceObserver &observer)>;

class TransferRunner
{
public:
    TransferRunner() = default;
    TransferRunner(const TransferRunner &) = delete;
    TransferRunner &operator=(const TransferRunner &) = delete;
    // Stops a background job after its present transaction and waits for it.
    ~TransferRunner();

    // Shows the progress window titled title over parent and runs the job.
    TransferOutcome run(QWidget *parent, const QString &title, const TransferJob &job);
    // Starts a job without a window; ignored while one is still running.
    void runInBackground(const TransferJob &job);

    bool isRunning() const { return m_dialog != nullptr; }
    bool isBackgroundRunning() const;
    // Asks the running transfer to stop after its present transaction.
    void cancelRunning();
    // How far the last transfer with the progress window got: "step 5 of 14
    // (DownloadToGauge)", empty before its first step.
    QString lastStep() const;

private:
    TransferProgressDialog *m_dialog = nullptr;
    mutable std::mutex m_stepMutex; // the step is noted on the worker thread
    QString m_lastStep;
    QThread *m_background = nullptr;
    std::atomic<bool> m_stopBackground{false};
};
