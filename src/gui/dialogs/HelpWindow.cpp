#include "HelpWindow.h"

#include "base/InstallLayout.h"
#include "base/Language.h"
#include "base/UserMessages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSplitter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

HelpWindow::HelpWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(loadTranslatedString(6366));
    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("helpSearch"));
    m_search->setClearButtonEnabled(true);
    m_search->setPlaceholderText(loadTranslatedString(6368));
    auto *searchLabel = new QLabel(loadTranslatedString(6367), this);
    searchLabel->setBuddy(m_search);

    m_contents = new QTreeWidget(this);
    m_contents->setObjectName(QStringLiteral("helpContents"));
    m_contents->setHeaderHidden(true);
    m_page = new QTextBrowser(this);
    m_page->setObjectName(QStringLiteral("helpPage"));
    // Links out of the manual go to the desktop; its own anchors stay here.
    m_page->setOpenExternalLinks(true);

    auto *splitter = new QSplitter(this);
    splitter->addWidget(m_contents);
    splitter->addWidget(m_page);
    splitter->setStretchFactor(1, 3);
    auto *top = new QHBoxLayout;
    top->addWidget(searchLabel);
    top->addWidget(m_search, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(splitter, 1);
    resize(980, 680);

    connect(m_search, &QLineEdit::returnPressed, this, [this] { findNext(m_search->text()); });
    connect(m_contents, &QTreeWidget::itemActivated, this, &HelpWindow::showHeading);
    connect(m_contents, &QTreeWidget::itemClicked, this, &HelpWindow::showHeading);
}

bool HelpWindow::showManual(QWidget *parent)
{
    // One help window per program; F1 again brings it to the front.
    static QPointer<HelpWindow> window;
    const QString page = QDir(install_layout::dataFolder()).filePath(QStringLiteral("manual/index.html"));
    if (!window) {
        window = new HelpWindow(parent);
        window->setAttribute(Qt::WA_DeleteOnClose);
        if (!window->load(page)) {
            delete window;
            user_messages::showAboutFile(loadTranslatedString(5379).arg(QFileInfo(page).fileName()), page,
                                         user_messages::Icon::Error);
            return false;
        }
    }
    window->show();
    window->raise();
    window->activateWindow();
    return true;
}

bool HelpWindow::load(const QString &path)
{
    if (!QFile::exists(path))
        return false;
    m_page->setSearchPaths({QFileInfo(path).absolutePath()});
    m_page->setSource(QUrl::fromLocalFile(path));
    fillContents();
    return !m_page->document()->isEmpty();
}

// The page's headings, nested by level.
void HelpWindow::fillContents()
{
    m_contents->clear();
    QVector<QTreeWidgetItem *> open; // the last item of each level
    for (QTextBlock block = m_page->document()->begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level <= 0 || block.text().trimmed().isEmpty())
            continue;
        while (!open.isEmpty() && open.size() >= level)
            open.removeLast();
        auto *item = open.isEmpty() ? new QTreeWidgetItem(m_contents) : new QTreeWidgetItem(open.last());
        item->setText(0, block.text().trimmed());
        item->setData(0, Qt::UserRole, block.position());
        open.append(item);
    }
    m_contents->expandToDepth(0);
}

void HelpWindow::showHeading(QTreeWidgetItem *item)
{
    QTextCursor cursor(m_page->document());
    cursor.setPosition(item->data(0, Qt::UserRole).toInt());
    // Scrolled to the end first, so that the heading comes to the top.
    m_page->moveCursor(QTextCursor::End);
    m_page->setTextCursor(cursor);
    m_page->ensureCursorVisible();
}

bool HelpWindow::findNext(const QString &text)
{
    if (text.isEmpty())
        return false;
    if (m_page->find(text))
        return true;
    m_page->moveCursor(QTextCursor::Start);
    return m_page->find(text);
}
