#pragma once
// Several QtTest classes share one executable per subsystem: each test file
// registers its class with SKALERON_TEST and the shared main runs them all.
#include <QObject>
#include <functional>

namespace testing_support {
using TestFactory = std::function<QObject *()>;
bool registerTest(const char *name, TestFactory factory);
}

#define SKALERON_TEST(Class) \
    static const bool registered_##Class = testing_support::registerTest(#Class, [] { return new Class; });
