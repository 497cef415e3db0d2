#pragma once
// "Find gauge" in the communication settings: tries the ports in the
// background (one thread per port, short time-outs) while the dialog stays
// usable, lists each port's result as it comes and names the port a gauge
// answered on. Stop drops the results still to come; the probe itself ends
// within its time-outs.
#include "link/GaugeProbe.h"

#include <QWidget>
#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;
class QThread;
class QTreeWidget;
class QTreeWidgetItem;

class FindGaugePanel : public QWidget
{
    Q_OBJECT
public:
    explicit FindGaugePanel(QWidget *parent = nullptr);
    // Waits for a probe still under way (it ends within its time-outs): its
    // threads must not outlive the program's objects.
    ~FindGaugePanel() override;

    // The ports to try, asked for when the user presses the button.
    void setPortsToTry(std::function<QStringList()> ports) { m_ports = std::move(ports); }
    // Time-outs for the probe (tests shorten them).
    void setTimeouts(const ReadTimeouts &timeouts) { m_options.timeouts = timeouts; }

    bool isSearching() const { return m_searching; }
    QPushButton *button() const { return m_button; }
    QTreeWidget *results() const { return m_results; }

signals:
    // A gauge answers on this device (the first found, or the row the user
    // picked in the list).
    void gaugeChosen(const QString &device);

private:
    void start();
    void stop();
    void onPortProbed(const ProbeResult &result);
    void onFinished(int found);
    void showSearching(bool searching);

    QPushButton *m_button = nullptr;
    QLabel *m_status = nullptr;
    QProgressBar *m_progress = nullptr;
    QTreeWidget *m_results = nullptr;
    std::function<QStringList()> m_ports;
    ProbeOptions m_options;
    QThread *m_worker = nullptr;
    // Results of a search that was stopped or replaced carry an older number.
    int m_generation = 0;
    bool m_searching = false;
    bool m_chosen = false;
    int m_tried = 0;
};
