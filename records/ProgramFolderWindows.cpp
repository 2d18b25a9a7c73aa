// The program's folder on Windows: from GetModuleFileNameW, in wide characters, so a folder
// with any name (C:\Users\山田\...) comes out whole, written with backslashes.
#include <windows.h>

#include <filesystem>
#include <vector>

#include "records/ProgramFolder.h"
#include "text/Utf8Path.h"

namespace kelvora {

char FolderSeparator() {
  return '\\';
}

std::string ProgramFolder() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD length =
        GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) {
      const std::filesystem::path program(std::wstring(buffer.data(), length));
      return Utf8FromPath(program.parent_path().make_preferred());
    }
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace kelvora
