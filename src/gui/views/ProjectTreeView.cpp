#include "ProjectTreeView.h"

#include "ChangeName.h"
#include "PaneSplitter.h"
#include "ServiceItems.h"
#include "ViewFactory.h"
#include "base/Language.h"
#include "resources/ProgramPictures.h"
#include "base/UserMessages.h"
#include "dialogs/MasterTypeDialog.h"
#include "model/ProjectDocument.h"

#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QStyle>

ProjectTreeView::ProjectTreeView(ProjectDocument *document, PaneSplitter *splitter, QWidget *parent)
    : QTreeWidget(parent)
    , m_document(document)
    , m_splitter(splitter)
{
    setObjectName(QStringLiteral("ProjectTreeView"));
    setHeaderHidden(true);
    setColumnCount(1);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setRootIsDecorated(true);
    setIconSize(QSize(32, 24));
    connect(this, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *current) { onCurrentItemChanged(current); });
}

int ProjectTreeView::itemCode(const QTreeWidgetItem *item)
{
    return item ? item->data(0, Qt::UserRole).toInt() : 0;
}

void ProjectTreeView::initialize()
{
    updateImageList();
    fillTree();
}

void ProjectTreeView::updateImageList()
{
    // Picture numbers in image-list order; the items name their image by index.
    static const int pictureIds[] = {371, 368, 363, 365, 367, 366, 364, 370, 372, 371,
                                     371, 371, 371, 371, 373, 375, 374, 371, 371, 1296};
    m_images.clear();
    for (int id : pictureIds)
        m_images << QIcon(QPixmap::fromImage(programPicture(id)));
}

void ProjectTreeView::fillTree()
{
    rebuild(false);
}

void ProjectTreeView::refreshTree()
{
    rebuild(true);
}

void ProjectTreeView::rebuild(bool keepSelection)
{
    const int selected = keepSelection && m_document ? m_document->selectedTreeItem() : 0;
    // Whether each item with children was open; new items get their default.
    QHash<int, bool> expanded;
    if (keepSelection) {
        for (QTreeWidgetItemIterator it(this); *it; ++it) {
            if ((*it)->childCount() > 0)
                expanded.insert(itemCode(*it), (*it)->isExpanded());
        }
    }
    QTreeWidgetItem *first = nullptr;
    {
        // Nothing the rebuilding selects is the user's choice.
        const QScopedValueRollback<bool> rebuilding(m_rebuilding, true);
        clear();
        QTreeWidgetItem *project = new QTreeWidgetItem(this);
        project->setText(0, loadTranslatedString(1010));
        project->setData(0, Qt::UserRole, tree_codes::Project);
        if (m_images.size() > 7)
            project->setIcon(0, m_images.at(7));
        first = project;

        if (m_document && m_document->config().MasterId != -1) {
            QTreeWidgetItem *master = new QTreeWidgetItem(this);
            master->setText(0, loadTranslatedString(1121));
            master->setData(0, Qt::UserRole, tree_codes::Master);
            if (!m_images.isEmpty())
                master->setIcon(0, m_images.at(0));
            if (service_items::shown())
                addItem(master, loadTranslatedString(5604), tree_codes::MasterSettings, 8);
            master->setExpanded(expanded.value(tree_codes::Master, false));
            first = master;
        }
        if (service_items::shown()) {
            // The gauge inputs (Aux, temperature, fuel level), each with its
            // calibration.
            for (int input = 1; input <= 3; ++input) {
                const int base = (input + 1) * 100;
                QTreeWidgetItem *gauge = addItem(nullptr, service_items::gaugeInputName(input - 1), base + tree_codes::GaugeOffset, 2);
                addItem(gauge, loadTranslatedString(1015), base + tree_codes::CalibrationOffset, 1);
                gauge->setExpanded(expanded.value(base + tree_codes::GaugeOffset, true));
            }
        }
    }
    // The pane is never narrower than its items (in this language) need.
    setMinimumWidth(indentation() + sizeHintForColumn(0) + 2 * frameWidth()
                    + style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    QTreeWidgetItem *keep = selected ? findItem(selected) : nullptr;
    showItem(keep ? keep : first);
}

QTreeWidgetItem *ProjectTreeView::findItem(int code) const
{
    for (QTreeWidgetItemIterator it(const_cast<ProjectTreeView *>(this)); *it; ++it) {
        if (itemCode(*it) == code)
            return *it;
    }
    return nullptr;
}

QTreeWidgetItem *ProjectTreeView::addItem(QTreeWidgetItem *parent, const QString &text, int code, int image)
{
    QTreeWidgetItem *item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
    item->setText(0, text);
    item->setData(0, Qt::UserRole, code);
    if (image < m_images.size())
        item->setIcon(0, m_images.at(image));
    return item;
}

void ProjectTreeView::onRecordReloaded()
{
    m_discardOldView = true;
    fillTree();
    m_discardOldView = false;
}

void ProjectTreeView::onCurrentItemChanged(QTreeWidgetItem *current)
{
    if (!current || m_rebuilding || !m_document)
        return;
    showItem(current);
}

void ProjectTreeView::showItem(QTreeWidgetItem *item)
{
    if (!m_document)
        return;
    if (currentItem() != item) {
        const QSignalBlocker block(this);
        setCurrentItem(item);
    }
    const int code = itemCode(item);
    const int previousCode = m_document->selectedTreeItem();
    m_document->setSelectedTreeItem(code);
    if (!m_splitter)
        return;
    const auto old = m_discardOldView ? PaneSplitter::OldValues::Discard : PaneSplitter::OldValues::Keep;
    const PaneSplitter::ViewFactory factory = viewFactoryForCode(code);
    // An item without a form of its own leaves the pane as it is.
    if (!factory || m_splitter->replaceView(factory, m_document, old))
        return;
    // The form refused to go (an invalid entry): it stays, and so does the
    // selection that belongs to it.
    m_document->setSelectedTreeItem(previousCode);
    const auto selectOwn = [this, previousCode] {
        if (QTreeWidgetItem *own = findItem(previousCode)) {
            const QSignalBlocker block(this);
            setCurrentItem(own);
        }
    };
    selectOwn();
    // A mouse press goes on to select the item it hit once this returns:
    // the selection is put back again after it.
    QMetaObject::invokeMethod(this, selectOwn, Qt::QueuedConnection);
}

void ProjectTreeView::addMaster()
{
    if (!m_document)
        return;
    // The form's entries go into the project first. A refused one stays on
    // screen with the focus (the form said why): nothing is chosen until the
    // user has corrected it.
    if (!m_document->commitEditor())
        return;
    MasterTypeDialog dialog(window());
    dialog.setCurrentType(m_document->config().MasterId);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // A choice that found no master type changes nothing: resetting the
    // record then would drop the user's settings without a trace.
    if (!dialog.found())
        return;
    // The choice starts the settings afresh: a project that has some asks.
    const ConfigRecord &config = m_document->config();
    ConfigRecord untouched = config;
    untouched.reset();
    untouched.MasterId = -1;
    if (!config.sameUserSettings(untouched)) {
        user_messages::Message question;
        question.text = loadTranslatedString(5387).arg(dialog.result().Description);
        question.icon = user_messages::Icon::Question;
        question.buttons = user_messages::Buttons::YesNo;
        question.noByDefault = true; // the Enter that took the type does not also drop the settings
        if (user_messages::show(question) != user_messages::Answer::Yes)
            return;
    }
    m_document->chooseMasterType(dialog.selectedId(), dialog.result());
    m_document->commitChange([] { return changeName(5321); });
    // The record starts afresh: no form may bring back the old values.
    onRecordReloaded();
}

void ProjectTreeView::onStateRestored()
{
    m_discardOldView = true;
    refreshTree();
    m_discardOldView = false;
}

bool ProjectTreeView::showRestoredItem(int code)
{
    QTreeWidgetItem *item = findItem(code);
    if (!item)
        return false;
    const QScopedValueRollback<bool> discard(m_discardOldView, true);
    showItem(item);
    return true;
}

void ProjectTreeView::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_T && (event->modifiers() & Qt::ControlModifier)
        && (event->modifiers() & Qt::ShiftModifier))
        emit linkSelfTestRequested();
    QTreeWidget::keyPressEvent(event);
}
