#include "RestoreBackupDialog.h"

#include "base/Language.h"
#include "base/LocalDates.h"
#include "link/BlockBackup.h"
#include "model/FirmwareText.h"
#include "model/GaugeParamCodec.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QPushButton>
#include <QRegularExpression>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The time in the file's name (block-yyyyMMdd-HHmmss-zzz.bin); the file's
// own time for a name that carries none.
QDateTime madeAt(const QFileInfo &file)
{
    static const QRegularExpression stamp(QStringLiteral("^block-(\\d{8}-\\d{6})"));
    const QRegularExpressionMatch m = stamp.match(file.fileName());
    const QDateTime named = m.hasMatch() ? QDateTime::fromString(m.captured(1), QStringLiteral("yyyyMMdd-HHmmss"))
                                         : QDateTime();
    return named.isValid() ? named : file.lastModified();
}

}

QList<BlockBackupEntry> RestoreBackupDialog::listBackups(const QString &folder)
{
    QList<BlockBackupEntry> entries;
    const QFileInfoList files = QDir(folder).entryInfoList({QStringLiteral("*.bin")}, QDir::Files);
    for (const QFileInfo &file : files) {
        block_backup::Block block{};
        if (!block_backup::load(file.absoluteFilePath(), block, nullptr))
            continue;
        entries.append({file.absoluteFilePath(), madeAt(file),
                        firmwareText(gauge_codec::firmwareOf(block))});
    }
    std::sort(entries.begin(), entries.end(), [](const BlockBackupEntry &a, const BlockBackupEntry &b) {
        return a.made != b.made ? a.made > b.made : a.path > b.path;
    });
    return entries;
}

RestoreBackupDialog::RestoreBackupDialog(const QList<BlockBackupEntry> &backups, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("RestoreBackupDialog"));
    setWindowTitle(loadTranslatedString(5353));
    setSizeGripEnabled(true);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("backupList"));
    m_list->setRootIsDecorated(false);
    m_list->setAllColumnsShowFocus(true);
    m_list->setHeaderLabels({loadTranslatedString(5354), loadTranslatedString(5365), loadTranslatedString(5366),
                             loadTranslatedString(5367)});
    // Every backup is the parameter block of a block-family gauge.
    const QString family = loadTranslatedString(5368);
    for (const BlockBackupEntry &backup : backups) {
        auto *item = new QTreeWidgetItem(m_list, {local_dates::dateTimeToTheSecond(backup.made), family,
                                                  backup.firmware, QFileInfo(backup.path).fileName()});
        item->setData(0, Qt::UserRole, backup.path);
        item->setToolTip(3, QDir::toNativeSeparators(backup.path));
    }
    int columns = 0;
    for (int column = 0; column < m_list->columnCount(); ++column) {
        m_list->resizeColumnToContents(column);
        columns += m_list->columnWidth(column);
    }
    // Every column in view, as far as the screen allows.
    m_list->setMinimumWidth(qMin(columns + 2 * m_list->frameWidth() + 4, 900));
    if (m_list->topLevelItemCount() > 0)
        m_list->setCurrentItem(m_list->topLevelItem(0));
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(loadTranslatedString(40001));
    buttons->button(QDialogButtonBox::Cancel)->setText(loadTranslatedString(40002));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);
    resize(sizeHint().expandedTo(QSize(560, 300)));
}

QString RestoreBackupDialog::selectedFile() const
{
    const QTreeWidgetItem *item = m_list->currentItem();
    return item ? item->data(0, Qt::UserRole).toString() : QString();
}
