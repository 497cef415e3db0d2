#include "TransferRunner.h"

#include "dialogs/TransferProgressDialog.h"

#include <QThread>
#include <mutex>

namespace {

// There is never more than one open port.
std::mutex &linkMutex()
{
    static std::mutex mutex;
    return mutex;
}

class DialogObserver : public SequenceObserver
{
public:
    DialogObserver(TransferProgressDialog *dialog, std::function<void(const QString &)> noteStep)
        : m_dialog(dialog), m_noteStep(std::move(noteStep)) {}
    void progress(int step, int total, const QString &transaction) override
    {
        m_noteStep(QStringLiteral("step %1 of %2 (%3)").arg(step).arg(total).arg(transaction));
        m_dialog->reportStep(step, total, transaction);
    }
    bool cancelRequested() override { return m_dialog->cancelRequested(); }

private:
    TransferProgressDialog *m_dialog;
    std::function<void(const QString &)> m_noteStep;
};

class FlagObserver : public SequenceObserver
{
public:
    explicit FlagObserver(const std::atomic<bool> &stop) : m_stop(stop) {}
    bool cancelRequested() override { return m_stop.load(); }

private:
    const std::atomic<bool> &m_stop;
};

}

TransferRunner::~TransferRunner()
{
    if (m_background) {
        m_stopBackground = true;
        m_background->wait();
        delete m_background;
    }
}

TransferOutcome TransferRunner::run(QWidget *parent, const QString &title, const TransferJob &job)
{
    TransferOutcome outcome;
    TransferProgressDialog dialog(title, parent);
    {
        std::lock_guard<std::mutex> lock(m_stepMutex);
        m_lastStep.clear();
    }
    DialogObserver observer(&dialog, [this](const QString &step) {
        std::lock_guard<std::mutex> lock(m_stepMutex);
        m_lastStep = step;
    });
    QThread *worker = QThread::create([&] {
        std::lock_guard<std::mutex> lock(linkMutex());
        outcome = job(observer);
    });
    worker->setObjectName(QStringLiteral("gauge transfer"));
    QObject::connect(worker, &QThread::finished, &dialog, &TransferProgressDialog::workerFinished);
    m_dialog = &dialog;
    worker->start();
    dialog.exec();
    // The dialog loop also ends when the program is told to quit: the worker
    // then stops after its present transaction.
    if (!worker->isFinished())
        dialog.requestCancel();
    worker->wait();
    delete worker;
    m_dialog = nullptr;
    return outcome;
}

void TransferRunner::runInBackground(const TransferJob &job)
{
    if (isBackgroundRunning())
        return;
    delete m_background;
    m_stopBackground = false;
    m_background = QThread::create([this, job] {
        std::lock_guard<std::mutex> lock(linkMutex());
        FlagObserver observer(m_stopBackground);
        job(observer);
    });
    m_background->setObjectName(QStringLiteral("link self-test"));
    m_background->start();
}

bool TransferRunner::isBackgroundRunning() const
{
    return m_background && m_background->isRunning();
}

void TransferRunner::cancelRunning()
{
    if (m_dialog)
        m_dialog->requestCancel();
}

QString TransferRunner::lastStep() const
{
    std::lock_guard<std::mutex> lock(m_stepMutex);
    return m_lastStep;
}
