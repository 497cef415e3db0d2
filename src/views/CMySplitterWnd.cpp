#include "CMySplitterWnd.h"

#include "CFormView.h"

CMySplitterWnd::CMySplitterWnd(QWidget *parent)
    : QSplitter(Qt::Horizontal, parent)
{
    setObjectName(QStringLiteral("CMySplitterWnd"));
    setChildrenCollapsible(false);
}

void CMySplitterWnd::SetLeftPane(QWidget *pane, int width)
{
    insertWidget(0, pane);
    setStretchFactor(0, 0);
    m_initialLeftWidth = width;
}

void CMySplitterWnd::showEvent(QShowEvent *event)
{
    QSplitter::showEvent(event);
    if (m_initialLeftWidth < 0 || count() < 2)
        return;
    const int total = qMax(width() - handleWidth(), m_initialLeftWidth + 1);
    setSizes({m_initialLeftWidth, total - m_initialLeftWidth});
    m_initialLeftWidth = -1;
}

CFormView *CMySplitterWnd::RightView() const
{
    return count() > 1 ? qobject_cast<CFormView *>(widget(1)) : nullptr;
}

int CMySplitterWnd::LeftPaneWidth() const
{
    if (m_initialLeftWidth >= 0)
        return m_initialLeftWidth;
    const QList<int> widths = sizes();
    return widths.isEmpty() ? 0 : widths.first();
}

bool CMySplitterWnd::ReplaceView(const ViewFactory &factory, CRixDoc *document, OldValues old)
{
    CFormView *previous = RightView();
    if (previous && old == OldValues::Keep && !previous->CanLeave())
        return false;

    const QList<int> widths = sizes();
    CFormView *view = factory(document);
    if (previous) {
        replaceWidget(1, view);
        // The old form may be the sender of the notification that led here.
        previous->hide();
        previous->deleteLater();
    } else {
        addWidget(view);
    }
    setStretchFactor(1, 1);
    if (widths.size() == 2)
        setSizes(widths);
    view->OnInitialUpdate();
    view->show();
    view->setFocus();
    return true;
}
