// GoogleTest main for the tests that need widgets: one QApplication for the whole run, on the
// offscreen platform unless the caller chose another.
#include <QApplication>
#include <QFont>
#include <QSettings>
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
#ifdef Q_OS_WIN
    // The offscreen platform reads the fonts of one folder on Windows, none of the system's unless
    // told: KORVANTA_TEST_FONTDIR (the DejaVu fonts of the Linux build, under Wine), else Windows'.
    if (qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR")) {
        const QString fonts = qEnvironmentVariableIsEmpty("KORVANTA_TEST_FONTDIR")
                                  ? qEnvironmentVariable("WINDIR") + QStringLiteral("/Fonts")
                                  : qEnvironmentVariable("KORVANTA_TEST_FONTDIR");
        qputenv("QT_QPA_FONTDIR", fonts.toUtf8());
    }
#endif
    // The user's own settings stay untouched, in this process and in the programs it starts.
    QTemporaryDir userConfig;
    if (!userConfig.isValid())
        return 1;
    qputenv("XDG_CONFIG_HOME", userConfig.path().toLocal8Bit());
    // On Windows the user's settings are in the registry: files in the same folder instead.
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, userConfig.path());
    QApplication app(argc, argv);
#ifdef Q_OS_WIN
    // Its default family, and its glyphs hinted only vertically, as fontconfig has them on Linux:
    // the widget tests measure the same text on both.
    QFont::insertSubstitution(QStringLiteral("Sans Serif"), QStringLiteral("DejaVu Sans"));
    QFont font = QApplication::font();
    font.setHintingPreference(QFont::PreferVerticalHinting);
    QApplication::setFont(font);
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
