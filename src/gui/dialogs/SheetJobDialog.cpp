#include "SheetJobDialog.h"

#include "base/Language.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {

QLineEdit *field(const char *name, const QString &text, QWidget *parent)
{
    auto *edit = new QLineEdit(text, parent);
    edit->setObjectName(QLatin1String(name));
    edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * 40);
    return edit;
}

}

SheetJobDialog::SheetJobDialog(const SheetJob &job, QWidget *parent)
    : QDialog(parent)
    , m_customer(field("customerEdit", job.customer, this))
    , m_vessel(field("vesselEdit", job.vessel, this))
    , m_serial(field("serialEdit", job.serialNumber, this))
    , m_technician(field("technicianEdit", job.technician, this))
    , m_notes(new QPlainTextEdit(job.notes, this))
{
    setObjectName(QStringLiteral("SheetJobDialog"));
    setWindowTitle(loadTranslatedString(6214));
    m_notes->setObjectName(QStringLiteral("notesEdit"));
    m_notes->setTabChangesFocus(true);
    m_notes->setFixedHeight(m_notes->fontMetrics().lineSpacing() * 4 + 2 * m_notes->frameWidth() + 8);

    auto *hint = new QLabel(loadTranslatedString(6215), this);
    hint->setWordWrap(true);
    auto *form = new QFormLayout;
    form->addRow(loadTranslatedString(6200), m_customer);
    form->addRow(loadTranslatedString(6201), m_vessel);
    form->addRow(loadTranslatedString(6202), m_serial);
    form->addRow(loadTranslatedString(6203), m_technician);
    form->addRow(loadTranslatedString(6204), m_notes);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addLayout(form);
    layout->addWidget(buttons);
    // The serial number changes from gauge to gauge; the rest seldom does.
    m_serial->setFocus();
    m_serial->selectAll();
}

SheetJob SheetJobDialog::job() const
{
    return {m_customer->text().trimmed(), m_vessel->text().trimmed(), m_serial->text().trimmed(),
            m_technician->text().trimmed(), m_notes->toPlainText().trimmed()};
}
