#pragma once
// The choice of a block backup to write back to the gauge: every backup in
// the folder, newest first, with the time it was made, the gauge family and
// the firmware the block reports. OK or a double click takes the selected
// one.
#include <QDateTime>
#include <QDialog>
#include <QList>

class QTreeWidget;

struct BlockBackupEntry
{
    QString path;
    QDateTime made;
    QString firmware; // the block's two firmware bytes as the gauge shows them
};

class RestoreBackupDialog : public QDialog
{
    Q_OBJECT
public:
    RestoreBackupDialog(const QList<BlockBackupEntry> &backups, QWidget *parent = nullptr);

    // The backup taken with OK.
    QString selectedFile() const;

    // The backups in a folder that hold one block each, newest first.
    static QList<BlockBackupEntry> listBackups(const QString &folder);

private:
    QTreeWidget *m_list = nullptr;
};
