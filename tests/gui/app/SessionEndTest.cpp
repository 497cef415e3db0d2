#include "app/SessionEnd.h"
#include "common/TestRegistry.h"

#include <QSignalSpy>
#include <QTest>
#include <csignal>

class SessionEndTest : public QObject
{
    Q_OBJECT
private slots:
    // SIGTERM arrives as a signal on the window thread; the program lives on
    // to end in order.
    void terminateBecomesARequest()
    {
        SessionEnd end;
        QSignalSpy requested(&end, &SessionEnd::requested);
        std::raise(SIGTERM);
        QTRY_COMPARE(requested.count(), 1);
    }
};

SKALERON_TEST(SessionEndTest)
#include "SessionEndTest.moc"
