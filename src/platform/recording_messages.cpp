#include "platform/recording_messages.h"

void RecordingMessages::show(const std::string& text, MessageIcon icon)
{
    entries_.push_back({text, icon, false});
}

bool RecordingMessages::askOkCancel(const std::string& text)
{
    entries_.push_back({text, MessageIcon::None, true});
    if (answers_.empty())
        return true;
    const bool ok = answers_.front();
    answers_.pop_front();
    return ok;
}

std::vector<std::string> RecordingMessages::texts() const
{
    std::vector<std::string> result;
    for (const Entry& e : entries_)
        result.push_back(e.text);
    return result;
}
