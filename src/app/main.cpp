#include "app/CRixApp.h"
#include "app/MessageBoxSink.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // Every message of the program, from any thread, becomes a message box.
    MessageBoxSink messageBoxes;
    CRixApp theApp;
    QStringList arguments = app.arguments();
    arguments.removeFirst();
    int exitCode = 0;
    if (!theApp.InitInstance(arguments, &exitCode))
        return theApp.ExitInstance(exitCode);
    return theApp.ExitInstance(app.exec());
}
