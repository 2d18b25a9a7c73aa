// Paths are UTF-8 text everywhere in the game. The standard library would read a narrow string
// in the system's own code page on Windows, so every path passes through these two instead.
#pragma once

#include <filesystem>
#include <string>

namespace kelvora {

inline std::filesystem::path PathFromUtf8(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string Utf8FromPath(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace kelvora
