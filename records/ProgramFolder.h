// The program's folder as the data files' paths start with it: with exactly one trailing
// separator, whatever form the system reported it in.
#pragma once

#include <string>

namespace kelvora {

#ifdef _WIN32
constexpr char kFolderSeparator = '\\';
#else
constexpr char kFolderSeparator = '/';
#endif

// Appends the separator unless the folder already ends in one (a drive's root folder does).
std::string FolderWithSeparator(const std::string& folder, char separator = kFolderSeparator);

}  // namespace kelvora
