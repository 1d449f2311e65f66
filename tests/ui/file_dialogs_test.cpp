#include "ui/qt_file_dialogs.h"

#include "ui_test_support.h"

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

} // namespace
