// The setup header of a tap file from a customer or an old program. The first byte picks the
// form: 1 to 3 put the Post, Manual or Rail screen line before the rest, 0 takes it as it is.
#include "fuzz_targets.h"
#include "scratch_home.h"

#include "platform/recording_messages.h"
#include "settings/settings.h"
#include "setupfile/setup_reader.h"

#include <array>

int fuzzSetupHeader(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    static const std::array<std::string_view, 4> kScreens = {"", "[screen=Post\r\n", "[screen=Manual\r\n",
                                                              "[screen=Rail\r\n"};
    freshProcess();
    std::string bytes(kScreens[data[0] % kScreens.size()]);
    bytes += asText(data + 1, size - 1);
    const std::string path = writeScratchFile("fuzz.tap", bytes);
    RecordingMessages messages;
    PageId screen = PageId::None;
    fuzzCheck(readTapFileScreen(path, screen), "the tap file opens");
    const Settings shop = gs;
    LoadedHeader header;
    const bool read = readSetupHeader(path, gs, header, messages);
    fuzzCheck(read || !messages.entries().empty(), "a header that does not read says why");
    fuzzCheck(gs.heads == shop.heads && gs.headchars == shop.headchars && gs.bitname == shop.bitname,
              "reading a header leaves the shop's settings alone");
    return 0;
}
