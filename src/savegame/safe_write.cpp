// Whole-or-nothing file writes.
#include "savegame/safe_write.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace vt {
namespace {

class PosixFiles final : public FileOps {
 public:
  int Create(const std::string& path) override {
    int fd;
    do fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    while (fd < 0 && errno == EINTR);
    return fd;
  }
  bool Write(int file, std::string_view bytes) override {
    while (!bytes.empty()) {
      const ssize_t n = ::write(file, bytes.data(), bytes.size());
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return false;
      bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
  }
  bool Sync(int file) override { return ::fsync(file) == 0; }
  bool Close(int file) override { return ::close(file) == 0; }
  bool Rename(const std::string& from, const std::string& to) override {
    return std::rename(from.c_str(), to.c_str()) == 0;
  }
  void Remove(const std::string& path) override { ::unlink(path.c_str()); }
  void SyncFolder(const std::string& folder) override {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
  }
};

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? "." : path.substr(0, slash);
}

}  // namespace

FileOps& SystemFiles() {
  static PosixFiles files;
  return files;
}

bool WriteFileSafely(FileOps& ops, const std::string& path, std::string_view bytes,
                     std::string& problem, std::size_t piece) {
  const std::string temp = path + ".new";
  auto fail = [&](const char* step) {
    problem =
        std::string(step) + " " + temp + (errno ? std::string(": ") + std::strerror(errno) : "");
    return false;
  };
  errno = 0;
  const int file = ops.Create(temp);
  if (file < 0) return fail("cannot create");
  bool written = true;
  for (std::size_t at = 0; written && at < bytes.size(); at += piece)
    written = ops.Write(file, bytes.substr(at, piece));
  if (!written || !ops.Sync(file)) {
    fail(written ? "cannot flush" : "cannot write");
    ops.Close(file);
    ops.Remove(temp);
    return false;
  }
  if (!ops.Close(file)) {
    fail("cannot close");
    ops.Remove(temp);
    return false;
  }
  if (!ops.Rename(temp, path)) {
    fail("cannot rename");
    ops.Remove(temp);
    return false;
  }
  ops.SyncFolder(FolderOf(path));
  return true;
}

}  // namespace vt
