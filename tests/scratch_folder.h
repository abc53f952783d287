// A folder of its own for each test, removed afterwards, and a way to put bytes in it.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace vt::test {

class ScratchFolder : public ::testing::Test {
 protected:
  explicit ScratchFolder(std::string prefix) : prefix_(std::move(prefix)) {}
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           (prefix_ + std::to_string(getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  // Writes `bytes` as file `name` of the folder; returns its path.
  std::string Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
    const std::string path = (dir_ / name).string();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return path;
  }
  std::filesystem::path dir_;

 private:
  std::string prefix_;
};

}  // namespace vt::test
