#pragma once
// The main window's commands that talk to a gauge: read the configuration,
// write it (checking it by reading back when the user asks), compare it with
// the project, preset a counter and the hidden link self-test. Transfers run on
// a worker thread behind the progress window; the outcome is shown when they
// have ended.
#include "TransferRunner.h"
#include "link/GaugeSequences.h"

#include <QObject>
#include <functional>

class FormView;
class ProjectDocument;
class DemoGauge;
class QWidget;

class GaugeTransferCommands : public QObject
{
    Q_OBJECT
public:
    GaugeTransferCommands(ProjectDocument *document, QWidget *window, std::function<FormView *()> rightView);

    void readFromGauge();
    void writeToGauge();
    // Reads the gauge into a copy of the project and shows where it differs;
    // from there the user may take the gauge's values or write the project.
    void compareWithGauge();
    void presetCounter(int startAddress, int cellCount, quint32 counterValue);
    // Lets the user pick a block backup and, once confirmed, writes it back
    // to a block-family gauge.
    void restoreBackup();
    void runLinkSelfTest();

    bool isBusy() const { return m_runner.isRunning(); }
    // Asks the running transfer to stop after its present transaction.
    void cancelRunning() { m_runner.cancelRunning(); }
    // The program is ended from outside: the running transfer stops after
    // its present exchange and is recorded as interrupted, without a
    // message. True when a transfer was running.
    bool interrupt();

    // Time-outs and the like for every sequence (tests shorten them).
    void setLinkOptions(const LinkOptions &options) { m_options = options; }
    // The demo gauge whose family is picked before each transfer, or none.
    void setDemoGauge(DemoGauge *demo) { m_demo = demo; }
    DemoGauge *demoGauge() const { return m_demo; }

signals:
    // A transfer with the progress window has ended and its outcome was shown.
    void transferFinished();

private:
    // The demo gauge, if any, answers as the project's link family.
    void useDemoGaugeOfProject();
    TransferOutcome run(const QString &title, const TransferJob &job);
    // A cancelled transfer says so; otherwise the notice, then the outcome text.
    // file: a file the outcome names, whose full path goes into the details.
    // gaugeChanges: false for a read or comparison, which a cancel leaves
    // without effect.
    void showOutcome(const TransferOutcome &outcome, const QString &file = QString(), bool gaugeChanges = true);
    // False when the user, asked, would rather not write a pulse factor of
    // 0 that the master type's missing limits let pass.
    bool confirmZeroPulseFactor(const ConfigRecord &config);
    // Appends the command to the service history; the first failure to store
    // it is shown, the transfer's outcome stands either way.
    void recordHistory(const QString &operation, LinkFamily family, const ConfigRecord &before,
                       const ConfigRecord &after, const TransferOutcome &outcome, const QString &detail = QString(),
                       const Phrase &sent = Phrase());

    ProjectDocument *m_document;
    QWidget *m_window;
    std::function<FormView *()> m_rightView;
    TransferRunner m_runner;
    LinkOptions m_options;
    DemoGauge *m_demo = nullptr;
    bool m_interrupted = false;
};
