#pragma once
// The master type selection window: the catalogue's master types in a list
// (description, display, order number) whose description column takes the
// width the window leaves, narrowed as the user types into the find field
// and sorted by a click on any column's heading; OK or a double click takes
// the selected row. The data side (recordset, lookup by key) is
// MasterTypeSelection.
#include "catalogue/MasterTypeSelection.h"

#include <QDialog>

class MasterTypeListModel;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeView;

class MasterTypeDialog : public QDialog
{
    Q_OBJECT
public:
    explicit MasterTypeDialog(QWidget *parent = nullptr);
    ~MasterTypeDialog() override;

    // The project's type, chosen when the list opens (else the first row).
    void setCurrentType(int id) { m_currentType = id; }
    // Fills the list first; a catalogue that cannot be opened ends the
    // dialog as cancelled at once (the reason has been shown).
    int exec() override;

    // Found, SelectedId and the master type of the row taken with OK.
    MasterTypeInfo result() const { return m_selection.result(); }
    bool found() const { return m_selection.Results.Found; }
    int selectedId() const { return m_selection.Results.SelectedId; }

    // The size the dialog may not be made smaller than.
    QSize minimumSize() const { return m_minimumSize; }

public slots:
    void accept() override;

private:
    bool prepare();
    bool fillList();
    void applyFilter(const QString &typed);
    void selectFirstRow();
    // The row of that type when listed, else the first.
    void selectType(int id);
    void enableOkForSelection();

    MasterTypeSelection m_selection;
    QLabel *m_findLabel = nullptr;
    QLineEdit *m_find = nullptr;
    MasterTypeListModel *m_model = nullptr;
    QTreeView *m_list = nullptr; // control 1066
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
    QSize m_minimumSize;
    int m_currentType = -1;
};
