// veltrane-run [--data DIR] [--saves DIR] [--display WxHxBITS] [--dpi N] [--another-copy] SCRIPT
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "platform/files.h"
#include "tools/runner/runner.h"

namespace {

int Usage() {
  std::cerr << "usage: veltrane-run [--data DIR] [--saves DIR] [--display WxHxBITS] [--dpi N] "
               "[--another-copy] SCRIPT\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  vt::RunnerOptions options;
  options.dataFolder = vt::ExecutableFolder();
  std::string scriptPath;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--data" && hasValue) {
      options.dataFolder = argv[++i];
    } else if (arg == "--saves" && hasValue) {
      options.savesFolder = argv[++i];
    } else if (arg == "--display" && hasValue) {
      vt::DisplayMode& d = options.display;
      if (std::sscanf(argv[++i], "%dx%dx%d", &d.width, &d.height, &d.bitsPerPixel) != 3)
        return Usage();
    } else if (arg == "--dpi" && hasValue) {
      options.dpi = std::atoi(argv[++i]);
    } else if (arg == "--another-copy") {
      options.anotherCopy = true;
    } else if (!arg.empty() && arg[0] == '-' && arg != "-") {
      return Usage();
    } else if (scriptPath.empty()) {
      scriptPath = arg;
    } else {
      return Usage();
    }
  }
  if (scriptPath.empty()) return Usage();
  std::stringstream text;
  if (scriptPath == "-") {
    text << std::cin.rdbuf();
  } else {
    std::ifstream in(scriptPath);
    if (!in) {
      std::cerr << "veltrane-run: cannot read " << scriptPath << "\n";
      return 2;
    }
    text << in.rdbuf();
  }
  options.scriptName = scriptPath;
  return vt::RunScript(options, text.str(), std::cout, std::cerr);
}
