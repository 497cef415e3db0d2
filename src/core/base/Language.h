#pragma once
// The current language: the pack of program strings and dialog texts chosen
// in the options, its loading at start-up with its fall-backs, the lookup of
// strings by number and of tagged dialog texts ("ID_n ..." -> string n + 40000),
// and the switch at run time.
//
// A pack is stored in the settings under its library name ("vorn_eng32.dll");
// the file loaded is the Qt translation file of the same base name (".qm") in
// the program's data folder (base/InstallLayout.h). The German pack is also built into the program: it
// stands in whenever no pack is loaded.
#include <QLocale>
#include <QObject>
#include <QReadWriteLock>
#include <QString>
#include <array>
#include <memory>

class QTranslator;

struct LanguageEntry
{
    int index;
    const char *displayName;
    const char *libraryName;
    const char *localeName; // the language's locale, for Qt's own texts and dates
};

// The twenty known languages; the options offer the first three.
const std::array<LanguageEntry, 20> &languageTable();
constexpr const char *DefaultLanguageLibrary = "vorn_eng32.dll";
constexpr int TranslationOffset = 40000;

class Language : public QObject
{
    Q_OBJECT
public:
    static Language &instance();

    // Reads "Parameters"/"Language" and loads its pack, falling back to
    // English. Returns false when the program cannot run (no pack at all).
    bool loadStartupLanguage();
    // Writes the current library name to "Parameters"/"Language".
    void storeLanguage() const;
    // The same, then unloads.
    void storeLanguageAtExit();
    // Loads another pack. A pack that is missing or cannot be loaded leaves
    // the previous one in use; returns true when the new pack is in use.
    bool switchLanguage(const QString &libraryName);
    // Loads a pack without any message (tools that are not interactive);
    // false leaves the current texts in use.
    bool loadPackQuietly(const QString &libraryName);

    // True when text is a tag ("ID_" and a number, more than 4 characters)
    // whose translation exists; the translation is then in out. A tag without
    // translation is shown to the user and copied to out unchanged.
    bool translateText(QObject *owner, const QString &text, QString &out);
    // Presets out to "x", loads string id (at most 255 characters) and returns
    // its length, 0 when the pack has no such string.
    int loadTranslatedString(int id, QString &out) const;

    // m_language: the library name of the current language.
    QString currentLanguage() const;
    // The locale of the language whose texts are in use (German while no
    // pack is loaded): dates are written in it.
    QLocale locale() const;
    // True while a pack file is loaded (otherwise the built-in German texts).
    bool packLoaded() const;

    // Folder the packs are looked for in; the program's data folder unless set
    // (tests point it elsewhere).
    QString packFolder() const;
    void setPackFolder(const QString &folder);

    // Path of the pack file for a library name, found without regard to letter
    // case; empty when there is none. Only the file name part of the library
    // name counts, so a stored name can never reach outside the folder.
    QString packPath(const QString &libraryName) const;

    // Parses a tag: the number n after "ID_", or 0 when text is no tag.
    static int tagNumber(const QString &text);

signals:
    // A run-time switch succeeded: windows built from now on use the new pack;
    // the desktop program reloads its menu and untitled name.
    void languageSwitched();

private:
    Language();
    ~Language() override;
    bool loadPack(const QString &path, QString *error);
    void useBuiltIn();
    // Qt's own texts (standard buttons, file and print dialogs) in the
    // language of the texts in use, from the translations Qt ships.
    void loadQtTranslations();
    QString lookup(int id) const;

    mutable QReadWriteLock m_lock;
    QString m_language;
    std::unique_ptr<QTranslator> m_pack;    // the loaded pack file, or none
    std::unique_ptr<QByteArray> m_packData; // its bytes, which m_pack reads
    std::unique_ptr<QTranslator> m_builtIn; // the program's own (German) texts
    QLocale m_packLocale;                   // the loaded pack's language
    std::unique_ptr<QTranslator> m_qt;      // Qt's texts, installed in the application
    QString m_packFolder;
};

// Convenience for code that needs only the text: the string, or "x" when the
// pack lacks it.
QString loadTranslatedString(int id);
