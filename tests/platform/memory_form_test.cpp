#include "platform/memory_form.h"

#include <gtest/gtest.h>

TEST(MemoryForm, SortedListsSelectByPrefixWithoutRegardToCase)
{
    MemoryForm form;
    form.addSortedItem(1, "vinyl 5x5", 0);
    form.addSortedItem(1, "Cedar 4x4", 1);
    form.addSortedItem(1, "Vinyl 4x4", 2);
    form.insertItem(1, 0, "(None)", -1);
    EXPECT_EQ(form.itemTexts(1), (std::vector<std::string>{"(None)", "Cedar 4x4", "Vinyl 4x4", "vinyl 5x5"}));
    form.addSortedItems(1, {{"VINYL 4X4", 3}, {"Ash", 4}});
    EXPECT_EQ(form.itemTexts(1), (std::vector<std::string>{"(None)", "Ash", "Cedar 4x4", "Vinyl 4x4", "VINYL 4X4", "vinyl 5x5"}))
        << "equal names after those listed";
    EXPECT_EQ(form.itemRecord(1, 4), 3);

    EXPECT_EQ(form.selectByPrefix(1, "VINYL"), 3);
    EXPECT_EQ(form.text(1), "Vinyl 4x4");
    EXPECT_EQ(form.selectedRecord(1), 2);

    EXPECT_EQ(form.selectByPrefix(1, "oak"), -1);
    EXPECT_EQ(form.selectedRow(1), 3) << "no match leaves the selection";

    form.insertItem(1, 0, "A", 5);
    EXPECT_EQ(form.selectedRow(1), 4) << "the selection follows its item";
    form.selectRow(1, 99);
    EXPECT_EQ(form.selectedRecord(1), -1);
}

TEST(MemoryForm, RecordsFocusMovesAndDefaults)
{
    MemoryForm form;
    EXPECT_TRUE(form.enabled(3));
    EXPECT_TRUE(form.visible(3));
    EXPECT_EQ(form.focused(), -1);
    form.setFocus(3);
    form.setFocus(4);
    EXPECT_EQ(form.focused(), 4);
    EXPECT_EQ(form.focusMoves(), (std::vector<ControlId>{3, 4}));
}
