#pragma once
// The options dialog (template 194): language of the user interface, path of
// the master type database, of the user's sensors and of the service history
// (a file or a postgresql:// address each) and the serial port of the gauge
// link, which "Find gauge" can look for among the ports. The dialog stores
// the paths and switches the language itself; the caller
// passes the current port in, reads the chosen one after OK and stores it.
#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>

class FindGaugePanel;
class QComboBox;
class QLineEdit;
class QPushButton;

// One serial port as the system lists it: the name it is known by ("COM3",
// "ttyUSB0") and the path a program opens ("\\.\COM3", "/dev/ttyUSB0").
struct SystemSerialPort
{
    QString name;
    QString devicePath;
};

class OptionsDialog : public QDialog
{
    Q_OBJECT
public:
    explicit OptionsDialog(QWidget *parent = nullptr);

    // The port entry to select when the dialog opens (the first entry whose
    // text begins with it, letter case ignored) and, after OK, the chosen one.
    // Where ports are listed by device path, a port number ("COM3") selects
    // the device the link opens for it ("Communication"/"Device" when set).
    void setComPortName(const QString &name) { m_comPort = name; }
    QString comPortName() const { return m_comPort; }
    // After OK: the device path of the chosen or typed port ("ttyACM0" is
    // taken as /dev/ttyACM0); empty for the fall-back entries "COM1".."COM4"
    // and a typed port number (the number alone then decides).
    QString devicePath() const;
    QString databasePath() const { return m_databasePath; }
    // The demo gauges' terminals: Find gauge leaves them out (they are no
    // port to keep).
    void setDemoPorts(const QStringList &ports) { m_demoPorts = ports; }

    // The entries the port list shows for these system ports, in the given
    // order. On Windows only names of the serial kinds count ("\Device\Serial",
    // "\Device\VCP", "Serial", "COM"); elsewhere every port is listed by its
    // device path. No port at all gives "COM1".."COM4".
    static QStringList portEntries(const QList<SystemSerialPort> &ports);
    // True for the names of serial kinds: beginning, letter case ignored,
    // with "\Device\Serial", "\Device\VCP", "Serial" or "COM".
    static bool isSerialPortName(const QString &name);
    // The serial ports the system reports now.
    static QList<SystemSerialPort> systemPorts();

    // Replaces the system's port list (tests); an empty list stands for a
    // system without serial ports.
    void setSystemPorts(const QList<SystemSerialPort> &ports);

    QComboBox *languageList() const { return m_language; }
    QComboBox *portList() const { return m_port; }
    QLineEdit *databaseEdit() const { return m_database; }
    // Empty stands for the default, which the field shows greyed.
    QLineEdit *userSensorEdit() const { return m_userSensors; }
    QLineEdit *historyEdit() const { return m_history; }
    QPushButton *browseButton() const { return m_browse; }
    FindGaugePanel *findGauge() const { return m_find; }

public slots:
    void accept() override;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool event(QEvent *event) override;

private:
    void buildFromTemplate();
    void prepare();
    void fillLanguages();
    void fillPorts();
    void selectPort();
    bool selectEntryBeginningWith(const QString &name);
    void onBrowse();
    // Every port the list offers, the configured one and a typed one.
    QStringList portsToTry() const;
    void selectFoundPort(const QString &device);
    bool keepDatabasePath();
    bool portIsAddress();

    QComboBox *m_language = nullptr;
    QComboBox *m_port = nullptr;
    QLineEdit *m_database = nullptr;
    QLineEdit *m_userSensors = nullptr;
    QLineEdit *m_history = nullptr;
    QPushButton *m_browse = nullptr;
    FindGaugePanel *m_find = nullptr;

    QString m_databasePath;
    QString m_databaseAtOpen; // asked about only when changed here
    QString m_comPort;
    QList<SystemSerialPort> m_systemPorts;
    bool m_portsGiven = false;
    QStringList m_demoPorts;
    bool m_initialised = false;
};
