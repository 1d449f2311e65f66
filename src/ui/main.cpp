#include "platform/system_text.h"
#include "ui/main_window.h"
#include "ui/qt_messages.h"
#include "ui/shop_folder.h"
#include "ui/single_instance.h"
#include "ui/startup.h"

#include <QApplication>

#include <filesystem>
#include <iostream>

int main(int argc, char** argv)
{
    // The application name stays the executable's: the single-instance lock tells a live owner
    // from a dead one by comparing the two.
    QApplication app(argc, argv);
    QtMessages messages;
    const QStringList given = QApplication::arguments();
    std::vector<std::string> arguments;
    for (qsizetype i = 1; i < given.size(); ++i)
        arguments.push_back(given[i].toStdString());
    std::string shop;
    const ShopChoice choice = enterShopFolder(arguments, userHomeFolder().c_str(), shop);
    switch (choice) {
    case ShopChoice::WrongUsage: std::cerr << kShopUsage; return 2;
    case ShopChoice::CannotEnter: messages.show("Unable to open the shop folder " + shop, MessageIcon::Error); return 1;
    case ShopChoice::Current:
    case ShopChoice::Entered: break;
    }
    SingleInstance instance(SingleInstance::userFolder());
    if (!instance.isFirst()) {
        instance.askFirstToRaise();
        return 0;
    }
    const std::u8string workingDir = std::filesystem::current_path().u8string();
    const RunWindow showWindow = [&](MainWindow& window) {
        instance.setRaiseHandler([&window] { window.bringToFront(); });
        window.show();
        QApplication::exec();
        instance.setRaiseHandler(nullptr);
    };
    const MissingSettings missing =
        choice == ShopChoice::Entered ? MissingSettings::StarterShop : MissingSettings::Refuse;
    return runProgram(messages, std::string(workingDir.begin(), workingDir.end()), showWindow, missing);
}
