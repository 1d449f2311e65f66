#include "ui/qt_file_dialogs.h"

#include "ui_test_support.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

class TapFileDialogTest : public UiTest {};

TEST_F(TapFileDialogTest, BothDialogsFilterTapFilesAndOpenInTheFolder)
{
    for (TapDialog kind : {TapDialog::Open, TapDialog::Save}) {
        QFileDialog dialog;
        configureTapFileDialog(dialog, home.path(), kind);
        EXPECT_EQ(dialog.nameFilters(), (QStringList{"Cnc Files (*.tap)", "All Files (*.*)"}));
        EXPECT_EQ(QDir(dialog.directory()).canonicalPath(), QDir(QString::fromStdString(home.path())).canonicalPath());
        EXPECT_TRUE(dialog.testOption(QFileDialog::DontUseNativeDialog));
        EXPECT_FALSE(dialog.testOption(QFileDialog::ReadOnly));
    }
}

TEST_F(TapFileDialogTest, SaveAcceptsANewNameAndAsksBeforeOverwriting)
{
    QFileDialog save;
    configureTapFileDialog(save, home.path(), TapDialog::Save);
    EXPECT_EQ(save.acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(save.fileMode(), QFileDialog::AnyFile);
    EXPECT_FALSE(save.testOption(QFileDialog::DontConfirmOverwrite));

    QFileDialog open;
    configureTapFileDialog(open, home.path(), TapDialog::Open);
    EXPECT_EQ(open.acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(open.fileMode(), QFileDialog::ExistingFile);
}

} // namespace
