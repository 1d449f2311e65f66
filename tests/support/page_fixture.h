#pragma once

#include "platform/memory_form.h"
#include "platform/recording_sheet.h"
#include "platform/scripted_file_dialogs.h"
#include "preview/draw_record.h"
#include "support/gcode_fixture.h"

#include <vector>

// A page on a recording form, with a small shop's libraries in its home folder and the worked
// example's machine.
class PageTest : public GcodeTest {
protected:
    void SetUp() override;
    // The draw list as recorded by the last redraw.
    std::vector<DrawRecord> drawn() const;

    MemoryForm form;
    ScriptedFileDialogs dialogs;
    RecordingSheet window;
};

// Materials "VINYL 5X5" (72 x 5, height 5, the settings' feeds) and "Cedar 4x4" (96 x 3.5, feeds
// 150 and 45); hole types "RAIL 4X1.5" (radius 0.5), "Rail 3x1" (radius 0.375) and "TINY"
// (4 x 0.4, too narrow for its radius); bits "1/2" and "1/4".
void writeShopLibraries();
