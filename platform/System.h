// Everything the game asks of the system it runs on, behind one interface: files read whole and
// replaced crash-safe, files mapped, the folder lock, the program's, the cache's and the player's
// folders, the environment. The real one is System::Default(); tests wrap it to make any step fail.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/Status.h"

namespace kelvora::platform {

// The bytes of a file, mapped read-only or read into memory of their own; they go with the
// object.
class MappedFile {
 public:
  virtual ~MappedFile() = default;
  virtual std::span<const std::uint8_t> Bytes() const = 0;
};

// A folder's lock while it is held; the system lets go of it when this goes, or when the
// process ends however it ends.
class HeldLock {
 public:
  virtual ~HeldLock() = default;
  // Whether another process has asked the holder to come forward since the last call; the
  // request is answered by being taken.
  virtual bool TakeRequest() = 0;
};

class System {
 public:
  // A file descriptor, or a Windows file handle.
  using Handle = std::intptr_t;
  static constexpr Handle kNoFile = -1;
  // What a replace writes, in order, as one file.
  using Piece = std::span<const std::uint8_t>;

  // The system the game runs on (SystemLinux.cpp, SystemWindows.cpp, SystemWeb.cpp).
  static System& Default();

  virtual ~System() = default;

  // ---- Whole files (System.cpp, the same on every system). Paths are UTF-8.

  // The file's bytes; Code::kNotFound when there is no such file.
  Result<std::string> Read(const std::string& path);
  // Writes a temporary file beside the old one, flushes it to the disk and puts it in the old
  // one's place in one step, so a crash or a full disk at any moment leaves either the whole old
  // file or the whole new one. Where the path is a symbolic link, the link stays and the file it
  // names is replaced; the new file keeps the old one's permissions (and on Windows its
  // attributes and access list). A file the player made read-only is not replaced. `wrote` is
  // called as the writing goes on, after each few megabytes.
  Status Replace(const std::string& path, std::span<const Piece> pieces,
                 const std::function<void()>& wrote = {});
  Status Replace(const std::string& path, std::string_view contents);
  // Removes what an interrupted replace of this file may have left beside it. Only safe while no
  // other process can be replacing the same file.
  void RemoveReplaceLeftovers(const std::string& path);

  // ---- The steps of a replace. Each returns what its POSIX namesake returns (-1 on failure)
  // and leaves errno set on failure; Windows errors are translated to errno values.

  // Creates a new, uniquely named file from a template ending in XXXXXX with the permissions of
  // `replacing` (its permission bits; on Windows its access list), or those a new file of this
  // user gets when there is no such file. On Windows the new file is hidden until it takes the
  // old one's place.
  virtual Handle MakeTemp(std::string& pathTemplate, const std::string& replacing) = 0;
  virtual long long Write(Handle file, const std::uint8_t* data, std::size_t size) = 0;
  // Returns once the file's contents are on the disk.
  virtual int Sync(Handle file) = 0;
  virtual int Close(Handle file) = 0;
  // Puts `from` in the place of `to`, replacing it, in one step that a crash cannot split. On
  // Windows `from` first takes the hidden and system attributes of `to`.
  virtual int Rename(const std::string& from, const std::string& to) = 0;
  virtual int Unlink(const std::string& path) = 0;
  // Makes a rename in the folder durable; failure here cannot undo the rename and is ignored.
  virtual void SyncFolder(const std::string& folder) = 0;
  // Whether an existing file is one the player made read-only (`chmod a-w`, or the read-only
  // attribute); false when there is no such file.
  virtual bool ReadOnly(const std::string& path) = 0;

  // ---- Mapped files.

  // The whole file mapped read-only; Code::kNotFound when there is no such file, kDamaged when
  // it is empty.
  virtual Result<std::unique_ptr<MappedFile>> MapFile(const std::string& path) = 0;
  // The whole file read into memory of the process's own, read-only: no search stops to fault its
  // pages in, and where the system gives large pages to a program that asks (Linux), a table
  // looked up all over costs far fewer address translations. Slower to open than a mapping, and
  // never shared with other processes. The browser's system maps the file, its memory being the
  // page's own either way. Failures as MapFile's.
  virtual Result<std::unique_ptr<MappedFile>> LoadFile(const std::string& path) {
    return MapFile(path);
  }

  // ---- The folder lock (FolderLock.h builds one copy per folder on these two).

  // Locks `folder` for this process; `requestFile` is where other processes ask the holder to
  // come forward. Code::kBusy when another process holds the lock, kUnavailable when no lock can
  // be had here at all.
  virtual Result<std::unique_ptr<HeldLock>> LockFolder(const std::string& folder,
                                                       const std::string& requestFile) = 0;
  // Asks the holder of a folder's lock to come forward, through its request file; false when the
  // request could not be made. The holder answers by emptying the file.
  virtual bool AskToComeForward(const std::string& requestFile) = 0;

  // ---- Folders and the environment.

  // The folder that holds the running program, UTF-8, as the system writes it, without its
  // trailing separator (unless it is a root folder); empty if the system cannot tell.
  virtual std::string ProgramFolder() = 0;
  // Where caches go: KELVORA_CACHE_DIR, else on Windows %LOCALAPPDATA%\kelvora, elsewhere
  // $XDG_CACHE_HOME/kelvora, else ~/.cache/kelvora; empty when none of them is set.
  virtual std::string CacheFolder() = 0;
  // Where the player's own files go when the program's folder is not theirs: on Windows
  // %APPDATA%\KELVORA, elsewhere $XDG_DATA_HOME/kelvora, else ~/.local/share/kelvora; empty
  // when none of them is set.
  virtual std::string PlayerDataFolder() = 0;
  // Whether this user may make files in an existing folder (not in /usr/games, nor in Program
  // Files without being asked).
  virtual bool CanWriteFolder(const std::string& folder) = 0;
  // An environment variable in UTF-8; none when it is not set.
  virtual std::optional<std::string> Environment(const std::string& name) = 0;
  // Whether windows open only where the environment names a display (an X server, a Wayland
  // compositor); on Windows the desktop is always there.
  virtual bool DisplayComesFromEnvironment() = 0;
  // Whether the player's files lie where none of their own tools reach them (a browser's
  // storage): the game then offers to take them out and to put them back.
  virtual bool FilesOutOfPlayersReach() { return false; }
  // Whether work can run beside the window on threads of its own (not in a browser page).
  virtual bool HasThreads() { return true; }
  // The width and height of the page that holds every window, where one does (a browser): no
  // window manager places or fits the window there, so the program does.
  struct PageSize {
    int width;
    int height;
  };
  virtual std::optional<PageSize> WindowsPage() { return std::nullopt; }
  // Where there is such a page, draws it scaled down when it is smaller than WINDOW (the frame
  // of the window it holds), so that the whole window stays in view.
  virtual void FitPageTo(PageSize /*window*/) {}
};

}  // namespace kelvora::platform
