// Child processes and the environment on Windows: CreateProcessW, TerminateProcess and
// GetExitCodeProcess; text crosses to the system as wide characters.
#include <windows.h>

#include <cstdlib>

#include "tests/support/ChildProcess.h"

namespace kelvora::testing {

namespace {

// The exit status TerminateProcess leaves, to tell a killed child from one that ended itself.
constexpr UINT kTerminated = 0x4B494C4C;

std::wstring Wide(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int size =
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), size);
  return wide;
}

std::string Utf8(const std::wstring& wide) {
  if (wide.empty()) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), size,
                      nullptr, nullptr);
  return utf8;
}

// One argument as the child's C runtime splits its command line: quoted when it holds a space
// or a quote, with the backslashes before a quote doubled.
std::wstring Quoted(const std::wstring& argument) {
  if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring::npos) {
    return argument;
  }
  std::wstring quoted = L"\"";
  std::size_t backslashes = 0;
  for (wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, L'\\');
  return quoted + L'"';
}

// A handle the child inherits: a file made afresh, or the null device.
HANDLE InheritableFile(const std::string& file) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  return CreateFileW(file.empty() ? L"NUL" : Wide(file).c_str(),
                     file.empty() ? GENERIC_READ | GENERIC_WRITE : GENERIC_WRITE,
                     FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                     file.empty() ? OPEN_EXISTING : CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// One of this process's own standard streams, for the child to write to as well.
HANDLE InheritableCopyOf(DWORD stream) {
  const HANDLE own = GetStdHandle(stream);
  HANDLE copy = INVALID_HANDLE_VALUE;
  if (own == nullptr || own == INVALID_HANDLE_VALUE ||
      !DuplicateHandle(GetCurrentProcess(), own, GetCurrentProcess(), &copy, 0, TRUE,
                       DUPLICATE_SAME_ACCESS)) {
    return InheritableFile("");
  }
  return copy;
}

}  // namespace

ChildProcess ChildProcess::Launch(const std::string& program, const std::vector<std::string>& args,
                                  const std::string& outFile, const std::string& errFile,
                                  bool keepOutput) {
  std::wstring commandLine = Quoted(Wide(program));
  for (const std::string& arg : args) commandLine += L" " + Quoted(Wide(arg));
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = InheritableFile("");
  startup.hStdOutput = keepOutput ? InheritableCopyOf(STD_OUTPUT_HANDLE) : InheritableFile(outFile);
  startup.hStdError = keepOutput ? InheritableCopyOf(STD_ERROR_HANDLE) : InheritableFile(errFile);
  PROCESS_INFORMATION started{};
  const BOOL ok = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                 nullptr, &startup, &started);
  for (HANDLE handle : {startup.hStdInput, startup.hStdOutput, startup.hStdError}) {
    if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
  }
  if (!ok) return ChildProcess(kNone);
  CloseHandle(started.hThread);
  return ChildProcess(reinterpret_cast<std::intptr_t>(started.hProcess));
}

void ChildProcess::Kill() {
  if (Started() && !ended_ && TerminateProcess(reinterpret_cast<HANDLE>(process_), kTerminated)) {
    killed_ = true;
  }
}

int ChildProcess::Wait() {
  if (!Started()) return kKilled;
  if (!ended_) {
    const HANDLE process = reinterpret_cast<HANDLE>(process_);
    // TerminateProcess only begins the end; the child's files are let go once it is over.
    WaitForSingleObject(process, INFINITE);
    DWORD status = 0;
    GetExitCodeProcess(process, &status);
    CloseHandle(process);
    ended_ = true;
    exit_ = killed_ && status == kTerminated ? kKilled : static_cast<int>(status);
  }
  return exit_;
}

std::string ThisProgram() {
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length < buffer.size()) return Utf8(buffer.substr(0, length));
    buffer.resize(buffer.size() * 2);
  }
}

int ProcessId() {
  return static_cast<int>(GetCurrentProcessId());
}

std::optional<std::string> Environment(const std::string& name) {
  const wchar_t* value = _wgetenv(Wide(name).c_str());
  return value == nullptr ? std::nullopt : std::optional<std::string>(Utf8(value));
}

// The C runtime's copy and the system's, which CreateProcessW hands to children, change together.
void SetEnvironment(const std::string& name, const std::string& value) {
  _wputenv_s(Wide(name).c_str(), Wide(value).c_str());
}

void UnsetEnvironment(const std::string& name) {
  _wputenv_s(Wide(name).c_str(), L"");
}

}  // namespace kelvora::testing
