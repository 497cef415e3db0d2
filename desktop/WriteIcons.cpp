// Writes the program and document icons as PNG files into the folder given,
// for installation beside the desktop entry.
#include "resources/ProgramPictures.h"

#include <QDir>
#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral(".")))
        return 1;
    const bool ok = programIconImage(program_pictures::ApplicationIcon, 256)
                        .save(folder.filePath(QStringLiteral("skaleron.png")))
                    && programIconImage(program_pictures::DocumentIcon, 256)
                           .save(folder.filePath(QStringLiteral("application-x-skaleron-project.png")));
    if (!ok)
        std::fprintf(stderr, "could not write the icons into %s\n", argv[1]);
    return ok ? 0 : 1;
}
