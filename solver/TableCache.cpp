// Reading, checking and writing cache files.
#include "solver/TableCache.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "platform/FileError.h"
#include "solver/Checksum.h"
#include "solver/MappedFile.h"
#include "solver/PatternTableBuilder.h"
#include "text/Utf8Path.h"

// A file is a 64-byte header (magic, version, header size, pattern signature, entry count, data
// size, checksum of header and data) followed by the table's bytes.

namespace kelvora::solver {

namespace {

constexpr char kMagic[8] = {'K', 'E', 'L', 'V', 'T', 'B', 'L', '\x1a'};
constexpr std::size_t kChecksumAt = 56;
// Longer than any file system's clock tick.
constexpr auto kSettled = std::chrono::seconds(3);

template <typename T>
void Put(std::array<std::uint8_t, TableCache::kHeaderBytes>& header, std::size_t at, T value) {
  std::memcpy(header.data() + at, &value, sizeof value);
}

template <typename T>
T Get(std::span<const std::uint8_t> header, std::size_t at) {
  T value;
  std::memcpy(&value, header.data() + at, sizeof value);
  return value;
}

// The data is checked in this many parts at once, their checksums then checked together with the
// header's: a fixed count, so a file reads the same whatever the processor count.
constexpr std::size_t kChecksumParts = 4;

std::uint64_t FileChecksum(std::span<const std::uint8_t> header, std::span<const std::uint8_t> data,
                           int threads) {
  std::array<std::uint64_t, kChecksumParts> parts{};
  const std::size_t partBytes = (data.size() + kChecksumParts - 1) / kChecksumParts;
  const auto checkParts = [&](std::size_t first, std::size_t step) {
    for (std::size_t part = first; part < kChecksumParts; part += step) {
      const std::size_t begin = std::min(data.size(), part * partBytes);
      parts[part] = Checksum(data.subspan(begin, std::min(partBytes, data.size() - begin)));
    }
  };
  const std::size_t helpers =
      std::clamp<std::size_t>(static_cast<std::size_t>(threads), 1, kChecksumParts) - 1;
  std::vector<std::thread> running;
  try {
    for (std::size_t h = 0; h < helpers; ++h) running.emplace_back(checkParts, h + 1, helpers + 1);
  } catch (const std::system_error&) {
    // No thread to spare: the parts not taken are checked here.
  }
  checkParts(0, running.size() + 1);
  for (std::thread& helper : running) helper.join();
  const std::span<const std::uint8_t> digests(reinterpret_cast<const std::uint8_t*>(parts.data()),
                                              sizeof parts);
  return Checksum(digests, Checksum(header.first(kChecksumAt)) + data.size());
}

std::string Hex(std::uint64_t value) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string text(16, '0');
  for (int i = 15; i >= 0; --i, value >>= 4) text[i] = kDigits[value & 0xF];
  return text;
}

}  // namespace

std::string TableCache::DefaultFolder() {
  return platform::System::Default().CacheFolder();
}

TableCache::TableCache(std::string folder, int threads, Progress progress, platform::System& system,
                       Holding holding)
    : system_(&system),
      folder_(std::move(folder)),
      threads_(threads > 0 ? threads
                           : std::max(1, static_cast<int>(std::thread::hardware_concurrency()))),
      progress_(std::move(progress)),
      holding_(holding) {}

std::string TableCache::PathFor(const PatternSpace& space) const {
  return Utf8FromPath(PathFromUtf8(folder_) /
                      PathFromUtf8(space.Name() + "-" + Hex(space.Signature()) + ".table"));
}

bool TableCache::Holds(const PatternSpace& space) const {
  if (folder_.empty()) return false;
  const std::filesystem::path path = PathFromUtf8(PathFor(space));
  std::error_code error;
  const std::uintmax_t length = std::filesystem::file_size(path, error);
  if (error || length < kHeaderBytes) return false;
  std::array<std::uint8_t, kHeaderBytes> header{};
  std::ifstream in(path, std::ios::binary);
  if (!in.read(reinterpret_cast<char*>(header.data()), header.size())) return false;
  return HeaderProblem(space, header, length - kHeaderBytes).empty();
}

void TableCache::RemoveAllBut(const std::vector<PatternSpace>& keep) const {
  if (folder_.empty()) return;
  std::vector<std::filesystem::path> kept;
  for (const PatternSpace& space : keep) {
    kept.push_back(PathFromUtf8(PathFor(space)));
    kept.push_back(PathFromUtf8(CheckedPath(PathFor(space))));
  }
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(PathFromUtf8(folder_), error)) {
    const std::filesystem::path& path = entry.path();
    const bool ours = path.extension() == ".table" || path.extension() == ".checked";
    if (!ours || !entry.is_regular_file(error)) continue;
    if (std::find(kept.begin(), kept.end(), path) == kept.end()) {
      std::filesystem::remove(path, error);
    }
  }
}

LoadedTable TableCache::Load(const PatternSpace& space) const {
  const std::atomic<bool> never{false};
  return *Load(space, never);
}

std::optional<LoadedTable> TableCache::Load(const PatternSpace& space,
                                            const std::atomic<bool>& cancel) const {
  std::string reason = text::stages::kNoCacheFolder;
  if (!folder_.empty()) {
    const std::string path = PathFor(space);
    Result<std::unique_ptr<MappedFile>> mapped =
        MappedFile::Open(*system_, path, kHeaderBytes, holding_);
    if (!mapped) {
      reason = mapped.status().code() == Status::Code::kNotFound
                   ? kNotCachedYet
                   : text::stages::CacheFileUnreadable(path);
    } else {
      std::unique_ptr<MappedFile> file = std::move(*mapped);
      reason = HeaderProblem(space, file->Header(), file->Bytes().size());
      if (reason.empty() && !CheckedBefore(path, file->Header())) {
        if (Get<std::uint64_t>(file->Header(), kChecksumAt) !=
            FileChecksum(file->Header(), file->Bytes(), threads_)) {
          reason = text::stages::kFailsChecksum;
        } else {
          NoteChecked(path, file->Header());
        }
      }
      if (reason.empty()) return LoadedTable{PatternTable(space, std::move(file)), false, {}};
      reason = text::stages::CacheFileUntrusted(path, reason);
      // Windows replaces no file that is still mapped: the damaged one is let go first.
      file.reset();
    }
  }

  PatternTableBuilder builder(space, threads_, [&](double done) {
    if (progress_) progress_(space.Name(), done);
  });
  std::optional<std::vector<std::uint64_t>> words = builder.Build(cancel);
  // A table finished as the cancel came is not kept either: a cancelled load leaves nothing.
  if (!words || cancel.load()) return std::nullopt;
  auto memory = std::make_unique<OwnedTableMemory>(std::move(*words));
  if (!folder_.empty()) {
    if (const Status kept = Store(space, memory->Bytes()); !kept) {
      reason = text::stages::NotKept(reason, kept.English());
    }
  }
  return LoadedTable{PatternTable(space, std::move(memory)), true, reason};
}

namespace {

// What a check vouches for: the file as it was (length, time of its last change) and the header's
// checksum, which covers the data.
std::optional<std::string> Fingerprint(const std::string& path,
                                       std::span<const std::uint8_t> header) {
  std::error_code error;
  const std::filesystem::path file = PathFromUtf8(path);
  const std::uintmax_t length = std::filesystem::file_size(file, error);
  if (error) return std::nullopt;
  const std::filesystem::file_time_type changed = std::filesystem::last_write_time(file, error);
  if (error) return std::nullopt;
  // A file changed within this long of its check could change again within the same tick of
  // the file system's clock and keep its time: such a file is checked again next time.
  if (std::filesystem::file_time_type::clock::now() - changed < kSettled) return std::nullopt;
  // In nanoseconds as a plain 64-bit count: the browser's library counts the clock in 128 bits.
  const long long changedAt =
      std::chrono::duration_cast<std::chrono::duration<long long, std::nano>>(
          changed.time_since_epoch())
          .count();
  return std::to_string(length) + " " + std::to_string(changedAt) + " " +
         Hex(Get<std::uint64_t>(header, kChecksumAt)) + "\n";
}

}  // namespace

std::string TableCache::CheckedPath(const std::string& path) {
  return path + ".checked";
}

bool TableCache::CheckedBefore(const std::string& path,
                               std::span<const std::uint8_t> header) const {
  const std::optional<std::string> now = Fingerprint(path, header);
  const Result<std::string> noted = system_->Read(CheckedPath(path));
  return now && noted && *noted == *now;
}

void TableCache::NoteChecked(const std::string& path, std::span<const std::uint8_t> header) const {
  // Without the note the next run only checks the file again.
  if (const std::optional<std::string> fingerprint = Fingerprint(path, header)) {
    static_cast<void>(system_->Replace(CheckedPath(path), *fingerprint));
  }
}

std::string TableCache::HeaderProblem(const PatternSpace& space,
                                      std::span<const std::uint8_t> header,
                                      std::uint64_t dataBytes) {
  if (std::memcmp(header.data(), kMagic, sizeof kMagic) != 0) return text::stages::kNotATableFile;
  if (Get<std::uint32_t>(header, 8) != kVersion || Get<std::uint32_t>(header, 12) != kHeaderBytes) {
    return text::stages::kOtherVersion;
  }
  if (Get<std::uint64_t>(header, 16) != space.Signature() ||
      Get<std::uint64_t>(header, 24) != space.Size()) {
    return text::stages::kOtherPattern;
  }
  // The builder writes whole 64-bit words of 32 entries.
  if (Get<std::uint64_t>(header, 32) != dataBytes || dataBytes != (space.Size() + 31) / 32 * 8) {
    return text::stages::kWrongSize;
  }
  return {};
}

Status TableCache::Store(const PatternSpace& space, std::span<const std::uint8_t> data) const {
  std::error_code error;
  std::filesystem::create_directories(PathFromUtf8(folder_), error);
  if (error) {
    const Status failed = platform::FileError(error.value(), true);
    return Status::Failed(
        failed.code(), {failed.Japanese(), text::stages::CannotCreate(folder_, error.message())});
  }

  std::array<std::uint8_t, kHeaderBytes> header{};
  std::memcpy(header.data(), kMagic, sizeof kMagic);
  Put(header, 8, kVersion);
  Put(header, 12, static_cast<std::uint32_t>(kHeaderBytes));
  Put(header, 16, space.Signature());
  Put(header, 24, space.Size());
  Put(header, 32, static_cast<std::uint64_t>(data.size()));
  Put(header, kChecksumAt, FileChecksum(header, data, threads_));
  // Writing takes a moment too: whoever shows the progress hears that the work goes on.
  const auto stillGoing = [&] {
    if (progress_) progress_(space.Name(), 1.0);
  };
  stillGoing();

  const std::string path = PathFor(space);
  const platform::System::Piece pieces[] = {header, data};
  const Status replaced = system_->Replace(path, pieces, stillGoing);
  if (replaced) return replaced;
  return Status::Failed(replaced.code(), {replaced.Japanese(), text::stages::CannotWrite(path) +
                                                                   ": " + replaced.English()});
}

}  // namespace kelvora::solver
