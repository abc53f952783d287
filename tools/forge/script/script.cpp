// The conversation script in the forge run and in `forge --check`.
#include "script/script.h"

#include <filesystem>
#include <fstream>
#include <iostream>

#include "data/script_lines.h"
#include "forge.h"

namespace forge {
namespace {

// A forge run names only the first few gaps; `forge --check` lists them all.
inline constexpr std::size_t kGapsShown = 10;

std::string ScriptFolder(const std::string& contentDir) { return contentDir + "/script"; }

}  // namespace

// Faults of form and of the line rules fail the forge and leave no file; gaps fail it too.
void ForgeScript(Output& out) {
  const auto files = ScriptSourceFiles(ScriptFolder(out.ContentDir()));
  const std::string target = out.GamePath(std::string(vt::kScriptFile));
  if (files.empty()) {
    std::cerr << "forge: script sources not written yet (no " << vt::kScriptFile << " made)\n";
    return;
  }
  std::vector<std::string> errors;
  const Script script = ReadScriptSources(files, errors);
  for (auto& f : CheckScript(script, out.GameDir())) errors.push_back(std::move(f));
  if (!errors.empty()) {
    // No stale script may stand in for sources that are wrong.
    std::error_code ignored;
    std::filesystem::remove(target, ignored);
    for (const auto& e : errors) out.Fail(e);
    return;
  }
  // A conversation the game can ask for and the script lacks fails the build too: the
  // player would meet a speechless person.
  const auto missing = MissingSections(script, out.GameDir());
  for (std::size_t i = 0; i < missing.size() && i < kGapsShown; ++i) out.Fail(missing[i]);
  if (missing.size() > kGapsShown)
    out.Fail(std::to_string(missing.size() - kGapsShown) +
             " more gaps in the script (forge --check GAME_DIR CONTENT_DIR lists them)");
  const std::string bytes = ScriptFileText(script);
  if (FileBytes(target) == bytes) return;
  std::ofstream file(target, std::ios::binary);
  file << bytes;
  if (!file) out.Fail("cannot write " + target);
}

int RunScriptCheck(const std::string& gameDir, const std::string& contentDir,
                   std::ostream& report) {
  const std::string name(vt::kScriptFile);
  const std::string path = gameDir + "/" + name;
  std::vector<std::string> problems;
  Script script;
  if (!contentDir.empty()) {
    const auto files = ScriptSourceFiles(ScriptFolder(contentDir));
    if (files.empty()) {
      report << ScriptFolder(contentDir) << ": no script sources yet\n";
      return 0;
    }
    script = ReadScriptSources(files, problems);
    if (FileBytes(path) != ScriptFileText(script))
      problems.push_back(name + ": not what the sources compile to; run the forge");
  } else {
    if (!std::filesystem::exists(path)) {
      report << name << ": not in the game folder (no sources yet?)\n";
      return 0;
    }
    auto read = ReadScriptFile(path, problems);
    if (read) script = std::move(*read);
  }
  for (auto& p : CheckScript(script, gameDir)) problems.push_back(std::move(p));
  for (auto& p : MissingSections(script, gameDir)) problems.push_back(std::move(p));
  for (const auto& p : problems) report << p << "\n";
  report << name << ": " << script.size() << " sections, "
         << (problems.empty() ? std::string("no problems")
                              : std::to_string(problems.size()) + " problem(s)")
         << "\n";
  return static_cast<int>(problems.size());
}

}  // namespace forge
