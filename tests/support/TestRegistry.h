#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

namespace dvk::test {

using TestFactory = std::function<std::unique_ptr<QObject>()>;

struct RegisteredTest
{
    const char* name;
    TestFactory make;
};

inline std::vector<RegisteredTest>& registeredTests()
{
    static std::vector<RegisteredTest> tests;
    return tests;
}

struct TestRegistrar
{
    TestRegistrar(const char* name, TestFactory make)
    {
        registeredTests().push_back({name, std::move(make)});
    }
};

} // namespace dvk::test

// Registers a QObject test class with the folder's test executable.
#define DVK_TEST(Class)                                                                            \
    static const dvk::test::TestRegistrar dvkTestRegistrar##Class(                                 \
        #Class, [] { return std::unique_ptr<QObject>(std::make_unique<Class>()); })
