#include "ui/qt_file_dialogs.h"

#include "ui/text.h"
#include "ui_test_support.h"

#include <QFileSystemModel>

#include <gtest/gtest.h>

namespace {

class TapFileDialogTest : public UiTest {};

TEST_F(TapFileDialogTest, SaveAcceptsANewNameAndAsksBeforeOverwriting)
{
    QFileDialog save;
    configureTapFileDialog(save, home.path(), TapDialog::Save);
    EXPECT_EQ(save.nameFilters(), (QStringList{"Cnc Files (*.tap)", "All Files (*.*)"}));
    EXPECT_EQ(save.fileMode(), QFileDialog::AnyFile) << "a program may be saved under a new name";
    EXPECT_FALSE(save.testOption(QFileDialog::DontConfirmOverwrite));

    QFileDialog open;
    configureTapFileDialog(open, home.path(), TapDialog::Open);
    EXPECT_EQ(open.fileMode(), QFileDialog::ExistingFile);
}

TEST_F(TapFileDialogTest, SavedNamesGetTheTapExtensionAndOpenListsAnyLetterCase)
{
    QFileDialog save;
    configureTapFileDialog(save, home.path(), TapDialog::Save);
    const std::pair<QString, QString> typedAndSaved[] = {
        {"corner84", "corner84.tap"}, {"x.TAP", "x.TAP"}, {"x.nc", "x.nc"}, {"gate.2", "gate.2"}};
    for (const auto& [typed, saved] : typedAndSaved) {
        EXPECT_EQ(withTapExtension(typed), saved);
        save.selectFile(typed);
        EXPECT_EQ(QFileInfo(save.selectedFiles().value(0)).fileName(), saved) << "the dialog agrees";
    }
    EXPECT_EQ(withTapExtension("/shop/tap.old/corner84"), "/shop/tap.old/corner84.tap");

    for (const char* name : {"A.TAP", "b.Tap", "c.tap", "d.nc"})
        home.write(name, "");
    QFileDialog open;
    configureTapFileDialog(open, home.path(), TapDialog::Open);
    auto* files = open.findChild<QFileSystemModel*>();
    ASSERT_NE(files, nullptr);
    const QModelIndex folder = files->index(toQt(home.path()));
    QStringList listed;
    EXPECT_TRUE(waitUntil([&] {
        listed.clear();
        for (int row = 0; row < files->rowCount(folder); ++row)
            listed << files->index(row, 0, folder).data().toString();
        listed.sort();
        return listed.size() >= 3;
    }));
    EXPECT_EQ(fromQt(listed.join(u' ')), "A.TAP b.Tap c.tap");
    EXPECT_EQ(open.nameFilters().value(0), "Cnc Files (*.tap)") << "as the list shows it";
}

} // namespace
