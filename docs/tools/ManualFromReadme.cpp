// Makes the user manual the desktop program opens with F1: the README's
// sections for users (those between "<!-- manual -->" and "<!-- /manual -->")
// as one HTML page, with the screenshots it shows copied beside it.
//
// usage: skaleron_manual README.md OUTPUT_FOLDER
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QTextDocument>
#include <cstdio>

namespace {

QString userSections(const QString &readme)
{
    static const QRegularExpression section(QStringLiteral("<!-- manual -->(.*?)<!-- /manual -->"),
                                            QRegularExpression::DotMatchesEverythingOption);
    QStringList parts;
    for (auto m = section.globalMatch(readme); m.hasNext();)
        parts << m.next().captured(1).trimmed();
    return parts.join(QStringLiteral("\n\n"));
}

}

int main(int argc, char **argv)
{
    // Text layout needs a platform; no window is ever shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s README.md OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const QFileInfo readmeFile(QString::fromLocal8Bit(argv[1]));
    QFile in(readmeFile.absoluteFilePath());
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(in.errorString()));
        return 1;
    }
    const QString markdown = userSections(QString::fromUtf8(in.readAll()));
    if (markdown.isEmpty()) {
        std::fprintf(stderr, "%s: no section is marked for the manual\n", argv[1]);
        return 1;
    }
    const QDir out(QString::fromLocal8Bit(argv[2]));
    QDir(out.filePath(QStringLiteral("images"))).removeRecursively(); // pictures the README no longer shows
    out.mkpath(QStringLiteral("images"));

    // The pictures go beside the page, each under its own name.
    QString text = "# Skaleron\n\n" + markdown;
    static const QRegularExpression image(QStringLiteral("!\\[([^\\]]*)\\]\\(([^)]+)\\)"));
    for (auto m = image.globalMatch(markdown); m.hasNext();) {
        const QString source = m.next().captured(2);
        // Pictures of several languages share their names: the folder tells them apart.
        const QFileInfo picture(source);
        const QString target = QStringLiteral("images/%1-%2").arg(picture.dir().dirName(), picture.fileName());
        QFile::remove(out.filePath(target));
        if (!QFile::copy(readmeFile.dir().filePath(source), out.filePath(target))) {
            std::fprintf(stderr, "%s: cannot copy the picture %s\n", argv[1], qPrintable(source));
            return 1;
        }
        text.replace(QStringLiteral("](") + source + QLatin1Char(')'), QStringLiteral("](") + target + QLatin1Char(')'));
    }

    QTextDocument document;
    document.setMarkdown(text, QTextDocument::MarkdownDialectGitHub);
    document.setMetaInformation(QTextDocument::DocumentTitle, QStringLiteral("Skaleron user manual"));
    QFile page(out.filePath(QStringLiteral("index.html")));
    if (!page.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(page.fileName()), qPrintable(page.errorString()));
        return 1;
    }
    page.write(document.toHtml().toUtf8());
    return 0;
}
