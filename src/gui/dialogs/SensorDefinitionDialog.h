#pragma once
// The window in which a user sensor is entered or changed: a name, the units
// of the two columns and eight value pairs (x the electrical value, shown
// with three decimals; y the measured quantity, shown with two). OK refuses
// a value that is no number, naming its field, and a definition that cannot
// be stored; the dialog then stays open with everything typed. On OK the
// pairs are sorted by y.
#include "catalogue/SensorSelection.h"

#include <QDialog>
#include <QHash>

class QLineEdit;

class SensorDefinitionDialog : public QDialog
{
    Q_OBJECT
public:
    explicit SensorDefinitionDialog(QWidget *parent = nullptr);

    // Shows the definition in the fields.
    void setDefinition(const SensorDefinition &definition);
    // The definition taken with OK (sorted by y).
    SensorDefinition definition() const { return m_definition; }

    QWidget *control(int controlId) const { return m_controls.value(controlId); }

public slots:
    void accept() override;

private:
    QLineEdit *edit(int controlId) const;
    void refuse(int controlId, const QString &message);

    QHash<int, QWidget *> m_controls;
    SensorDefinition m_definition;
};
