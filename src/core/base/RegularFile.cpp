#include "RegularFile.h"

#include "Language.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

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
    // A failed write leaves the temporary file to the destructor, which
    // removes it, and keeps the system's reason in errorString().
    return file.write(bytes) == bytes.size() && file.flush() && file.commit();
}

}
