#include "ui/main_window.h"
#include "ui/qt_messages.h"
#include "ui/single_instance.h"
#include "ui/startup.h"

#include <QApplication>

#include <filesystem>

int main(int argc, char** argv)
{
    // The application name stays the executable's: the single-instance lock tells a live owner
    // from a dead one by comparing the two.
    QApplication app(argc, argv);
    SingleInstance instance(SingleInstance::userFolder());
    if (!instance.isFirst()) {
        instance.askFirstToRaise();
        return 0;
    }
    const std::u8string workingDir = std::filesystem::current_path().u8string();
    QtMessages messages;
    return runProgram(messages, std::string(workingDir.begin(), workingDir.end()), [&](MainWindow& window) {
        instance.setRaiseHandler([&window] { window.bringToFront(); });
        window.show();
        QApplication::exec();
        instance.setRaiseHandler(nullptr);
    });
}
