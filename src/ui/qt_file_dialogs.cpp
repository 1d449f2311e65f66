#include "ui/qt_file_dialogs.h"

#include "ui/focus_lost_queue.h"
#include "ui/text.h"

#include <QDir>
#include <QFileInfo>

namespace {
const QString kTapSuffix = QStringLiteral("tap");
}

void configureTapFileDialog(QFileDialog& dialog, const std::string& folder, TapDialog kind)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::ReadOnly, false);
    // Programs copied from other machines end in ".TAP" as often as ".tap"; without
    // QDir::CaseSensitive the name filters match either.
    dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
    dialog.setNameFilters({QStringLiteral("Cnc Files (*.tap)"), QStringLiteral("All Files (*.*)")});
    dialog.setDirectory(toQt(folder));
    if (kind == TapDialog::Open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
        // The dialog adds it before asking about overwriting, so the question names the file
        // that is written.
        dialog.setDefaultSuffix(kTapSuffix);
    }
}

QString withTapExtension(const QString& path)
{
    if (QFileInfo(path).fileName().contains(u'.'))
        return path;
    return path + u'.' + kTapSuffix;
}

std::optional<std::string> QtFileDialogs::chooseTapFileToOpen(const std::string& folder)
{
    const ModalScope modal;
    QFileDialog dialog(parent_);
    configureTapFileDialog(dialog, folder, TapDialog::Open);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return fromQt(QDir::toNativeSeparators(dialog.selectedFiles().first()));
}

std::optional<ChosenFile> QtFileDialogs::chooseTapFileToSave(const std::string& folder, const std::string& name)
{
    const ModalScope modal;
    QFileDialog dialog(parent_);
    configureTapFileDialog(dialog, folder, TapDialog::Save);
    dialog.selectFile(toQt(name));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QDir in = dialog.directory();
    const QString typed = in.relativeFilePath(withTapExtension(dialog.selectedFiles().first()));
    return ChosenFile{fromQt(QDir::toNativeSeparators(in.absolutePath())), fromQt(QDir::toNativeSeparators(typed))};
}
