// Runs every registered test class. A first argument naming a class runs only
// that class; the remaining arguments go to QtTest. Built twice: with a
// QApplication for the desktop tests (SKALERON_TEST_WIDGETS) and with a
// QGuiApplication for the core tests, which never link Qt Widgets.
#include "TestRegistry.h"

#ifdef SKALERON_TEST_WIDGETS
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#endif
#include <QTest>
#include <memory>
#include <vector>

namespace testing_support {

struct Entry
{
    const char *name;
    TestFactory factory;
};

static std::vector<Entry> &registry()
{
    static std::vector<Entry> entries;
    return entries;
}

bool registerTest(const char *name, TestFactory factory)
{
    registry().push_back({name, std::move(factory)});
    return true;
}

}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Dates are written the user's way when the user's locale speaks the
    // language in use: the tests' user has none, on every machine.
    qputenv("LC_ALL", "C.UTF-8");
    TestApplication app(argc, argv);

    QStringList args = app.arguments();
    QString only;
    if (args.size() > 1 && !args.at(1).startsWith('-')) {
        only = args.at(1);
        args.removeAt(1);
    }

    int failures = 0;
    int ran = 0;
    for (const auto &entry : testing_support::registry()) {
        if (!only.isEmpty() && only != QLatin1String(entry.name))
            continue;
        std::unique_ptr<QObject> test(entry.factory());
        failures += QTest::qExec(test.get(), args);
        ++ran;
    }
    if (ran == 0) {
        qCritical("no test class ran");
        return 1;
    }
    return failures == 0 ? 0 : 1;
}
