// The system in a browser page: Emscripten's POSIX files in memory, the delivered data files built
// in at /game, the records at /records kept in the page's IndexedDB (written through after every
// save), and one tab at a time, through a Web Lock the page takes before the program starts.
#include <emscripten.h>
#include <sys/stat.h>

#include <cstdlib>
#include <string_view>

#include "platform/PosixCalls.h"
#include "platform/System.h"
#include "text/GameText.h"

namespace kelvora::platform {

namespace {

// The page's side (packaging/web/kelvora-page.js) mounts and fills these before main().
constexpr const char* kProgramFolder = "/game";
constexpr const char* kRecordsFolder = "/records";
constexpr const char* kCacheFolder = "/cache";

// 1 when this tab holds the page's lock, 0 when another tab does, -1 when the browser has none.
EM_JS(int, kelvora_tab_lock, (), {
  if (Module.kelvoraTabLock == null) return -1;
  return Module.kelvoraTabLock ? 1 : 0;
});

// Starts copying the records folder to IndexedDB; the page takes no input until it is done.
EM_JS(void, kelvora_persist_records, (), {
  if (Module.kelvoraPersist) Module.kelvoraPersist();
});

// The page's size in CSS pixels, which is what the program's windows share.
EM_JS(int, kelvora_page_width, (), { return window.innerWidth; });
EM_JS(int, kelvora_page_height, (), { return window.innerHeight; });
EM_JS(void, kelvora_fit_page, (int width, int height), {
  if (Module.kelvoraFit) Module.kelvoraFit(width, height);
});

// The tab's lock lasts as long as the page; no other tab can call a tab to the front.
class TabLock final : public HeldLock {
 public:
  bool TakeRequest() override { return false; }
};

bool InRecordsFolder(std::string_view path) {
  const std::string_view records = kRecordsFolder;
  return path.substr(0, records.size()) == records &&
         (path.size() == records.size() || path[records.size()] == '/');
}

class WebSystem final : public System {
 public:
  // Emscripten starts with a file mask of 0777: a data file made under it would have no write bit,
  // and its next save would be refused as read-only. A page has one user, so a desktop's mask.
  WebSystem() { ::umask(022); }

  Handle MakeTemp(std::string& pathTemplate, const std::string& replacing) override {
    return files_.MakeTemp(pathTemplate, replacing);
  }
  long long Write(Handle file, const std::uint8_t* data, std::size_t size) override {
    return files_.Write(file, data, size);
  }
  int Sync(Handle file) override { return files_.Sync(file); }
  int Close(Handle file) override { return files_.Close(file); }
  int Rename(const std::string& from, const std::string& to) override {
    return files_.Rename(from, to);
  }
  int Unlink(const std::string& path) override { return files_.Unlink(path); }

  // The replace's last step: what is now in memory goes to the browser's storage.
  void SyncFolder(const std::string& folder) override {
    if (InRecordsFolder(folder)) kelvora_persist_records();
  }

  bool ReadOnly(const std::string& path) override { return files_.ReadOnly(path); }

  Result<std::unique_ptr<MappedFile>> MapFile(const std::string& path) override {
    return files_.MapFile(path);
  }

  Result<std::unique_ptr<HeldLock>> LockFolder(const std::string& /*folder*/,
                                               const std::string& /*requestFile*/) override {
    switch (kelvora_tab_lock()) {
      case 1:
        return std::unique_ptr<HeldLock>(new TabLock);
      case 0:
        return Status::Failed(Status::Code::kBusy, text::reason::kFolderInUse);
      default:
        return Status::Failed(Status::Code::kUnavailable, text::reason::kFolderUnlockable);
    }
  }

  bool AskToComeForward(const std::string& /*requestFile*/) override { return false; }

  std::string ProgramFolder() override { return kProgramFolder; }

  std::string CacheFolder() override {
    if (auto folder = Environment("KELVORA_CACHE_DIR"); folder && !folder->empty()) {
      return *folder;
    }
    return kCacheFolder;
  }

  std::string PlayerDataFolder() override { return kRecordsFolder; }

  // The delivered files are the page's own: the records go to the player's storage.
  bool CanWriteFolder(const std::string& folder) override {
    return folder != kProgramFolder && files_.CanWriteFolder(folder);
  }

  std::optional<std::string> Environment(const std::string& name) override {
    return files_.Environment(name);
  }

  bool DisplayComesFromEnvironment() override { return false; }

  bool FilesOutOfPlayersReach() override { return true; }

  // Threads need a page served with cross-origin isolation; any static server serves this one.
  bool HasThreads() override { return false; }

  std::optional<PageSize> WindowsPage() override {
    return PageSize{kelvora_page_width(), kelvora_page_height()};
  }

  void FitPageTo(PageSize window) override { kelvora_fit_page(window.width, window.height); }

 private:
  System& files_ = PosixCalls();
};

}  // namespace

System& System::Default() {
  static WebSystem system;
  return system;
}

}  // namespace kelvora::platform
