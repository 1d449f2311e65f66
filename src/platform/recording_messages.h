#pragma once

#include "platform/messages.h"

#include <deque>
#include <vector>

// Messages that are written down instead of shown. Questions are answered from a queue of
// answers given in advance, OK when the queue is empty.
class RecordingMessages : public Messages {
public:
    struct Entry {
        std::string text;
        MessageIcon icon = MessageIcon::None;
        bool question = false;
    };

    void show(const std::string& text, MessageIcon icon) override;
    bool askOkCancel(const std::string& text) override;

    void answerNext(bool ok) { answers_.push_back(ok); }
    const std::vector<Entry>& entries() const { return entries_; }
    std::vector<std::string> texts() const;
    void clear() { entries_.clear(); }

private:
    std::vector<Entry> entries_;
    std::deque<bool> answers_;
};
