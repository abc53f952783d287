// What every fuzz target shares: a folder of its own for the files the readers
// open, and a way to put the fuzzer's bytes into one of them.
#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

namespace vt::fuzz {

// A folder under the temporary folder, one per process, removed at exit.
inline const std::filesystem::path& Scratch() {
  static const std::filesystem::path dir = [] {
    auto path =
        std::filesystem::temp_directory_path() / ("veltrane-fuzz-" + std::to_string(getpid()));
    std::filesystem::create_directories(path);
    return path;
  }();
  static const struct Remover {
    ~Remover() {
      std::error_code ignored;
      std::filesystem::remove_all(dir, ignored);
    }
  } remover;
  return dir;
}

// Writes the bytes as `name` in the scratch folder and returns the file's path.
inline std::string PutFile(const std::string& name, const std::uint8_t* data, std::size_t size) {
  const std::string path = (Scratch() / name).string();
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  return path;
}

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// A fault the fuzzer must report: a broken promise of the code under test.
[[noreturn]] inline void Broken(const char* what) {
  (void)!write(2, what, std::char_traits<char>::length(what));
  (void)!write(2, "\n", 1);
  __builtin_trap();
}

}  // namespace vt::fuzz

// Each target is one file that includes this once: the fuzzer calls this before the
// first input. The game reports every damaged file it meets on the error stream, and
// millions of inputs would drown the fuzzer's own output; a sanitizer's report still
// gets through.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::cerr.rdbuf(nullptr);
  return 0;
}
