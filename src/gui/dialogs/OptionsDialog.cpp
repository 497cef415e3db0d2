#include "OptionsDialog.h"

#include "FindGaugePanel.h"

#include "resources/DialogTemplates.h"
#include "base/Language.h"
#include "resources/ProgramPictures.h"
#include "base/SettingsStore.h"
#include "base/UserMessages.h"
#include "app/TranslateWindow.h"
#include "catalogue/CatalogueAddress.h"
#include "catalogue/CatalogueConnection.h"
#include "catalogue/CatalogueLocation.h"
#include "history/ServiceHistory.h"
#include "link/GaugeProbe.h"
#include "link/LineSettings.h"
#include "link/NetworkAddress.h"
#include "link/StoredLineSelectors.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpression>
#include <QSerialPortInfo>

namespace {

constexpr int OptionsTemplate = 194;
constexpr int LanguageListId = 1161;
constexpr int DatabaseEditId = 1003;
constexpr int BrowseButtonId = 1301;
constexpr int PortListId = 1014;
constexpr int DevicePathRole = Qt::UserRole;
constexpr int UserSensorsLabelText = 5404;
constexpr int HistoryLabelText = 5405;

// Where the user's sensors and the service history are kept.
const QString UserSensorsSection = QStringLiteral("DIRECTORIES");
const QString UserSensorsEntry = QStringLiteral("DBASEUSER");
const QString HistorySection = QStringLiteral("Directories");
const QString HistoryEntry = QStringLiteral("History");

// Stores a path field: an emptied field removes the setting (the default
// applies again), an untouched one leaves the settings as they are.
void storePath(const QLineEdit *edit, const QString &section, const QString &entry)
{
    const QString text = edit->text().trimmed();
    if (text == edit->property("stored").toString())
        return;
    if (text.isEmpty())
        settings_store::remove(section, entry);
    else
        settings_store::writeString(section, entry, text);
}

void showPath(QLineEdit *edit, const QString &section, const QString &entry, const QString &defaultPath)
{
    const QString stored = settings_store::readString(section, entry, QString());
    edit->setText(stored);
    edit->setProperty("stored", stored);
    edit->setPlaceholderText(defaultPath);
}

QString templateText(int controlId)
{
    const auto *control = dialog_templates::findControl(OptionsTemplate, controlId);
    return control ? QString::fromUtf8(control->text) : QString();
}

// The headings have no identifier of their own; they come in template order.
QStringList headingTexts()
{
    QStringList texts;
    if (const auto *t = dialog_templates::find(OptionsTemplate)) {
        for (const auto &c : t->controls) {
            if (c.id == dialog_templates::UnnamedControl && c.kind == dialog_templates::ControlKind::Label)
                texts << QString::fromUtf8(c.text);
        }
    }
    while (texts.size() < 3)
        texts << QString();
    return texts;
}

}

bool OptionsDialog::isSerialPortName(const QString &name)
{
    static const char *const prefixes[] = {"\\Device\\Serial", "\\Device\\VCP", "Serial", "COM"};
    for (const char *prefix : prefixes) {
        if (name.startsWith(QLatin1String(prefix), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

OptionsDialog::OptionsDialog(QWidget *parent)
    : QDialog(parent)
{
    buildFromTemplate();
}

void OptionsDialog::buildFromTemplate()
{
    if (const auto *t = dialog_templates::find(OptionsTemplate))
        setWindowTitle(QString::fromUtf8(t->caption));
    const QStringList headings = headingTexts();

    auto *languageLabel = new QLabel(headings.at(0), this);
    m_language = new QComboBox(this);
    m_language->setObjectName(QStringLiteral("control%1").arg(LanguageListId));
    m_language->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_language->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    auto *databaseLabel = new QLabel(headings.at(1), this);
    m_database = new QLineEdit(this);
    m_database->setObjectName(QStringLiteral("control%1").arg(DatabaseEditId));
    m_database->setMinimumWidth(260);
    // The button shows its picture instead of the template text.
    m_browse = new QPushButton(this);
    m_browse->setObjectName(QStringLiteral("control%1").arg(BrowseButtonId));
    m_browse->setAutoDefault(false);
    auto *userSensorsLabel = new QLabel(loadTranslatedString(UserSensorsLabelText), this);
    m_userSensors = new QLineEdit(this);
    m_userSensors->setObjectName(QStringLiteral("userSensorEdit"));
    auto *historyLabel = new QLabel(loadTranslatedString(HistoryLabelText), this);
    m_history = new QLineEdit(this);
    m_history->setObjectName(QStringLiteral("historyEdit"));
    auto *portLabel = new QLabel(headings.at(2), this);
    m_port = new QComboBox(this);
    m_port->setObjectName(QStringLiteral("control%1").arg(PortListId));
    m_port->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_port->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    // A port the system does not list (a pseudo-terminal, an adapter's
    // by-id name) can be typed in.
    m_port->setEditable(true);
    m_port->setInsertPolicy(QComboBox::NoInsert);
    // No completion from the list: rfc2217://quaybox:2001 typed must not
    // become the listed rfc2217://quaybox:20011 on OK, another gauge.
    m_port->setCompleter(nullptr);
    m_port->setMinimumContentsLength(16);
    if (const auto *c = dialog_templates::findControl(OptionsTemplate, PortListId)) {
        for (const char *item : c->items)
            m_port->addItem(QString::fromUtf8(item));
    }
    m_find = new FindGaugePanel(this);
    m_find->setPortsToTry([this] { return portsToTry(); });
    auto *ok = new QPushButton(templateText(1), this);
    ok->setObjectName(QStringLiteral("control1"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(templateText(2), this);
    cancel->setObjectName(QStringLiteral("control2"));

    auto *grid = new QGridLayout(this);
    grid->addWidget(languageLabel, 0, 0);
    grid->addWidget(m_language, 0, 1, 1, 2);
    grid->addWidget(databaseLabel, 1, 0);
    grid->addWidget(m_database, 1, 1);
    grid->addWidget(m_browse, 1, 2);
    grid->addWidget(userSensorsLabel, 2, 0);
    grid->addWidget(m_userSensors, 2, 1, 1, 2);
    grid->addWidget(historyLabel, 3, 0);
    grid->addWidget(m_history, 3, 1, 1, 2);
    grid->addWidget(portLabel, 4, 0);
    grid->addWidget(m_port, 4, 1, 1, 2);
    grid->addWidget(m_find, 5, 1, 1, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, 6, 0, 1, 3);
    grid->setColumnStretch(1, 1);

    connect(ok, &QPushButton::clicked, this, &OptionsDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &OptionsDialog::reject);
    connect(m_browse, &QPushButton::clicked, this, &OptionsDialog::onBrowse);
    connect(m_find, &FindGaugePanel::gaugeChosen, this, &OptionsDialog::selectFoundPort);
}

void OptionsDialog::showEvent(QShowEvent *event)
{
    // Initialised when it opens, so that the caller's port name is in place.
    if (!m_initialised) {
        m_initialised = true;
        prepare();
    }
    QDialog::showEvent(event);
}

void OptionsDialog::prepare()
{
    translateWindow(this);
    m_browse->setIcon(QPixmap::fromImage(programPicture(program_pictures::BrowsePicture)));
    m_browse->setIconSize(QSize(20, 16));
    m_browse->setToolTip(loadTranslatedString(5400));

    // The catalogue's own default: a pattern such as "*.mdb" here would be
    // stored by OK and leave the catalogue without a database.
    m_databasePath = settings_store::readString(QStringLiteral("Directories"), QStringLiteral("DBase"),
                                                   catalogue_location::defaultDatabasePath());
    m_databaseAtOpen = m_databasePath;
    fillLanguages();
    fillPorts();
    m_database->setText(m_databasePath);
    showPath(m_userSensors, UserSensorsSection, UserSensorsEntry, catalogue_location::defaultUserSensorDatabasePath());
    showPath(m_history, HistorySection, HistoryEntry, service_history::defaultLocation());
    selectPort();
}

void OptionsDialog::fillLanguages()
{
    m_language->clear();
    // German, English and French, named in the language in use.
    for (int index = 0; index < 3; ++index) {
        const LanguageEntry &entry = languageTable().at(index);
        m_language->addItem(loadTranslatedString(6370 + index), entry.index);
    }
    m_language->model()->sort(0);

    const QString current = Language::instance().currentLanguage();
    m_language->setCurrentIndex(-1);
    for (int row = 0; row < m_language->count(); ++row) {
        const int index = m_language->itemData(row).toInt();
        if (current.compare(QLatin1String(languageTable().at(index).libraryName), Qt::CaseInsensitive) == 0) {
            m_language->setCurrentIndex(row);
            break;
        }
    }
}

QList<SystemSerialPort> OptionsDialog::systemPorts()
{
    QList<SystemSerialPort> ports;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        ports.append({info.portName(), info.systemLocation()});
    return ports;
}

void OptionsDialog::setSystemPorts(const QList<SystemSerialPort> &ports)
{
    m_systemPorts = ports;
    m_portsGiven = true;
}

QStringList OptionsDialog::portEntries(const QList<SystemSerialPort> &ports)
{
    QStringList entries;
    for (const SystemSerialPort &port : ports) {
#ifdef Q_OS_WIN
        if (isSerialPortName(port.name))
            entries << port.name;
#else
        // Device names here are "ttyS0", "ttyUSB0", ...: every port the
        // system reports is a serial one, and it is opened by its path.
        entries << (port.devicePath.isEmpty() ? port.name : port.devicePath);
#endif
    }
    if (entries.isEmpty())
        entries = QStringList{QStringLiteral("COM1"), QStringLiteral("COM2"), QStringLiteral("COM3"),
                              QStringLiteral("COM4")};
    return entries;
}

void OptionsDialog::fillPorts()
{
    const QList<SystemSerialPort> ports = m_portsGiven ? m_systemPorts : systemPorts();
    const QStringList entries = portEntries(ports);
    m_port->clear();
    for (const QString &entry : entries) {
        QString device;
        for (const SystemSerialPort &port : ports) {
            if (port.name == entry || port.devicePath == entry)
                device = port.devicePath;
        }
        m_port->addItem(entry, device);
    }
}

bool OptionsDialog::selectEntryBeginningWith(const QString &name)
{
    for (int row = 0; row < m_port->count(); ++row) {
        if (m_port->itemText(row).startsWith(name, Qt::CaseInsensitive)) {
            m_port->setCurrentIndex(row);
            return true;
        }
    }
    return false;
}

void OptionsDialog::selectPort()
{
    if (selectEntryBeginningWith(m_comPort))
        return;
#ifndef Q_OS_WIN
    // Ports are listed by device path here. A port number ("COM3") stands for
    // the device the link opens for it: the stored device path, else the
    // number's own device.
    static const QRegularExpression portNumber(QStringLiteral("^COM\\s*(\\d+)$"),
                                               QRegularExpression::CaseInsensitiveOption);
    QString device = m_comPort;
    const QRegularExpressionMatch number = portNumber.match(m_comPort.trimmed());
    if (number.hasMatch()) {
        device = settings_store::readString(QStringLiteral("Communication"), QStringLiteral("Device"), QString())
                     .trimmed();
        if (device.isEmpty())
            device = portDeviceName(number.captured(1).toInt());
    }
    for (int row = 0; row < m_port->count(); ++row) {
        if (m_port->itemText(row) == device) {
            m_port->setCurrentIndex(row);
            return;
        }
    }
    // A device the system does not list now (unplugged, or set by hand)
    // stays selectable, so that OK does not drop the setting.
    if (device.startsWith(QLatin1Char('/')) || isNetworkAddress(device)) {
        m_port->addItem(device, device);
        m_port->setCurrentIndex(m_port->count() - 1);
        return;
    }
#endif
    m_port->setCurrentIndex(-1);
}

QString OptionsDialog::devicePath() const
{
    const QString text = m_port->currentText().trimmed();
    const int row = m_port->findText(text);
    if (row >= 0)
        return m_port->itemData(row, DevicePathRole).toString();
    // Typed by the user: a port number leaves the device to the number.
    static const QRegularExpression portNumber(QStringLiteral("^COM\\s*\\d+$"),
                                               QRegularExpression::CaseInsensitiveOption);
    if (text.isEmpty() || portNumber.match(text).hasMatch())
        return QString();
    if (isNetworkAddress(text)) // a serial port on another machine
        return text;
#ifdef Q_OS_WIN
    return QString();
#else
    return portDeviceFromArgument(text); // a bare name is a device below /dev
#endif
}

QStringList OptionsDialog::portsToTry() const
{
    QStringList ports;
    for (int row = 0; row < m_port->count(); ++row) {
        const QString device = m_port->itemData(row, DevicePathRole).toString();
        ports << (device.isEmpty() ? portDeviceFromArgument(m_port->itemText(row)) : device);
    }
    // The port the link uses now, which the system need not list (a
    // pseudo-terminal, a device set by hand), and one typed in.
    ports << configuredPortDevice(StoredLineSelectors::load().port);
    if (!devicePath().isEmpty())
        ports << devicePath();
    ports << storedNetworkPorts();
    ports.removeAll(QString());
    for (const QString &demo : m_demoPorts)
        ports.removeAll(demo);
    ports.removeDuplicates();
    return ports;
}

void OptionsDialog::selectFoundPort(const QString &device)
{
    for (int row = 0; row < m_port->count(); ++row) {
        const QString listed = m_port->itemData(row, DevicePathRole).toString();
        if (listed == device || (listed.isEmpty() && portDeviceFromArgument(m_port->itemText(row)) == device)) {
            m_port->setCurrentIndex(row);
            return;
        }
    }
    m_port->addItem(device, device);
    m_port->setCurrentIndex(m_port->count() - 1);
}

void OptionsDialog::onBrowse()
{
    m_databasePath = m_database->text();

    QFileDialog dialog(this, loadTranslatedString(5403));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile); // a new database may be named
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setDefaultSuffix(QStringLiteral("mdb"));
    dialog.setNameFilters({loadTranslatedString(5401) + QStringLiteral(" (*.mdb)"),
                           loadTranslatedString(5402) + QStringLiteral(" (*.sqlite *.db)")});
    // A pattern such as "*.mdb" is no file to preselect.
    const QFileInfo current(m_databasePath);
    if (!m_databasePath.contains(QLatin1Char('*')) && !m_databasePath.contains(QLatin1Char('?'))
        && !m_databasePath.isEmpty()) {
        if (current.dir().exists())
            dialog.setDirectory(current.absolutePath());
        dialog.selectFile(current.fileName());
        if (!current.suffix().compare(QLatin1String("sqlite"), Qt::CaseInsensitive)
            || !current.suffix().compare(QLatin1String("db"), Qt::CaseInsensitive))
            dialog.selectNameFilter(dialog.nameFilters().at(1));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    m_databasePath = QFileInfo(dialog.selectedFiles().constFirst()).absoluteFilePath();
    m_database->setText(m_databasePath);
}

// A catalogue file that is not there is said now, not at the next choice of
// a master type; the user may still store it (a drive not mounted yet).
bool OptionsDialog::keepDatabasePath()
{
    const QString path = m_database->text();
    if (path == m_databaseAtOpen || path.isEmpty() || catalogue_address::isServer(path))
        return true;
    // Said now, not when a master type is next chosen.
    const QString problem = CatalogueConnection::fileProblem(path);
    if (problem.isEmpty())
        return true;
    user_messages::Message question;
    question.text = problem + QLatin1Char(' ') + loadTranslatedString(5983);
    question.icon = user_messages::Icon::Question;
    question.buttons = user_messages::Buttons::YesNo;
    question.owner = this;
    if (user_messages::show(question) == user_messages::Answer::Yes)
        return true;
    m_database->setFocus();
    m_database->selectAll();
    return false;
}

// A network port without its port number (or with a stray character) can
// never be opened: said now, not at the next transfer.
bool OptionsDialog::portIsAddress()
{
    const QString text = m_port->currentText().trimmed();
    if (networkAddressProblem(text).isEmpty())
        return true;
    user_messages::Message refusal;
    refusal.text = loadTranslatedString(5985).arg(text);
    refusal.icon = user_messages::Icon::Error;
    refusal.owner = this;
    user_messages::show(refusal);
    m_port->setFocus();
    m_port->lineEdit()->selectAll();
    return false;
}

void OptionsDialog::accept()
{
    if (!portIsAddress() || !keepDatabasePath())
        return;
    m_databasePath = m_database->text();
    m_comPort = m_port->currentText().trimmed();
    settings_store::writeString(QStringLiteral("Directories"), QStringLiteral("DBase"), m_databasePath);
    storePath(m_userSensors, UserSensorsSection, UserSensorsEntry);
    storePath(m_history, HistorySection, HistoryEntry);

    const int row = m_language->currentIndex();
    if (row >= 0) {
        const int index = m_language->itemData(row).toInt();
        // Whatever the switch reports, the dialog closes: the path is stored.
        // The language is stored now too, as the other settings are: a
        // program that does not end normally keeps the choice all the same.
        if (index >= 0 && index < int(languageTable().size())
            && Language::instance().switchLanguage(QString::fromLatin1(languageTable().at(index).libraryName)))
            Language::instance().storeLanguage();
    }
    QDialog::accept();
}

void OptionsDialog::keyPressEvent(QKeyEvent *event)
{
    // The dialog has no help page.
    if (event->key() == Qt::Key_F1 || event->key() == Qt::Key_Help) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool OptionsDialog::event(QEvent *event)
{
    if (event->type() == QEvent::WhatsThis || event->type() == QEvent::EnterWhatsThisMode) {
        event->accept();
        return true;
    }
    return QDialog::event(event);
}
