// A new shop's first day: the starter shop is taken by Configurations as it is, and a Posts job
// with any of its materials and hole types runs without a setting being edited.
#include "pages/c_automatic.h"
#include "pages/c_config.h"
#include "pages/shown_page.h"

#include "platform/memory_form.h"
#include "platform/recording_messages.h"
#include "platform/recording_sheet.h"
#include "platform/scripted_file_dialogs.h"
#include "settings/files.h"
#include "settings/ini_file.h"
#include "settings/library_files.h"
#include "settings/settings.h"
#include "settings/starter_shop.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace {

class NewShopTest : public HomeDirTest {
protected:
    void SetUp() override
    {
        HomeDirTest::SetUp();
        ASSERT_TRUE(makeStarterShop(messages));
        ASSERT_TRUE(ReadIniFile(messages));
    }

    RecordingMessages messages;
};

} // namespace

TEST_F(NewShopTest, ConfigurationsTakesTheStarterShopAsItIs)
{
    const std::string before = home.read("korvanta.ini");
    MemoryForm form;
    CConfig page(form, messages);
    enterPage(PageId::Configurations);
    page.onShown();
    EXPECT_TRUE(page.store());
    EXPECT_TRUE(messages.entries().empty()) << messages.texts().front();
    EXPECT_EQ(home.read("korvanta.ini"), before) << "the page shows exactly what the shop holds";
}

TEST_F(NewShopTest, EveryStarterMaterialAndHoleTypeRunsWithoutEditingASetting)
{
    using namespace posts;
    MemoryForm form;
    ScriptedFileDialogs dialogs;
    RecordingSheet window;
    CAutomatic page(form, messages, dialogs, window);
    page.create();
    enterPage(PageId::Posts);
    page.onShown();
    ASSERT_TRUE(LoadSaveFile(LibraryKind::Materials) && LoadSaveFile(LibraryKind::Holes));
    const std::vector<MaterialRecord> materials = materialList;
    const std::vector<HoleRecord> holes = holeList;
    for (const MaterialRecord& material : materials) {
        for (const HoleRecord& hole : holes) {
            SCOPED_TRACE(material.name + " / " + hole.name);
            page.onClearClicked();
            ASSERT_GE(form.selectByPrefix(MaterialList, material.name), 0);
            page.onMaterialSelected();
            ASSERT_GE(form.selectByPrefix(HoleList, hole.name), 0);
            page.onHoleSelected();
            for (const auto& [field, text] : {std::pair{Distance, "6"}, {Spacing, "12"}, {Holes, "3"}})
                form.setText(field, text);
            page.onHolesCommitted(0);
            messages.clear();
            window.minimized = 0;
            home.write("jobs/jobs.tap", "");
            page.onRunClicked();
            EXPECT_TRUE(messages.entries().empty()) << messages.texts().front();
            EXPECT_EQ(window.minimized, 1);
            EXPECT_EQ(home.read("jobs/jobs.tap"), "L203 \"" + joinPath(home.file("tap"), "Post.tap") + "\"");
        }
    }
}
