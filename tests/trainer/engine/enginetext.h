#pragma once

#include "text.h"

#include <QString>

#include <string>

// Test texts are written in UTF-8 and handed to the engine in Windows-1251;
// what the engine gives back is shown in UTF-8 again.
inline std::string cp(const QString& text)
{
    return common::toCp1251String(text);
}

inline QString shown(const std::string& bytes)
{
    return common::fromCp1251(bytes);
}
