#pragma once
// The service diagnostics sheet (Gauge → Diagnostics): the inputs page first,
// the info page second. While it is open it refreshes the inputs page twice a
// second, as long as that page is in front.
#include <QDialog>
#include <array>
#include <cstdint>

class DiagnosticsInfoPage;
class DiagnosticsInputsPage;
class QTabWidget;
class QTimer;

class DiagnosticsSheet : public QDialog
{
    Q_OBJECT
public:
    static constexpr int RefreshInterval = 500; // ms

    // firmwareVersion: the record's bytes of the last block read; {0, 0}
    // (nothing read) shows no version.
    explicit DiagnosticsSheet(const std::array<uint8_t, 2> &firmwareVersion, QWidget *parent = nullptr,
                              int refreshIntervalMs = RefreshInterval);

    QTabWidget *pages() const { return m_pages; }
    DiagnosticsInputsPage *inputsPage() const { return m_inputs; }
    DiagnosticsInfoPage *infoPage() const { return m_info; }

signals:
    // The inputs page was refreshed.
    void inputsRefreshed();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void onRefresh();

    QTabWidget *m_pages = nullptr;
    DiagnosticsInputsPage *m_inputs = nullptr;
    DiagnosticsInfoPage *m_info = nullptr;
    QString m_caption;
    QTimer *m_refresh = nullptr;
};
