// GoogleTest main for the tests that need widgets: one QApplication for the whole run, on the
// offscreen platform unless the caller chose another.
#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#if defined(__SANITIZE_ADDRESS__)
#define KORVANTA_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KORVANTA_ASAN 1
#endif
#endif

#if defined(KORVANTA_ASAN) && (defined(__GNUC__) || defined(__clang__))
// Qt keeps some allocations until the process ends; they are not leaks of the program. Set here
// so that it also holds when CTest lists the tests.
extern "C" __attribute__((visibility("default"), used)) const char* __asan_default_options()
{
    return "detect_leaks=0";
}
#endif

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The user's own settings stay untouched, in this process and in the programs it starts.
    QTemporaryDir userConfig;
    if (!userConfig.isValid())
        return 1;
    qputenv("XDG_CONFIG_HOME", userConfig.path().toLocal8Bit());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
