// The project file loader over any file content. A file it accepts must come
// back byte for byte when saved again (a version 103 file), or as the same
// settings in version 103 (an older file): opening and saving a project
// changes nothing in it.
#include "FuzzWorkFolder.h"
#include "model/ProjectFile.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QString path = QDir(fuzz_work_folder::path()).filePath(QStringLiteral("input.rix"));
    const QByteArray content(reinterpret_cast<const char *>(data), int(size));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != content.size())
            std::abort();
    }
    ConfigRecord record;
    const project_file::ReadResult result = project_file::readFile(path, record);
    if (result.status != project_file::ReadStatus::Ok)
        return 0;

    const QByteArray saved = project_file::serialize(record);
    if (result.version == project_file::CurrentVersion && saved != content)
        std::abort();
    // Whatever version was read, its settings survive the upgrade.
    ConfigRecord reread;
    QDataStream archive(saved);
    archive.setByteOrder(QDataStream::LittleEndian);
    qint32 version = 0;
    archive >> version;
    if (!project_file::load(archive, version, reread) || project_file::serialize(reread) != saved)
        std::abort();
    return 0;
}
