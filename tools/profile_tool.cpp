// profile-tool: one profile read or write per process, with values in hex, so
// that this reader and writer can be compared byte for byte with others.
#include <cstddef>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "platform/profile/profile_file.h"

namespace {

constexpr std::size_t kBufferSize = 10240;
constexpr std::string_view kDigits = "0123456789abcdef";

constexpr std::string_view kUsage =
    "usage: profile-tool get FILE SECTION KEY | profile-tool set FILE SECTION KEY VALUEHEX\n";

std::string ToHex(std::string_view bytes) {
  std::string hex;
  hex.reserve(bytes.size() * 2);
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    hex.push_back(kDigits[byte >> 4]);
    hex.push_back(kDigits[byte & 0xF]);
  }
  return hex;
}

std::optional<int> HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return std::nullopt;
}

// A value that would break its line is refused, since the writer relies on
// its callers never passing one.
std::optional<std::string> ValueFromHex(std::string_view hex) {
  if (hex.size() % 2 != 0) return std::nullopt;
  std::string bytes;
  for (std::size_t i = 0; i < hex.size(); i += 2) {
    const std::optional<int> high = HexDigit(hex[i]);
    const std::optional<int> low = HexDigit(hex[i + 1]);
    if (!high || !low) return std::nullopt;
    const char byte = static_cast<char>(*high * 16 + *low);
    if (byte == '\r' || byte == '\n' || byte == '\0') return std::nullopt;
    bytes.push_back(byte);
  }
  return bytes;
}

int Usage() {
  std::cerr << kUsage;
  return 2;
}

int Get(const std::string& file, std::string_view section, std::string_view key) {
  const std::string value = tolvane::GetProfileString(file, section, key, kBufferSize);
  std::cout << "RET " << value.size() << "\nHEX " << ToHex(value) << "\n";
  return 0;
}

int Set(const std::string& file, std::string_view section, std::string_view key,
        std::string_view hex) {
  const std::optional<std::string> value = ValueFromHex(hex);
  if (!value) return Usage();
  std::cout << "RET " << (tolvane::WriteProfileString(file, section, key, *value) ? 1 : 0) << "\n";
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string_view command = argc > 1 ? argv[1] : "";
  if (command == "get" && argc == 5) return Get(argv[2], argv[3], argv[4]);
  if (command == "set" && argc == 6) return Set(argv[2], argv[3], argv[4], argv[5]);
  return Usage();
}
