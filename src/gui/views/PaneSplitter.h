#pragma once
// The main window's two panes: the project tree on the left, one form on the
// right, in a scroll area so that a form larger than the pane can still be
// reached. The form is replaced, never reused, when the tree selection
// changes.
#include <QSplitter>
#include <functional>

class FormView;
class ProjectDocument;
class QScrollArea;

class PaneSplitter : public QSplitter
{
    Q_OBJECT
public:
    using ViewFactory = std::function<FormView *(ProjectDocument *document)>;

    explicit PaneSplitter(QWidget *parent = nullptr);

    // Puts the left pane in place (once, at creation). The pane is never
    // made narrower than its minimum width, whatever width is asked for.
    void setLeftPane(QWidget *pane, int width);
    // The form in the right pane, or nullptr.
    FormView *rightView() const;

    enum class OldValues { Keep, Discard };
    // Replaces the right-hand form by a new one made by the factory. With
    // Keep the old form first moves its values into the record; when it
    // refuses (an invalid entry) it stays and the result is false. Discard is
    // for a record that was replaced: the old form's values belong to the
    // project that is gone.
    bool replaceView(const ViewFactory &factory, ProjectDocument *document, OldValues old = OldValues::Keep);

    // The tree's width as it is to be remembered: never below its minimum.
    int leftPaneWidth() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    // The stored tree width waits for the first layout, when the splitter
    // knows its own width.
    int m_initialLeftWidth = -1;
    QScrollArea *m_right = nullptr;
};
