#include "ui/qt_file_dialogs.h"

#include "ui/focus_lost_queue.h"
#include "ui/text.h"

#include <QDir>

void configureTapFileDialog(QFileDialog& dialog, const std::string& folder, TapDialog kind)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setNameFilters({QStringLiteral("Cnc Files (*.tap)"), QStringLiteral("All Files (*.*)")});
    dialog.setDirectory(toQt(folder));
    if (kind == TapDialog::Open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    }
}

std::optional<std::string> QtFileDialogs::chooseTapFileToOpen(const std::string& folder)
{
    return choose(folder, TapDialog::Open);
}

std::optional<std::string> QtFileDialogs::chooseTapFileToSave(const std::string& folder)
{
    return choose(folder, TapDialog::Save);
}

std::optional<std::string> QtFileDialogs::choose(const std::string& folder, TapDialog kind)
{
    const ModalScope modal;
    QFileDialog dialog(parent_);
    configureTapFileDialog(dialog, folder, kind);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return fromQt(QDir::toNativeSeparators(dialog.selectedFiles().first()));
}
