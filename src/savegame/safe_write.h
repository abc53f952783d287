// Writing a file so that it is either wholly replaced or left as it was: the
// bytes go to a file beside it, are flushed to the disk, and only then take
// the old file's name.
#pragma once

#include <string>
#include <string_view>

namespace vt {

// The file operations a safe write goes through; a test puts in one that fails
// where it likes.
class FileOps {
 public:
  virtual ~FileOps() = default;
  // Creates or truncates `path` for writing; -1 on failure.
  virtual int Create(const std::string& path) = 0;
  virtual bool Write(int file, std::string_view bytes) = 0;
  virtual bool Sync(int file) = 0;
  virtual bool Close(int file) = 0;
  virtual bool Rename(const std::string& from, const std::string& to) = 0;
  virtual void Remove(const std::string& path) = 0;
  // Makes a rename in `folder` last (best effort).
  virtual void SyncFolder(const std::string& folder) = 0;
};

// The operating system's files.
FileOps& SystemFiles();

// Writes `bytes` as the file `path`, in pieces of at most `piece` bytes.
// False, with `problem` saying which step failed, when the file could not be
// replaced; the file at `path` is then exactly as it was.
bool WriteFileSafely(FileOps& ops, const std::string& path, std::string_view bytes,
                     std::string& problem, std::size_t piece = 512);

}  // namespace vt
