#pragma once
// "Find gauge" in the communication settings: tries the ports in the
// background (one thread per port, short time-outs) while the dialog stays
// usable, lists each port's result as it comes and names the port a gauge
// answered on. Stop drops the results still to come; the probe itself ends
// within its time-outs.
#include "link/GaugeProbe.h"

#include <QWidget>
#include <functional>
#include <optional>

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
    // The family of the project's master type: a gauge of it is chosen over
    // one of the other family found first, which could not take the project.
    void setProjectFamily(std::optional<LinkFamily> family) { m_family = family; }
    // Time-outs for the probe (tests shorten them).
    void setTimeouts(const ReadTimeouts &timeouts) { m_options.timeouts = timeouts; }

    bool isSearching() const { return m_searching; }
    QPushButton *button() const { return m_button; }
    QTreeWidget *results() const { return m_results; }

signals:
    // A gauge answers on this device (the first found, one of the project's
    // family found later, or the row the user picked in the list).
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
    // The port chosen suits the project, or the user picked it: it stays.
    bool m_chosenStays = false;
    std::optional<LinkFamily> m_family;
    int m_tried = 0;
};
