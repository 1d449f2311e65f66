#pragma once

#include <QString>

#include <string>

// The logic keeps text as UTF-8, as the file helpers do for paths.
inline QString toQt(const std::string& text)
{
    return QString::fromStdString(text);
}

inline std::string fromQt(const QString& text)
{
    return text.toStdString();
}
