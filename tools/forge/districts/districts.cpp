// The district files: each source of content/districts/ compiled into its Strategy0N.dat.
#include "districts/districts.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "forge.h"

namespace forge {
namespace {

bool ReadText(const std::string& path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream all;
  all << in.rdbuf();
  text = all.str();
  return static_cast<bool>(in) || in.eof();
}

std::string Code3(int code) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "%03d", code);
  return buffer;
}

void TileLines(std::string& out, const TileRows& rows) {
  for (const auto& row : rows) {
    for (int code : row) out += Code3(code);
    out += "\r\n";
  }
}

}  // namespace

std::string DistrictSourceName(int district) { return "d" + std::to_string(district) + ".txt"; }

std::string DistrictDataName(int district) {
  return "Strategy0" + std::to_string(district) + ".dat";
}

std::string DistrictFileText(const DistrictModel& model) {
  std::string out;
  out += std::to_string(model.signs.size()) + "\r\n";
  for (const auto& s : model.signs) out += "\"" + s + "\"\r\n";
  out += std::to_string(model.switches.size()) + "\r\n";
  for (const auto& s : model.switches) out += s + "\r\n";
  out += std::to_string(model.height) + "," + std::to_string(model.width) + "\r\n";
  for (const auto& [key, tiles] : model.screens) {
    out += std::to_string(key.first) + "," + std::to_string(key.second) + "\r\n";
    TileLines(out, tiles.back);
    TileLines(out, tiles.front);
  }
  return out;
}

namespace {

bool ReadLegendFile(const std::string& path, Legend& legend, Output& out) {
  std::vector<std::string> errors;
  std::string text;
  if (ReadText(path, text)) {
    ReadLegendSource(text, path, legend, errors);
  } else {
    errors.push_back(path + ": cannot be read");
  }
  for (const auto& e : errors) out.Fail(e);
  return errors.empty();
}

// Compiles one source into district d's file of the game folder.
void ForgeDistrictFile(const std::string& source, int d, const Legend& shared, Output& out) {
  const std::string target = out.GamePath(DistrictDataName(d));
  std::vector<std::string> errors;
  std::optional<CompiledDistrict> compiled;
  std::string text;
  if (!ReadText(source, text)) {
    errors.push_back(source + ": cannot be read");
  } else {
    compiled = CompileDistrictSource(text, source, shared, errors);
  }
  if (!compiled) {
    // No stale file may stand in for a source that does not compile.
    std::error_code ignored;
    std::filesystem::remove(target, ignored);
    for (const auto& e : errors) out.Fail(e);
    return;
  }
  // What the hero would meet: reported with the record's line, but the file is written, so
  // that a district being built can still be walked through. The district tests fail.
  for (const auto& f : CheckDistrictModel(compiled->model, d, out.GameDir())) {
    int line = 0;
    if (f.sign >= 0) line = compiled->signLines[static_cast<std::size_t>(f.sign)];
    if (f.switchRecord >= 0) line = compiled->switchLines[static_cast<std::size_t>(f.switchRecord)];
    std::cerr << "forge: warning: " << source << ":" << (line ? std::to_string(line) + ":" : "")
              << " " << f.text << "\n";
  }
  const std::string bytes = DistrictFileText(compiled->model);
  std::string existing;
  if (ReadText(target, existing) && existing == bytes) return;
  std::ofstream file(target, std::ios::binary);
  file << bytes;
  if (!file) out.Fail("cannot write " + target);
}

}  // namespace

void ForgeDistricts(Output& out) {
  const std::string folder = out.ContentPath("districts");
  Legend shared;
  if (!ReadLegendFile(folder + "/legend.txt", shared, out)) return;
  std::vector<int> absent;
  for (int d = 1; d <= kDistrictCount; ++d) {
    const std::string source = folder + "/" + DistrictSourceName(d);
    if (!std::filesystem::exists(source)) {
      absent.push_back(d);
      continue;
    }
    ForgeDistrictFile(source, d, shared, out);
  }
  if (!absent.empty()) {
    std::string list;
    for (int d : absent) list += " " + DistrictSourceName(d);
    std::cerr << "forge: district sources not written yet (no district file made):" << list << "\n";
  }
}

void ForgeOneDistrict(const std::string& source, int district, Output& out) {
  Legend shared;
  const auto folder = std::filesystem::path(source).parent_path();
  if (!ReadLegendFile((folder.empty() ? std::string(".") : folder.string()) + "/legend.txt", shared,
                      out))
    return;
  ForgeDistrictFile(source, district, shared, out);
}

}  // namespace forge
