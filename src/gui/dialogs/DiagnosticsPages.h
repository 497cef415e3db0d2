#pragma once
// The two pages of the diagnostics sheet. The inputs page (template 137)
// shows the four analog inputs of a gauge (terminal 30 reference, fuel,
// coolant, auxiliary) as converter counts (ADC) and in volts (Phy); the info
// page (template 9908) the gauge's firmware version and date.
#include <QWidget>
#include <array>

class QLineEdit;

class DiagnosticsInputsPage : public QWidget
{
    Q_OBJECT
public:
    static constexpr int Rows = 4;

    explicit DiagnosticsInputsPage(QWidget *parent = nullptr);

    double adc(int row) const { return m_adc.at(row); }
    void setAdc(int row, double value) { m_adc.at(row) = value; }
    double phy(int row) const { return m_phy.at(row); }
    void setPhy(int row, double value) { m_phy.at(row) = value; }

    // Shows the values in the fields: each Phy value rounded to one decimal
    // place, which the page then keeps; the ADC values unrounded.
    void showValues();

    QLineEdit *adcField(int row) const { return m_adcFields.at(row); }
    QLineEdit *phyField(int row) const { return m_phyFields.at(row); }

private:
    std::array<double, Rows> m_adc{};
    std::array<double, Rows> m_phy{};
    std::array<QLineEdit *, Rows> m_adcFields{};
    std::array<QLineEdit *, Rows> m_phyFields{};
};

class DiagnosticsInfoPage : public QWidget
{
    Q_OBJECT
public:
    // versionText: the firmware version as the program knows it, or empty.
    explicit DiagnosticsInfoPage(const QString &versionText, QWidget *parent = nullptr);
};
