#pragma once
// Recovery copies of a project with unsaved changes: while the project is
// modified or holds calibration values in no table file, a copy (with the
// calibrations in its notes) is written every 30 seconds to the user's data folder, one
// per running program; it goes when the project is saved or discarded and
// when the program ends normally. A copy left by a program that ended
// without this (a crash, a killed process) is offered at the next start.
#include <QObject>
#include <QString>
#include <QTimer>

class ProjectDocument;

class RecoveryCopy : public QObject
{
    Q_OBJECT
public:
    explicit RecoveryCopy(ProjectDocument *document, QObject *parent = nullptr);
    // A normal end: this program's copy is removed, unless kept.
    ~RecoveryCopy() override;

    // <per-user data folder>/Veltrona/skaleron/recovery
    static QString folder();
    // This program's copy (the project file; its notes lie beside it).
    QString copyPath() const;

    // How often a modified project is copied; 30 s unless set.
    void setInterval(int ms) { m_timer.setInterval(ms); }
    // Writes the copy now if there is unsaved work, else removes it.
    void update();
    // The program is ended from outside (the session ends): the copy is
    // brought up to date and left for the next start to offer.
    void keepForNextStart();

    // Offers the newest copy left by a program that is no longer running:
    // Yes restores it as the modified project (under its own name), No
    // removes it. True when a copy was restored.
    bool offerLeftOver();

private:
    // Writes the copy when there is unsaved work, else removes it.
    void refresh();
    void remove();

    ProjectDocument *m_document;
    QTimer m_timer;
    bool m_kept = false;
};
