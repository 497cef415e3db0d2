#include "SheetJobDialog.h"

#include "base/Language.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QKeySequence>
#include <QPlainTextEdit>
#include <QSet>
#include <QVBoxLayout>

namespace {

QLineEdit *field(const char *name, const QString &text, QWidget *parent)
{
    auto *edit = new QLineEdit(text, parent);
    edit->setObjectName(QLatin1String(name));
    edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * 40);
    return edit;
}

QChar letterOf(const QString &text)
{
    const QKeySequence mnemonic = QKeySequence::mnemonic(text);
    return mnemonic.isEmpty() ? QChar() : mnemonic.toString().back().toLower();
}

// The labels' texts are shared with the printed sheet and the history, where
// a letter mark would show: each gets the first letter of its own here, at a
// word's start where one is free.
QString withLetter(const QString &label, QSet<QChar> &taken)
{
    for (const bool wordStart : {true, false}) {
        for (int i = 0; i < label.size(); ++i) {
            const QChar c = label.at(i).toLower();
            if (!c.isLetter() || taken.contains(c) || (wordStart && i > 0 && label.at(i - 1).isLetter()))
                continue;
            taken.insert(c);
            return QString(label).insert(i, QLatin1Char('&'));
        }
    }
    return label;
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
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QSet<QChar> taken;
    for (const QAbstractButton *button : buttons->buttons())
        taken += letterOf(button->text());
    auto *form = new QFormLayout;
    form->addRow(withLetter(loadTranslatedString(6200), taken), m_customer);
    form->addRow(withLetter(loadTranslatedString(6201), taken), m_vessel);
    form->addRow(withLetter(loadTranslatedString(6202), taken), m_serial);
    form->addRow(withLetter(loadTranslatedString(6203), taken), m_technician);
    form->addRow(withLetter(loadTranslatedString(6204), taken), m_notes);
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
