#pragma once
// The program's own help window: the user manual (made from the README when
// the program was built) in a text browser, with its contents beside it and
// a search field above. It needs nothing outside the program, so help works
// on a machine without a web browser.
#include <QWidget>

class QLineEdit;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;

class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);

    // The manual of the installed program; false (the reason told to the
    // user) when it is missing.
    static bool showManual(QWidget *parent);
    // The manual page at path; false when it cannot be read.
    bool load(const QString &path);

    // Finds the next place holding text (from the top after the last one);
    // false when the manual holds it nowhere.
    bool findNext(const QString &text);

private:
    void fillContents();
    void showHeading(QTreeWidgetItem *item);

    QLineEdit *m_search = nullptr;
    QTreeWidget *m_contents = nullptr;
    QTextBrowser *m_page = nullptr;
};
