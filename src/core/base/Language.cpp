#include "Language.h"

#include "InstallLayout.h"
#include "SettingsStore.h"
#include "UserMessages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

const std::array<LanguageEntry, 20> &languageTable()
{
    static const std::array<LanguageEntry, 20> table = {{
        {0, "German", "vorn_ger32.dll", "de"},     {1, "English", "vorn_eng32.dll", "en_GB"},
        {2, "French", "vorn_fre32.dll", "fr"},     {3, "Slowak", "vorn_slo32.dll", "sk"},
        {4, "Dutch", "vorn_dut32.dll", "nl"},      {5, "Italian", "vorn_ita32.dll", "it"},
        {6, "Norwegian", "vorn_nor32.dll", "nb"},  {7, "Polish", "vorn_pol32.dll", "pl"},
        {8, "Hungarian", "vorn_hun32.dll", "hu"},  {9, "Arabic", "vorn_ara32.dll", "ar"},
        {10, "Chinese", "vorn_chi32.dll", "zh_CN"}, {11, "Russian", "vorn_rus32.dll", "ru"},
        {12, "Spanish", "vorn_esp32.dll", "es"},   {13, "Czech", "vorn_cze32.dll", "cs"},
        {14, "Korean", "vorn_kor32.dll", "ko"},    {15, "Lituanian", "vorn_lit32.dll", "lt"},
        {16, "Japanese", "vorn_jap32.dll", "ja"},  {17, "Croatian", "vorn_cro32.dll", "hr"},
        {18, "Latvian", "vorn_lat32.dll", "lv"},   {19, "Greek", "vorn_gre32.dll", "el"},
    }};
    return table;
}

Language &Language::instance()
{
    static Language language;
    return language;
}

Language::Language()
    : m_language(QString::fromLatin1(DefaultLanguageLibrary))
    , m_builtIn(std::make_unique<QTranslator>())
{
    if (!m_builtIn->load(QStringLiteral(":/lang/vorn_ger32.qm")))
        qWarning("built-in language texts are missing");
}

Language::~Language() = default;

QString Language::packFolder() const
{
    QReadLocker lock(&m_lock);
    return m_packFolder.isEmpty() ? install_layout::dataFolder() : m_packFolder;
}

void Language::setPackFolder(const QString &folder)
{
    QWriteLocker lock(&m_lock);
    m_packFolder = folder;
}

QString Language::packPath(const QString &libraryName) const
{
    const QString base = QFileInfo(libraryName).completeBaseName();
    if (base.isEmpty())
        return QString();
    const QString wanted = base + QStringLiteral(".qm");
    const QDir dir(packFolder());
    const QStringList files = dir.entryList({QStringLiteral("*.qm")}, QDir::Files);
    for (const QString &file : files) {
        if (file.compare(wanted, Qt::CaseInsensitive) == 0)
            return dir.filePath(file);
    }
    return QString();
}

QString Language::currentLanguage() const
{
    QReadLocker lock(&m_lock);
    return m_language;
}

QLocale Language::locale() const
{
    QReadLocker lock(&m_lock);
    return m_pack ? m_packLocale : QLocale(QLocale::German);
}

// The locale of a pack file, by its name; English for a name not in the table.
static QLocale packLocale(const QString &path)
{
    const QString base = QFileInfo(path).completeBaseName();
    for (const LanguageEntry &entry : languageTable()) {
        if (base.compare(QFileInfo(QLatin1String(entry.libraryName)).completeBaseName(), Qt::CaseInsensitive) == 0)
            return QLocale(QString::fromLatin1(entry.localeName));
    }
    return QLocale(QLocale::English);
}

void Language::loadQtTranslations()
{
    if (!QCoreApplication::instance())
        return;
    // Qt's dialogs write dates and sizes the language's way too. (The
    // program's own numbers are always written and read with a point.)
    QLocale::setDefault(locale());
    if (m_qt)
        QCoreApplication::removeTranslator(m_qt.get());
    auto qt = std::make_unique<QTranslator>();
    // A language Qt has no translation for keeps Qt's English texts.
    if (qt->load(locale(), QStringLiteral("qt"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        m_qt = std::move(qt);
    } else {
        m_qt.reset();
    }
}

bool Language::packLoaded() const
{
    QReadLocker lock(&m_lock);
    return m_pack != nullptr;
}

bool Language::loadPack(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    // Read whole rather than mapped: a pack file replaced in place while the
    // program runs (an update, a rebuild) cannot change the texts under it.
    auto data = std::make_unique<QByteArray>(file.readAll());
    file.close();
    auto pack = std::make_unique<QTranslator>();
    if (!pack->load(reinterpret_cast<const uchar *>(data->constData()), int(data->size()))) {
        *error = QStringLiteral("%1 is not a valid language pack.").arg(QDir::toNativeSeparators(path));
        return false;
    }
    QWriteLocker lock(&m_lock);
    m_pack = std::move(pack); // the pack before goes before its data
    m_packData = std::move(data);
    m_packLocale = packLocale(path);
    return true;
}

void Language::useBuiltIn()
{
    QWriteLocker lock(&m_lock);
    m_pack.reset();
    m_packData.reset();
}

bool Language::loadStartupLanguage()
{
    const QString stored = settings_store::readString(QStringLiteral("Parameters"), QStringLiteral("Language"),
                                                      QString::fromLatin1(DefaultLanguageLibrary));
    {
        QWriteLocker lock(&m_lock);
        m_language = stored;
    }

    QString path = packPath(stored);
    if (path.isEmpty()) {
        path = packPath(QString::fromLatin1(DefaultLanguageLibrary));
        if (path.isEmpty()) {
            user_messages::show(QStringLiteral("Unable to load the Language Resources") + stored
                                + QStringLiteral(".\nApplication will terminate."));
            return false;
        }
        user_messages::show(QStringLiteral("Unable to load the language resources") + stored
                            + QStringLiteral(".\nApplication uses default language."));
    }

    QString error;
    if (!loadPack(path, &error)) {
        user_messages::show(error, user_messages::Icon::None, user_messages::Buttons::Ok, QStringLiteral("Error"));
        useBuiltIn();
    }
    loadQtTranslations();
    return true;
}

void Language::storeLanguage() const
{
    settings_store::writeString(QStringLiteral("Parameters"), QStringLiteral("Language"), currentLanguage());
}

void Language::storeLanguageAtExit()
{
    storeLanguage();
    useBuiltIn();
}

bool Language::switchLanguage(const QString &libraryName)
{
    const QString path = packPath(libraryName);
    if (path.isEmpty()) {
        user_messages::show(QStringLiteral("Unable to load the language resources") + libraryName
                            + QStringLiteral("."));
        return false;
    }
    QString error;
    if (!loadPack(path, &error)) {
        // The previous pack stays in use.
        user_messages::show(error, user_messages::Icon::None, user_messages::Buttons::Ok, QStringLiteral("Error"));
        return false;
    }
    {
        QWriteLocker lock(&m_lock);
        m_language = libraryName;
    }
    loadQtTranslations();
    emit languageSwitched();
    return true;
}

bool Language::loadPackQuietly(const QString &libraryName)
{
    const QString path = packPath(libraryName);
    QString error;
    if (path.isEmpty() || !loadPack(path, &error))
        return false;
    {
        QWriteLocker lock(&m_lock);
        m_language = libraryName;
    }
    loadQtTranslations();
    return true;
}

int Language::tagNumber(const QString &text)
{
    if (text.size() <= 4 || !text.startsWith(QLatin1String("ID_")))
        return 0;
    int n = 0;
    for (int i = 3; i < text.size() && text.at(i).isDigit(); ++i) {
        n = n * 10 + text.at(i).digitValue();
        if (n > 100000000)
            return 0;
    }
    return n;
}

QString Language::lookup(int id) const
{
    const QByteArray key = QByteArray::number(id);
    QReadLocker lock(&m_lock);
    const QTranslator *source = m_pack ? m_pack.get() : m_builtIn.get();
    return source->translate(nullptr, key.constData());
}

bool Language::translateText(QObject *owner, const QString &text, QString &out)
{
    const int n = tagNumber(text);
    if (n == 0)
        return false;
    const QString translated = lookup(n + TranslationOffset);
    if (!translated.isEmpty()) {
        out = translated.left(254);
        return true;
    }
    user_messages::Message m;
    m.text = text;
    m.owner = owner;
    user_messages::show(m);
    out = text;
    return false;
}

int Language::loadTranslatedString(int id, QString &out) const
{
    out = QStringLiteral("x");
    const QString text = lookup(id);
    if (text.isEmpty())
        return 0;
    out = text.left(255);
    return out.size();
}

QString loadTranslatedString(int id)
{
    QString text;
    Language::instance().loadTranslatedString(id, text);
    return text;
}
