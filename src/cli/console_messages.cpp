#include "cli/console_messages.h"

void ConsoleMessages::show(const std::string& text, MessageIcon)
{
    err_ << text << '\n';
    ++shown_;
}

bool ConsoleMessages::askOkCancel(const std::string& text)
{
    show(text, MessageIcon::None);
    return false;
}
