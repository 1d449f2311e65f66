#pragma once

#include "platform/messages.h"

#include <ostream>

// Messages for the command line: each goes to the error stream as one line of its own text and
// counts as a failure; questions are answered Cancel.
class ConsoleMessages : public Messages {
public:
    explicit ConsoleMessages(std::ostream& err) : err_(err) {}
    void show(const std::string& text, MessageIcon icon) override;
    bool askOkCancel(const std::string& text) override;
    bool anyShown() const { return shown_ > 0; }

private:
    std::ostream& err_;
    int shown_ = 0;
};
