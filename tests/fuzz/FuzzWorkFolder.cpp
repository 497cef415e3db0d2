#include "FuzzWorkFolder.h"

#include <QDir>
#include <QTemporaryDir>

namespace fuzz_work_folder {

QString path()
{
    static QTemporaryDir folder;
    static const bool entered = [] {
        if (!folder.isValid() || !QDir::setCurrent(folder.path()))
            qFatal("cannot make a work folder for the fuzz run");
        // The trace cannot open a folder of that name, so it writes nothing:
        // millions of transactions would otherwise fill the disk.
        return QDir(folder.path()).mkdir(QStringLiteral("log.txt"));
    }();
    Q_UNUSED(entered);
    return folder.path();
}

}
