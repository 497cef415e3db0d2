#pragma once
// The modal window shown while a gauge transfer runs on its worker thread:
// names the step in progress and offers Cancel, which takes effect between
// two transactions. It closes itself when the worker has finished, never
// before.
#include <QDialog>
#include <atomic>

class QLabel;
class QProgressBar;
class QPushButton;

class TransferProgressDialog : public QDialog
{
    Q_OBJECT
public:
    TransferProgressDialog(const QString &title, QWidget *parent = nullptr);

    // Any thread: the worker is about to run this step.
    void reportStep(int step, int total, const QString &transaction);
    // Any thread: whether the user (or the closing program) asked to stop.
    bool cancelRequested() const { return m_cancel.load(); }

    // Asks the worker to stop after its present transaction.
    void requestCancel();
    // The worker has ended: the window may close.
    void workerFinished();

public slots:
    // Escape and the close button cancel; the window still waits for the worker.
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void showStep(int step, int total, const QString &transaction);

    QLabel *m_step = nullptr;
    QProgressBar *m_bar = nullptr;
    QPushButton *m_cancelButton = nullptr;
    std::atomic<bool> m_cancel{false};
    bool m_finished = false;
};
