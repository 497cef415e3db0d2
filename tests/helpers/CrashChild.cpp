// The desktop program as main() starts it, for the recovery test to kill:
// it opens the project named first on its command line, changes the pulse
// factor to the second argument as the master's form would and types a
// calibration of the temperature input, copies the
// project for recovery every 50 ms instead of every 30 s, says "copied" on
// stdout once the first copy is there, then copies no more, and runs until
// it is killed.
//
// usage: skaleron_crash_child PROJECT.rix PULSE_FACTOR
#include "app/DesktopApp.h"
#include "app/SplashWindow.h"
#include "model/RecoveryCopy.h"
#include "model/ProjectDocument.h"

#include <QApplication>
#include <QFile>
#include <QTimer>
#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s PROJECT.rix PULSE_FACTOR\n", argv[0]);
        return 2;
    }
    DesktopApp theApp;
    int exitCode = 0;
    if (!theApp.start({QString::fromLocal8Bit(argv[1])}, &exitCode))
        return 1;
    SplashWindow::hideSplashScreen();
    ProjectDocument *document = theApp.document();
    document->config().KValue = QString::fromLocal8Bit(argv[2]).toDouble();
    // Typed into the temperature input's calibration (in no table file).
    InputCalibration *calibration = document->calibration(1);
    calibration->resistance[0] = 12.5;
    calibration->pointerAngle[7] = 270.25;
    calibration->supportPointCount = InputCalibration::FewPoints;
    calibration->signalCheckMax = 0.0;
    calibration->sensor.Name = QStringLiteral("Tank, hinten");
    calibration->sensor.PointCount = 2;
    calibration->sensor.Y[1] = 180.0;
    calibration->sensor.Defined = 1;
    document->setModified(true);
    RecoveryCopy *recovery = theApp.recovery();
    recovery->setInterval(50);
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&watch, recovery] {
        if (!QFile::exists(recovery->copyPath()))
            return;
        watch.stop();
        // No further copy: a kill in the middle of one would leave the
        // writer's temporary files beside the copy.
        recovery->setInterval(60 * 60 * 1000);
        std::puts("copied");
        std::fflush(stdout);
    });
    watch.start(20);
    return app.exec();
}
