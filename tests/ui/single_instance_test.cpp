#include "ui/single_instance.h"

#include "platform/recording_messages.h"
#include "ui/main_window.h"
#include "ui_test_support.h"

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The environment variable that names the user's runtime folder to the program, and the folder
// of the lock in it.
#ifdef Q_OS_WIN
const char* const kRuntimeVariable = "LOCALAPPDATA";
QString lockFolder(const QString& runtime)
{
    return QDir(runtime).filePath(QStringLiteral("Korvanta"));
}
#else
const char* const kRuntimeVariable = "XDG_RUNTIME_DIR";
QString lockFolder(const QString& runtime)
{
    return runtime;
}
#endif

// Starts the real program as a user would, with its own runtime folder and working folder.
class ProgramStart {
public:
    ProgramStart(const QString& runtimeFolder, const QString& home)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(kRuntimeVariable, runtimeFolder);
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("ASAN_OPTIONS", "detect_leaks=0");
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(home);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(QStringLiteral(KORVANTA_EXECUTABLE), {});
    }
    ~ProgramStart()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
        }
    }
    bool ended(int timeoutMs = 20000)
    {
        return waitUntil([this] { return process.state() == QProcess::NotRunning; }, timeoutMs);
    }
    QProcess process;
};

class SingleInstanceTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        ASSERT_TRUE(runtime.isValid());
        home.write("korvanta.ini", "appname=shop\r\n");
    }
    QString homeFolder() const { return QString::fromStdString(home.path()); }

    QTemporaryDir runtime;
    RecordingMessages messages;
};

TEST_F(SingleInstanceTest, SecondStartRaisesTheFirstAndEndsWithoutTouchingTheSettings)
{
    SingleInstance first(lockFolder(runtime.path()));
    ASSERT_TRUE(first.isFirst());
    MainWindow window("shop 3.0.13", PageId::Posts, QIcon(), messages);
    first.setRaiseHandler([&window] { window.bringToFront(); });
    window.showMinimized();
    ASSERT_TRUE(window.isMinimized());
    const std::string settings = home.read("korvanta.ini");

    ProgramStart second(runtime.path(), homeFolder());
    ASSERT_TRUE(second.ended());
    EXPECT_EQ(second.process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.process.exitCode(), 0);
    EXPECT_TRUE(waitUntil([&] { return !window.isMinimized(); })) << "the running window came to the front";
    EXPECT_EQ(home.read("korvanta.ini"), settings);
    EXPECT_FALSE(home.exists("fdraw.tmp"));
}

TEST_F(SingleInstanceTest, StartAfterTheFirstWasKilledTakesOver)
{
    {
        ProgramStart crashed(runtime.path(), homeFolder());
        const QString server = SingleInstance::serverNameFor(lockFolder(runtime.path()));
        ASSERT_TRUE(waitUntil(
            [&] {
                QLocalSocket probe;
                probe.connectToServer(server);
                return probe.waitForConnected(100);
            },
            20000));
        crashed.process.kill(); // SIGKILL (on Windows TerminateProcess): the lock and the socket stay behind
        ASSERT_TRUE(crashed.process.waitForFinished());
    }
    ASSERT_TRUE(QFile::exists(QDir(lockFolder(runtime.path())).filePath("korvanta.lock")));

    SingleInstance next(lockFolder(runtime.path()));
    EXPECT_TRUE(next.isFirst()) << "a lock whose owner is gone does not stop the start";
    int raised = 0;
    next.setRaiseHandler([&] { ++raised; });
    ProgramStart later(runtime.path(), homeFolder());
    ASSERT_TRUE(later.ended());
    EXPECT_EQ(later.process.exitCode(), 0);
    EXPECT_TRUE(waitUntil([&] { return raised == 1; })) << "the socket left behind was replaced";
}

} // namespace
