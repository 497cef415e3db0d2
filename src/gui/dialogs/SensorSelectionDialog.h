#pragma once
// The window in which a sensor of one group is picked from the standard and
// the user sensor database; in the group of user-defined sensors, sensors
// are also made, changed and deleted (after a question) here. OK or a double
// click takes the selected row. The data side is SensorSelection.
#include "catalogue/SensorSelection.h"

#include <QDialog>
#include <QHash>

class QComboBox;
class QTreeWidget;

class SensorSelectionDialog : public QDialog
{
    Q_OBJECT
public:
    explicit SensorSelectionDialog(QWidget *parent = nullptr);
    ~SensorSelectionDialog() override;

    // The group shown first (0 to 4); after OK the group shown last.
    void setType(int type) { m_selection.Type = type; }
    int type() const { return m_selection.Type; }
    // After OK: a record was taken; its values are in selection().
    bool taken() const { return m_selection.Taken; }
    const SensorSelection &selection() const { return m_selection; }

    QWidget *control(int controlId) const { return m_controls.value(controlId); }
    // The size the dialog may not be made smaller than: its first size.
    QSize minimumSize() const { return m_minimumSize; }

public slots:
    void accept() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void prepare();
    // Refills the list of the current type and selects the row with that key
    // (none for -1).
    void fillList(int selectKey);
    void enableButtons();
    const SensorListRow *selectedRow() const;
    void onTypeChanged(int index);
    void onNew();
    void onChange();
    void onDelete();
    // Says so when the row's sensor was deleted meanwhile and refills the list.
    bool tellIfGone(const SensorListRow &row);

    SensorSelection m_selection;
    QVector<SensorListRow> m_rows;
    QHash<int, QWidget *> m_controls;
    QTreeWidget *m_list = nullptr; // control 1066
    QComboBox *m_types = nullptr;  // control 1068
    QSize m_minimumSize;
    bool m_prepared = false;
};
