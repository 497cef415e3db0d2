#pragma once
// A language pack folder with copies of the built packs, in use while it lives;
// English is the current language meanwhile, and again afterwards.
#include "base/Language.h"
#include "MessageRecorder.h"
#include "TestEnv.h"

#include <QFile>
#include <QTemporaryDir>

namespace testing_support {

struct PackFolder
{
    QTemporaryDir dir;
    explicit PackFolder(const QStringList &packs = {"vorn_eng32", "vorn_ger32", "vorn_fre32"})
    {
        for (const QString &p : packs)
            QFile::copy(binDir() + "/" + p + ".qm", dir.filePath(p + ".qm"));
        Language::instance().setPackFolder(dir.path());
        MessageRecorder quiet;
        Language::instance().switchLanguage(QStringLiteral("vorn_eng32.dll"));
    }
    ~PackFolder()
    {
        MessageRecorder quiet;
        Language::instance().switchLanguage(QStringLiteral("vorn_eng32.dll"));
        Language::instance().setPackFolder(QString());
    }
    // Another language's library, made from a copy of a built pack.
    void addCopy(const QString &builtPack, const QString &asName)
    {
        QFile::copy(binDir() + "/" + builtPack + ".qm", dir.filePath(asName));
    }
};

}
