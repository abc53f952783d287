// Sound effects: each wave file is made by sox from a recipe in
// content/effects/effects.txt; the voices are spoken first by espeak-ng.
//
// sox and espeak-ng are run directly with an argument vector (never through a
// shell); sox with fixed seeds (-R) and no dither (-D), so the same recipes give
// the same bytes. espeak-ng is deterministic by itself (same words, options and
// voice data: same samples).
// Scratch files live in a private temporary folder; a finished effect is
// converted to 16-bit mono 44.1 kHz and renamed into place, so a failed run
// never leaves half a file in the game folder.
#include "sound/effects.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "forge.h"

extern char** environ;

namespace forge {

namespace fs = std::filesystem;

const std::vector<EffectInfo>& EffectManifest() {
  using enum EffectMode;
  static const std::vector<EffectInfo> effects = {
      {"Blip2", "Comm00.dat", Async},        {"Blip2Sync", "Comm00.dat", Wait},
      {"Dah", "Comm01.dat", Wait},           {"Dit", "Comm02.dat", Wait},
      {"Blip1", "Comm03.dat", Async},        {"OpenLib", "Comm05.dat", Async},
      {"Switch", "Comm06.dat", Wait},        {"DoorOpen", "Comm07.dat", Async},
      {"DoorOpenDist", "Comm08.dat", Async}, {"GiveObject", "Comm09.dat", Async},
      {"GetObject", "Comm10.dat", Async},    {"MenuMove", "Comm11.dat", Async},
      {"MenuSelect", "Comm12.dat", Async},   {"JumpToCar", "Comm13.dat", Async},
      {"StartEngine", "Comm14.dat", Wait},   {"SlamDoor", "Comm15.dat", Async},
      {"BackEngine", "Comm16.dat", Loop},    {"Presents", "Comm17.dat", Async},
      {"BackIntro", "Comm18.dat", Async},    {"PhoneRing", "Comm19.dat", Wait},
      {"Clap", "Comm24.dat", Async},         {"Doh!", "Comm25.dat", Async},
      {"Drums", "Comm26.dat", Wait},         {"TaxiStart", "Comm27.dat", Async},
      {"Ahh", "Comm28.dat", Wait},           {"SirenBombing", "Comm29.dat", Async},
      {"TakeOff", "Comm30.dat", Async},      {"TickTick", "Comm31.dat", Async},
      {"Revolution", "Comm32.dat", Async},   {"Destruct", "Comm33.dat", Async},
      {"Drive", "Comm34.dat", Wait},
  };
  return effects;
}

namespace {

bool IsScratchName(const std::string& s) {
  if (s.empty()) return false;
  for (char c : s)
    if (!(std::islower(static_cast<unsigned char>(c)) ||
          std::isdigit(static_cast<unsigned char>(c)) || c == '_'))
      return false;
  return true;
}

bool NameMakesFile(const std::string& name, const std::string& file) {
  for (const auto& e : EffectManifest())
    if (name == e.name && file == e.file) return true;
  return false;
}

bool IsWholeNumber(const std::string& s, int low, int high) {
  if (s.empty() || s.size() > 3) return false;
  for (char c : s)
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  const int n = std::stoi(s);
  return n >= low && n <= high;
}

bool IsVoiceName(const std::string& s) {
  if (s.empty()) return false;
  for (char c : s)
    if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '+' || c == '_'))
      return false;
  return true;
}

// The espeak-ng options a speak line may give: the voice and how it is spoken.
// Nothing else (no other output, no reading of files), so a recipe cannot write
// outside its scratch folder or depend on anything but the words.
std::string CheckSpeakOptions(const std::vector<std::string>& options) {
  struct Range {
    const char* flag;
    int low, high;
  };
  static constexpr Range kNumbers[] = {
      {"-p", 0, 99}, {"-s", 80, 450}, {"-a", 0, 200}, {"-g", 0, 50}};
  if (options.size() % 2)
    return "espeak-ng options come in pairs (-v VOICE, -p N, -s N, -a N, -g N)";
  for (size_t i = 0; i < options.size(); i += 2) {
    const std::string& flag = options[i];
    const std::string& value = options[i + 1];
    if (flag == "-v") {
      if (!IsVoiceName(value)) return "bad voice \"" + value + "\"";
      continue;
    }
    bool known = false;
    for (const auto& r : kNumbers)
      if (flag == r.flag) {
        known = true;
        if (!IsWholeNumber(value, r.low, r.high))
          return flag + " wants a whole number from " + std::to_string(r.low) + " to " +
                 std::to_string(r.high) + ", not \"" + value + "\"";
      }
    if (!known) return "espeak-ng option \"" + flag + "\" is not one of -v -p -s -a -g";
  }
  return "";
}

// "speak $name OPTIONS : WORDS" (the words already split); fills the espeak-ng run.
std::string ParseSpeak(const std::vector<std::string>& words, EffectCommand& command) {
  const auto colon = std::find(words.begin(), words.end(), ":");
  if (words.size() < 2 || colon == words.end() || colon + 1 == words.end())
    return "expected \"speak $name OPTIONS : WORDS\"";
  if (words[1][0] != '$' || !IsScratchName(words[1].substr(1)))
    return "speak writes to a scratch file: \"speak $name ...\", not \"" + words[1] + "\"";
  const std::vector<std::string> options(words.begin() + 2, colon);
  const auto problem = CheckSpeakOptions(options);
  if (!problem.empty()) return problem;
  std::string text;
  for (auto w = colon + 1; w != words.end(); ++w) text += (text.empty() ? "" : " ") + *w;
  command.program = "espeak-ng";
  command.args = {"-w", words[1]};
  command.args.insert(command.args.end(), options.begin(), options.end());
  command.args.push_back("--");
  command.args.push_back(text);
  return "";
}

std::vector<std::string> Split(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

// Checks the words of one sox line; "made" holds the effect files written above it.
std::string CheckTokens(const std::vector<std::string>& args, const std::set<std::string>& made) {
  for (const auto& a : args) {
    if (a[0] == '$' && !IsScratchName(a.substr(1)))
      return "bad scratch name \"" + a + "\" (use $ and lower-case letters, digits, _)";
    if (a[0] == '@' && !made.contains(a.substr(1)))
      return "\"" + a + "\" is not an effect made earlier in the file";
    if (a.find_first_of("$@", 1) != std::string::npos)
      return "\"" + a + "\": $ and @ may only start a word";
  }
  return "";
}

}  // namespace

std::vector<EffectRecipe> ParseEffectRecipes(const std::string& text,
                                             std::vector<std::string>& errors) {
  std::vector<EffectRecipe> recipes;
  std::set<std::string> made;
  std::istringstream in(text);
  std::string line;
  int number = 0;
  auto fail = [&](int at, const std::string& what) {
    errors.push_back("effects.txt line " + std::to_string(at) + ": " + what);
  };
  while (std::getline(in, line)) {
    const int start = ++number;
    // A backslash at the end of a line continues the command on the next one.
    while (!line.empty() && line.back() == '\\' && in) {
      line.pop_back();
      std::string more;
      if (!std::getline(in, more)) break;
      ++number;
      line += " " + more;
    }
    const auto hash = line.find('#');
    if (hash != std::string::npos) line.erase(hash);
    const auto words = Split(line);
    if (words.empty()) continue;
    if (words[0] == "effect") {
      if (words.size() != 3 || !NameMakesFile(words[2], words[1])) {
        fail(start, "expected \"effect CommNN.dat Name\" with a name of the effect table");
        continue;
      }
      if (!recipes.empty()) made.insert(recipes.back().file);
      if (made.contains(words[1])) fail(start, words[1] + " has a second recipe");
      recipes.push_back({words[1], words[2], start, {}});
    } else if (words[0] == "sox" && !recipes.empty()) {
      std::vector<std::string> args(words.begin() + 1, words.end());
      const auto problem = CheckTokens(args, made);
      if (!problem.empty()) fail(start, recipes.back().name + ": " + problem);
      recipes.back().commands.push_back({"sox", std::move(args)});
    } else if (words[0] == "speak" && !recipes.empty()) {
      EffectCommand speak;
      const auto problem = ParseSpeak(words, speak);
      if (!problem.empty()) fail(start, recipes.back().name + ": " + problem);
      recipes.back().commands.push_back(std::move(speak));
    } else {
      fail(start,
           "expected \"effect ...\", \"sox ...\" or \"speak ...\", found \"" + words[0] + "\"");
    }
  }
  std::set<std::string> covered;
  for (const auto& r : recipes) {
    covered.insert(r.file);
    if (r.commands.empty()) fail(r.line, r.name + " has no command");
  }
  for (const auto& e : EffectManifest())
    if (!covered.contains(e.file)) {
      errors.push_back(std::string("effects.txt: no recipe for ") + e.file + " (" + e.name + ")");
      covered.insert(e.file);
    }
  return recipes;
}

namespace {

// The environment for sox and espeak-ng: ours, minus anything that would change
// their output.
std::vector<std::string> ToolEnvironment() {
  std::vector<std::string> env;
  for (char** e = environ; *e; ++e) {
    const std::string var = *e;
    if (var.starts_with("SOX_OPTS=") || var.starts_with("ESPEAK_DATA_PATH=") ||
        var.starts_with("LC_") || var.starts_with("LANG="))
      continue;
    env.push_back(var);
  }
  env.push_back("LC_ALL=C");  // decimal points in the recipes are dots
  return env;
}

// Runs one command (its $ and @ words resolved): sox with fixed seeds and no
// dither, or espeak-ng. Returns "" or what went wrong.
std::string RunTool(const EffectCommand& command, const fs::path& scratch) {
  const std::string& program = command.program;
  std::vector<std::string> argv = {program};
  if (program == "sox") argv.insert(argv.end(), {"-R", "-D", "-V2"});
  argv.insert(argv.end(), command.args.begin(), command.args.end());
  std::vector<char*> cargv;
  for (auto& a : argv) cargv.push_back(a.data());
  cargv.push_back(nullptr);
  auto env = ToolEnvironment();
  std::vector<char*> cenv;
  for (auto& v : env) cenv.push_back(v.data());
  cenv.push_back(nullptr);

  // Both streams go to the log: espeak-ng reports some failures on its standard output.
  const std::string log = (scratch / "tool.log").string();
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_adddup2(&actions, 1, 2);
  pid_t pid = 0;
  const int spawned =
      posix_spawnp(&pid, program.c_str(), &actions, nullptr, cargv.data(), cenv.data());
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0)
    return "cannot run " + program + ": " + std::strerror(spawned) +
           " (install the Debian package " + program + ")";
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }

  std::ifstream in(log);
  std::string messages((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  while (!messages.empty() && messages.back() == '\n') messages.pop_back();
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
    return program + " failed" + (messages.empty() ? std::string() : ": " + messages);
  // A clipped sample is a recipe fault: its level needs lowering.
  if (messages.find("clipped") != std::string::npos) return program + " clipped: " + messages;
  if (program == "espeak-ng") {
    // It says nothing when all is well, and may exit 0 without writing its file.
    if (!messages.empty()) return "espeak-ng: " + messages;
    std::error_code ec;
    const auto size = fs::file_size(command.args.at(1), ec);
    if (ec || size <= 44) return "espeak-ng spoke nothing into " + command.args.at(1);
  }
  return "";
}

EffectCommand Resolve(const EffectCommand& command, const fs::path& scratch, const Output& out) {
  EffectCommand resolved{command.program, {}};
  if (command.program == "espeak-ng") {
    // Only the file after -w is a scratch name; the words are spoken as written.
    resolved.args = command.args;
    resolved.args[1] = (scratch / (command.args[1].substr(1) + ".wav")).string();
    return resolved;
  }
  for (const auto& a : command.args) {
    if (a[0] == '$')
      resolved.args.push_back((scratch / (a.substr(1) + ".wav")).string());
    else if (a[0] == '@')
      resolved.args.push_back(out.GamePath(a.substr(1)));
    else
      resolved.args.push_back(a);
  }
  return resolved;
}

// Makes one effect file; returns "" or what went wrong.
std::string MakeEffect(const EffectRecipe& recipe, const fs::path& scratch, const Output& out) {
  std::error_code ec;
  fs::remove_all(scratch, ec);
  fs::create_directories(scratch, ec);
  if (ec) return "cannot make the scratch folder " + scratch.string();
  for (const auto& command : recipe.commands) {
    const auto problem = RunTool(Resolve(command, scratch, out), scratch);
    if (!problem.empty()) return problem;
  }
  const fs::path result = scratch / "out.wav";
  if (!fs::exists(result)) return "the recipe never writes $out";
  const std::string part = out.GamePath("." + recipe.file + ".part");
  const auto problem = RunTool({"sox",
                                {result.string(), "-t", "wav", "-e", "signed-integer", "-b", "16",
                                 "-c", "1", "-r", "44100", part}},
                               scratch);
  if (!problem.empty()) {
    fs::remove(part, ec);
    return problem;
  }
  fs::rename(part, out.GamePath(recipe.file), ec);
  if (ec) return "cannot write " + out.GamePath(recipe.file) + ": " + ec.message();
  return "";
}

}  // namespace

void ForgeEffects(Output& out) {
  const std::string path = out.ContentPath("effects/effects.txt");
  std::ifstream in(path);
  if (!in) {
    out.Fail("cannot read " + path);
    return;
  }
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::vector<std::string> errors;
  const auto recipes = ParseEffectRecipes(text, errors);
  for (const auto& e : errors) out.Fail(e);
  if (!errors.empty()) return;

  std::string pattern = (fs::temp_directory_path() / "veltrane-effects-XXXXXX").string();
  if (!mkdtemp(pattern.data())) {
    out.Fail("cannot make a temporary folder for the effects");
    return;
  }
  const fs::path temp = pattern;
  for (const auto& recipe : recipes) {
    const auto problem = MakeEffect(recipe, temp / "work", out);
    if (problem.empty()) continue;
    out.Fail("effect " + recipe.name + " (" + recipe.file + "): " + problem);
    // No stale file from an earlier run: it would pass for this one.
    std::error_code gone;
    fs::remove(out.GamePath(recipe.file), gone);
  }
  std::error_code ec;
  fs::remove_all(temp, ec);
}

}  // namespace forge
