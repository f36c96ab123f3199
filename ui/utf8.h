#pragma once

#include <QString>

#include <string>

namespace vemlik {

// The engine reads and writes text as UTF-8 bytes.
inline std::string utf8(const QString& text) {
    return text.toStdString();
}

} // namespace vemlik
