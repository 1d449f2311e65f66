#pragma once

#include "platform/file_dialogs.h"

#include <QFileDialog>

enum class TapDialog { Open, Save };

// The tap-file dialog as both kinds are set up: the filters "Cnc Files (*.tap)" and
// "All Files (*.*)", listing tap files whatever the letter case of ".tap", opening in the
// folder, asking before an existing file is overwritten, and the same look on every desktop.
// The save dialog accepts a new file name and gives it the tap extension as withTapExtension.
void configureTapFileDialog(QFileDialog& dialog, const std::string& folder, TapDialog kind);

// The name a program is saved under: ".tap" added to a file name typed without an extension
// (without a dot, as the dialog sees it), any other name kept as typed.
QString withTapExtension(const QString& path);

class QtFileDialogs : public FileDialogs {
public:
    explicit QtFileDialogs(QWidget* parent = nullptr) : parent_(parent) {}

    std::optional<std::string> chooseTapFileToOpen(const std::string& folder) override;
    // The folder the dialog was left in and the name typed, relative to it: a name typed with a
    // folder separator keeps it, for the page to refuse.
    std::optional<ChosenFile> chooseTapFileToSave(const std::string& folder, const std::string& name) override;

private:
    QWidget* parent_;
};
