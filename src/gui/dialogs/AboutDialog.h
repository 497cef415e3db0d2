#pragma once
// The About box (template 100): the program's picture, its version with the
// build date and word width, the product line and OK.
#include <QDialog>

class QLabel;

class AboutDialog : public QDialog
{
    Q_OBJECT
public:
    explicit AboutDialog(QWidget *parent = nullptr);

    // "Version 1.00 - Apr  3 2012 - 64 Bit R": the version as major, minor
    // and the third number written directly after the minor one, the build
    // date as the compiler writes it, and the word width in bits.
    static QString versionLine(int major, int minor, int patch, const QString &buildDate, int wordBits);
    // The line for this program: its own version, build date and word width.
    static QString programVersionLine();
    // The compiler's build date ("Dec  7 2026") as the user's language
    // writes dates; a date that cannot be read as it stands.
    static QString buildDateText(const QString &compilerDate);

    QLabel *versionLabel() const { return m_version; }

private:
    QLabel *m_version = nullptr;
};
