#include "CMySplitterWnd.h"

#include "CFormView.h"

#include <QScrollArea>

CMySplitterWnd::CMySplitterWnd(QWidget *parent)
    : QSplitter(Qt::Horizontal, parent)
{
    setObjectName(QStringLiteral("CMySplitterWnd"));
    setChildrenCollapsible(false);
    m_right = new QScrollArea(this);
    m_right->setObjectName(QStringLiteral("formArea"));
    m_right->setWidgetResizable(true);
    m_right->setFrameShape(QFrame::NoFrame);
    addWidget(m_right);
    setStretchFactor(0, 1);
}

void CMySplitterWnd::SetLeftPane(QWidget *pane, int width)
{
    insertWidget(0, pane);
    setStretchFactor(0, 0);
    setStretchFactor(1, 1);
    m_initialLeftWidth = width;
}

void CMySplitterWnd::showEvent(QShowEvent *event)
{
    QSplitter::showEvent(event);
    if (m_initialLeftWidth < 0 || count() < 2)
        return;
    const int left = LeftPaneWidth();
    const int total = qMax(width() - handleWidth(), left + 1);
    setSizes({left, total - left});
    m_initialLeftWidth = -1;
}

CFormView *CMySplitterWnd::RightView() const
{
    return qobject_cast<CFormView *>(m_right->widget());
}

int CMySplitterWnd::LeftPaneWidth() const
{
    QWidget *tree = count() > 1 ? widget(0) : nullptr;
    const int minimum = tree ? qMax(tree->minimumWidth(), tree->minimumSizeHint().width()) : 0;
    if (m_initialLeftWidth >= 0)
        return qMax(m_initialLeftWidth, minimum);
    const QList<int> widths = sizes();
    return widths.isEmpty() ? 0 : qMax(widths.first(), minimum);
}

bool CMySplitterWnd::ReplaceView(const ViewFactory &factory, CRixDoc *document, OldValues old)
{
    CFormView *previous = RightView();
    if (previous && old == OldValues::Keep && !previous->CanLeave())
        return false;

    const QList<int> widths = sizes();
    CFormView *view = factory(document);
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
    view->OnInitialUpdate();
    view->show();
    view->setFocus();
    return true;
}
