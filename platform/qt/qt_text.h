// Texts of the program (UTF-8 bytes) as Qt strings.
#pragma once

#include <QString>
#include <string_view>

namespace tolvane {

inline QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace tolvane
