#include "FormView.h"

#include <QApplication>

FormView::FormView(ProjectDocument *document, QWidget *parent)
    : QWidget(parent)
    , m_document(document)
{
    // The count changes after the field that lost the focus has handed in
    // its value, so that commit still belongs to the visit that ends.
    connect(qApp, &QApplication::focusChanged, this, [this] { ++m_focusChanges; });
}

FormView::~FormView()
{
    disconnect(qApp, nullptr, this, nullptr);
}

QString FormView::visitKey(const QWidget *field) const
{
    return field->objectName() + QLatin1Char('#') + QString::number(m_focusChanges);
}

void FormView::initialize()
{
    loadFromRecord();
}

void FormView::loadFromRecord()
{
}

bool FormView::saveToRecord()
{
    return true;
}

bool FormView::canLeave()
{
    return saveToRecord();
}
