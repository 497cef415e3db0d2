#pragma once
// Asks for what goes on a configuration sheet besides the settings: customer,
// vessel or vehicle, the gauge's serial number, technician and notes.
#include "forms/SheetJob.h"

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;

class SheetJobDialog : public QDialog
{
    Q_OBJECT
public:
    explicit SheetJobDialog(const SheetJob &job, QWidget *parent = nullptr);

    SheetJob job() const;

private:
    QLineEdit *m_customer;
    QLineEdit *m_vessel;
    QLineEdit *m_serial;
    QLineEdit *m_technician;
    QPlainTextEdit *m_notes;
};
