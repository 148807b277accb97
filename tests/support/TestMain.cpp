// Runs every registered test class of one test executable. Before anything else it points HOME
// and the XDG folders at a fresh temporary folder, so no test can read or write the user's real
// data or settings, however the executable is started.
#include "TestRegistry.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    QTemporaryDir home(QDir::tempPath() + QStringLiteral("/dvk-test-XXXXXX"));
    if (!home.isValid()) {
        std::fprintf(stderr, "cannot create a temporary home folder\n");
        return 1;
    }
    const QByteArray root = home.path().toLocal8Bit();
    const char* const folders[][2] = {{"HOME", ""},
                                      {"XDG_CONFIG_HOME", "/config"},
                                      {"XDG_DATA_HOME", "/data"},
                                      {"XDG_CACHE_HOME", "/cache"},
                                      {"XDG_STATE_HOME", "/state"},
                                      {"XDG_RUNTIME_DIR", "/runtime"}};
    for (const auto& [name, suffix] : folders) {
        const QByteArray path = root + suffix;
        QDir().mkpath(QString::fromLocal8Bit(path));
        qputenv(name, path);
    }
    QFile::setPermissions(QString::fromLocal8Bit(root + "/runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);

    // `tst_x ClassName [args...]` runs one class with the remaining QTest arguments.
    const char* only = nullptr;
    QStringList args{QString::fromLocal8Bit(argv[0])};
    for (int i = 1; i < argc; ++i) {
        if (i == 1 && argv[i][0] != '-')
            only = argv[i];
        else
            args << QString::fromLocal8Bit(argv[i]);
    }

    int failed = 0;
    int ran = 0;
    for (const auto& test : dvk::test::registeredTests()) {
        if (only && std::strcmp(only, test.name) != 0)
            continue;
        auto object = test.make();
        failed += QTest::qExec(object.get(), args) != 0 ? 1 : 0;
        ++ran;
    }
    if (ran == 0) {
        std::fprintf(stderr, "no test class matched\n");
        return 1;
    }
    std::printf("%d passed, %d failed\n", ran - failed, failed);
    return failed == 0 ? 0 : 1;
}
