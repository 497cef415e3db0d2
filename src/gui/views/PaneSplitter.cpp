#include "PaneSplitter.h"

#include "FormView.h"

#include <QApplication>
#include <QScrollArea>

PaneSplitter::PaneSplitter(QWidget *parent)
    : QSplitter(Qt::Horizontal, parent)
{
    setObjectName(QStringLiteral("PaneSplitter"));
    setChildrenCollapsible(false);
    m_right = new QScrollArea(this);
    m_right->setObjectName(QStringLiteral("formArea"));
    m_right->setWidgetResizable(true);
    m_right->setFrameShape(QFrame::NoFrame);
    addWidget(m_right);
    setStretchFactor(0, 1);
}

void PaneSplitter::setLeftPane(QWidget *pane, int width)
{
    insertWidget(0, pane);
    setStretchFactor(0, 0);
    setStretchFactor(1, 1);
    m_initialLeftWidth = width;
}

void PaneSplitter::showEvent(QShowEvent *event)
{
    QSplitter::showEvent(event);
    if (m_initialLeftWidth < 0 || count() < 2)
        return;
    const int left = leftPaneWidth();
    const int total = qMax(width() - handleWidth(), left + 1);
    setSizes({left, total - left});
    m_initialLeftWidth = -1;
}

FormView *PaneSplitter::rightView() const
{
    return qobject_cast<FormView *>(m_right->widget());
}

int PaneSplitter::leftPaneWidth() const
{
    QWidget *tree = count() > 1 ? widget(0) : nullptr;
    const int minimum = tree ? qMax(tree->minimumWidth(), tree->minimumSizeHint().width()) : 0;
    if (m_initialLeftWidth >= 0)
        return qMax(m_initialLeftWidth, minimum);
    const QList<int> widths = sizes();
    return widths.isEmpty() ? 0 : qMax(widths.first(), minimum);
}

bool PaneSplitter::replaceView(const ViewFactory &factory, ProjectDocument *document, OldValues old)
{
    FormView *previous = rightView();
    if (previous && old == OldValues::Keep && !previous->canLeave())
        return false;

    // Someone walking the tree by keys keeps the focus there (and sees it);
    // from the old form or from nowhere it goes to the new form.
    const QWidget *focus = QApplication::focusWidget();
    const bool focusOutsideForms = focus && focus != m_right && !m_right->isAncestorOf(focus);
    const QList<int> widths = sizes();
    FormView *view = factory(document);
    if (previous) {
        // The old form may be the sender of the notification that led here.
        previous->hide();
        m_right->takeWidget();
        previous->setParent(m_right);
        previous->deleteLater();
    }
    m_right->setWidget(view);
    if (widths.size() == 2 && widths.first() > 0)
        setSizes(widths);
    view->initialize();
    view->show();
    if (!focusOutsideForms)
        view->setFocus();
    return true;
}
