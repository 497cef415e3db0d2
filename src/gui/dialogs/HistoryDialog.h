#pragma once
// Gauge → History...: the service history as a table, newest last, narrowed
// by a text typed into the filter (any column), with the project of the
// selected entry opened on request.
#include "history/ServiceHistory.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class QTableWidget;

class HistoryDialog : public QDialog
{
    Q_OBJECT
public:
    HistoryDialog(const QVector<service_history::Entry> &entries, QWidget *parent = nullptr);

    // The project to open once the dialog has been left with Open project.
    QString projectToOpen() const { return m_project; }

private:
    void applyFilter(const QString &text);
    void updateOpenButton();
    void openSelected();

    QVector<service_history::Entry> m_entries;
    QLineEdit *m_filter = nullptr;
    QTableWidget *m_table = nullptr;
    QPushButton *m_open = nullptr;
    QString m_project;
};
