#pragma once
// The project tree: the project item and, once a master type is chosen, the
// master item; with the service items shown also the master's settings and
// the three gauge inputs with their calibration. Selecting an item shows its
// form in the right-hand pane.
#include <QTreeWidget>

class PaneSplitter;
class ProjectDocument;

class ProjectTreeView : public QTreeWidget
{
    Q_OBJECT
public:
    ProjectTreeView(ProjectDocument *document, PaneSplitter *splitter, QWidget *parent = nullptr);

    ProjectDocument *document() const { return m_document; }

    // Images and items; called once the splitter holds the tree.
    void initialize();
    // Rebuilds the items from the document with the current language's texts
    // and selects the master item, or the project item without a master.
    void fillTree();
    // The same after a language switch or with the service items turned on
    // or off: the selected item (when it is still there) and the items
    // opened or closed stay as they were.
    void refreshTree();
    // Lets the user pick the project's master type from the catalogue. The
    // form's entries are taken first; a refused one keeps everything as it
    // is, and so does a cancelled dialog.
    void addMaster();
    // The record was replaced (new or opened project): rebuild, dropping the
    // old form's values, which belong to the project that is gone.
    void onRecordReloaded();
    // Undo or redo brought back another master type: the items follow it,
    // the selected one stays when it is still there, and its form shows the
    // restored values.
    void onStateRestored();
    // Undo or redo changed what the item of code shows: that item is shown,
    // with the restored values. False when the tree has no such item.
    bool showRestoredItem(int code);

    // Code of the item, or 0.
    static int itemCode(const QTreeWidgetItem *item);

signals:
    // Ctrl+Shift+T in the tree.
    void linkSelfTestRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void updateImageList();
    QTreeWidgetItem *addItem(QTreeWidgetItem *parent, const QString &text, int code, int image);
    void rebuild(bool keepSelection);
    QTreeWidgetItem *findItem(int code) const;
    void onCurrentItemChanged(QTreeWidgetItem *current);
    // Shows the item's form; a form that refuses to go (an invalid entry,
    // said once) stays, and the selection goes back to its item.
    void showItem(QTreeWidgetItem *item);

    ProjectDocument *m_document;
    PaneSplitter *m_splitter;
    QList<QIcon> m_images;
    bool m_rebuilding = false;
    bool m_discardOldView = false;
};
