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
    // Rebuilds the items from the document with the current language's texts.
    void fillTree();
    // Selects the first item, if any.
    void selectFirstItem();
    // Lets the user pick the project's master type from the catalogue.
    void addMaster();
    // The record was replaced (new or opened project): rebuild, dropping the
    // old form's values, which belong to the project that is gone.
    void onRecordReloaded();

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
    void onCurrentItemChanged(QTreeWidgetItem *current, QTreeWidgetItem *previous);

    ProjectDocument *m_document;
    PaneSplitter *m_splitter;
    QList<QIcon> m_images;
    bool m_rebuilding = false;
    bool m_discardOldView = false;
};
