#pragma once
// A form in the right-hand pane of the main window. The project tree makes a
// new one for each selection and destroys the old one, so a form always shows
// the document as it is when it is made.
#include <QWidget>

class ProjectDocument;

class FormView : public QWidget
{
    Q_OBJECT
public:
    explicit FormView(ProjectDocument *document, QWidget *parent = nullptr);
    ~FormView() override;

    ProjectDocument *document() const { return m_document; }

    // Builds the form from the document: texts translated, values shown.
    virtual void initialize();
    // Fills the controls from the document's record.
    virtual void loadFromRecord();
    // Takes the controls into the document's record, validating every value
    // (asked before the project is saved or written to a gauge): false when a
    // value is refused (the form has told the user and put the focus on the
    // field, and the record is unchanged).
    virtual bool saveToRecord();
    // Asked before the form is replaced, the project is closed or printed:
    // moves the controls into the record first, so no typed value is lost;
    // false keeps the form in place.
    virtual bool canLeave();
    // Moves what the controls hold into the record when it is valid, without
    // a word to the user (the recovery copy's periodic look at the form).
    virtual void commitQuietly() {}

protected:
    // Names the present visit of a field: the commits made while the focus
    // stays there join into one undo step.
    QString visitKey(const QWidget *field) const;

private:
    ProjectDocument *m_document;
    int m_focusChanges = 0;
};
