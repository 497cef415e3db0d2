#pragma once
// The lasting notes on the right of the main window's status bar: the port
// the gauge commands open (or, in its place, that this session talks to the
// demo gauge) and a project's master type missing from the catalogue. Each
// is made when first shown and takes its text from the current language.
class ProjectDocument;
class QLabel;
class QStatusBar;

class StatusNotes
{
public:
    explicit StatusNotes(QStatusBar *bar);

    // From now on the demo gauge's note stands where the port would.
    void showDemoGauge();
    // The port's note again in its place.
    void endDemoGauge();
    // All notes again, in the current language, for the document's state.
    void update(const ProjectDocument &document);

private:
    QLabel *note(QLabel *&label, const char *objectName);

    QStatusBar *m_bar;
    QLabel *m_demo = nullptr;
    QLabel *m_port = nullptr;
    QLabel *m_master = nullptr;
};
