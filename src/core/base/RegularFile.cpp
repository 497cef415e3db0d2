#include "RegularFile.h"

#include "Language.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

namespace regular_file {

QString refusal(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() || info.isFile())
        return QString();
    return loadTranslatedString(5012).arg(QDir::toNativeSeparators(path));
}

bool commitWhole(QSaveFile &file, const QByteArray &bytes)
{
    // A write or flush the disk took only part of is tried on, so that the
    // system's reason ends up in errorString() (a part taken sets none); a
    // failed write leaves the temporary file to the destructor, which
    // removes it.
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return (file.flush() || file.flush()) && file.commit();
}

bool diskFullAt(const QString &path)
{
    const QStorageInfo disk(QFileInfo(path).absolutePath());
    return disk.isValid() && disk.bytesAvailable() == 0;
}

}
