#pragma once
// The project file commands of the main window: new, open (dialog, recent
// list, command line, drop), save and save as, and the question whether to
// save a modified project before it is replaced or the window closes, and
// the comparison with another project file.
#include "base/RecentFileList.h"

#include <QObject>

class ProjectDocument;
class QWidget;

class ProjectFileCommands : public QObject
{
    Q_OBJECT
public:
    // Before a project is replaced or saved, the document's commit hook
    // moves the form's entries into the record (refused: the form said why).
    ProjectFileCommands(ProjectDocument *document, QWidget *window);

    bool fileNew();
    // Shows the file dialog; false when cancelled or the file was refused.
    bool fileOpen();
    // Opens a named project after the save question. A file that cannot be
    // read leaves the open project as it was (and leaves the recent list).
    bool openProject(const QString &path);
    bool fileSave();
    bool fileSaveAs();
    // File > Compare with: asks for another project file and shows the
    // fields in which it differs from the open project (the form's entries
    // included); changes nothing.
    void compareWithFile();
    // True when the project may be replaced or closed: the form's entries are
    // valid and a modified project was saved or knowingly discarded.
    bool saveModified();

    RecentFileList &recentFiles() { return m_recent; }
    // File dialog filter of projects ("... (*.rix)").
    static QString projectFilter();

signals:
    void recentFilesChanged();

private:
    bool askToSaveModified();
    bool doSave(const QString &path);
    // Asks before calibration values kept in no file go with the project.
    bool calibrationsMayGo();
    // title: the open dialog's own title, if not the usual one.
    QString askFileName(bool forOpen, const QString &title = QString());

    ProjectDocument *m_document;
    QWidget *m_window;
    RecentFileList m_recent;
};
