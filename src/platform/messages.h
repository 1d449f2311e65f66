#pragma once

#include <string>

// How the program's logic speaks to the user: a message with an OK button, optionally with the
// error icon, and a question with OK and Cancel. The desktop shows modal boxes; tests record.
enum class MessageIcon { None, Error };

class Messages {
public:
    virtual ~Messages() = default;
    virtual void show(const std::string& text, MessageIcon icon = MessageIcon::None) = 0;
    // True when the user answered OK.
    virtual bool askOkCancel(const std::string& text) = 0;
};
