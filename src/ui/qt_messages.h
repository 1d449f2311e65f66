#pragma once

#include "platform/messages.h"

#include <QString>

// Modal message boxes over the active window.
class QtMessages : public Messages {
public:
    explicit QtMessages(QString caption = QStringLiteral("Korvanta")) : caption_(std::move(caption)) {}

    void show(const std::string& text, MessageIcon icon) override;
    bool askOkCancel(const std::string& text) override;

private:
    QString caption_;
};
