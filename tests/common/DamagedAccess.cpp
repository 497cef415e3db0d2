#include "DamagedAccess.h"

#include "TestEnv.h"

#include <QFile>

namespace testing_support {

void writeDamagedCopy(const AccessDamage &damage, const QString &path)
{
    QFile source(accessFixture(QString::fromLatin1(damage.fixture)));
    if (!source.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(source.fileName()));
    QByteArray bytes = source.readAll();
    if (damage.cutAt >= 0)
        bytes.truncate(damage.cutAt);
    if (damage.flipAt >= 0)
        bytes[damage.flipAt] = char(bytes[damage.flipAt] ^ damage.flipMask);
    QFile target(path);
    if (!target.open(QIODevice::WriteOnly) || target.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

}
