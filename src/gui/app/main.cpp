#include "DesktopApp.h"
#include "base/InfoRequest.h"
#include "MessageBoxSink.h"
#include "resources/ProgramPictures.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

int main(int argc, char **argv)
{
    if (const std::optional<int> answered = answerInfoRequest(argc, argv))
        return *answered;
    QApplication app(argc, argv);
    // Message boxes and dialogs carry the product's name, windows its icon.
    QApplication::setApplicationDisplayName(QStringLiteral("Skaleron"));
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(programIconImage(program_pictures::ApplicationIcon, size)));
    QApplication::setWindowIcon(icon);
    // Every message of the program, from any thread, becomes a message box.
    MessageBoxSink messageBoxes;
    DesktopApp theApp;
    QStringList arguments = app.arguments();
    arguments.removeFirst();
    int exitCode = 0;
    if (!theApp.start(arguments, &exitCode))
        return theApp.finish(exitCode);
    return theApp.finish(app.exec());
}
