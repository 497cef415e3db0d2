#include "RegularFile.h"

#include "Language.h"

#include <QDir>
#include <QFileInfo>

namespace regular_file {

QString refusal(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() || info.isFile())
        return QString();
    return loadTranslatedString(5012).arg(QDir::toNativeSeparators(path));
}

}
