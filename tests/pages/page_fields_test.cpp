#include "pages/page_fields.h"

#include "pages/posts_controls.h"
#include "platform/memory_form.h"
#include "platform/recording_messages.h"

#include <gtest/gtest.h>

using namespace posts;

// One rule serves leaving a field and collecting the job: the check, its wording, the focus and
// the value as the field's kind reads it.
TEST(PageFields, NumberFieldRules)
{
    struct Case {
        const NumberField& rule;
        FieldCheck when;
        const char* text;
        const char* message; // null when the text passes
        float value;
    };
    // Above the largest float, which a length would hold as infinity.
    const char* const kBeyondFloat = "1000000000000000000000000000000000000000";
    const Case cases[] = {
        {kDistanceField, FieldCheck::Leave, "", nullptr, 0},
        {kDistanceField, FieldCheck::Collect, "", "Must Specify Distance to First Hole.", 0},
        {kDistanceField, FieldCheck::Collect, "-2", "Distance to First Hole must be a positive number.", 0},
        {kDistanceField, FieldCheck::Leave, "6.25", nullptr, 6.25f},
        {kSpacingField, FieldCheck::Leave, "-1", nullptr, -1},
        {kSpacingField, FieldCheck::Leave, "1e3", "Spacing between holes must be a legitimate number.", 0},
        {kSpacingField, FieldCheck::Collect, "1e3", "Spacing between holes must be a positive number.", 0},
        {kHolesField, FieldCheck::Collect, "", "Must Specify Numer of Holes to Cut.", 0},
        {kHolesField, FieldCheck::Leave, "12.7", nullptr, 12},
        {kSpacingField, FieldCheck::Leave, kBeyondFloat, "Spacing between holes must be a legitimate number.", 0},
        {kDistanceField, FieldCheck::Collect, kBeyondFloat, "Distance to First Hole must be a positive number.", 0},
        {kHolesField, FieldCheck::Leave, kBeyondFloat, "Number of Holes to cut must be a positive number.", 0},
        {kDistanceField, FieldCheck::Leave, "340282346638528859811704183484516925440", nullptr, 3.40282347e38f},
        {kDistanceField, FieldCheck::Leave, "5 1/2", nullptr, 5.5f},
        {kDistanceField, FieldCheck::Collect, "5-1/2", nullptr, 5.5f},
        {kDistanceField, FieldCheck::Leave, "-1 1/2", "Distance to First Hole must be a positive number.", 0},
        {kSpacingField, FieldCheck::Leave, "-1 1/2", nullptr, -1.5f},
        {kSpacingField, FieldCheck::Leave, "5 3/2", "Spacing between holes must be a legitimate number.", 0},
        {kHolesField, FieldCheck::Leave, "1/2", "Number of Holes to cut must be a positive number.", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.rule.invalid) + " / \"" + c.text + "\"");
        MemoryForm form;
        RecordingMessages messages;
        const ControlId field = onSide(c.rule.id, 1);
        form.setText(field, c.text);
        std::string text;
        const bool passed = checkNumberField(form, messages, c.rule, c.when, text, field);
        EXPECT_EQ(passed, c.message == nullptr);
        EXPECT_EQ(text, c.text);
        if (c.message) {
            EXPECT_EQ(messages.texts(), std::vector<std::string>{c.message});
            EXPECT_EQ(form.focused(), field);
            continue;
        }
        EXPECT_TRUE(messages.entries().empty());
        float value = 0;
        assignNumber(c.rule, text, value);
        EXPECT_EQ(value, c.value);
    }
}

// A fraction that passes is shown as its value, as every length is, and read exactly.
TEST(PageFields, AFractionIsShownAsItsValue)
{
    MemoryForm form;
    RecordingMessages messages;
    form.setText(Spacing, "3 5/16");
    std::string text;
    ASSERT_TRUE(checkNumberField(form, messages, kSpacingField, FieldCheck::Leave, text));
    EXPECT_EQ(form.text(Spacing), "3.312");
    float value = 0;
    assignNumber(kSpacingField, text, value);
    EXPECT_EQ(value, 3.3125f);
    assignNumber(kSpacingField, form.text(Spacing), value);
    EXPECT_EQ(value, 3.3125f) << "while the field shows the value, reading it again keeps it";
}
