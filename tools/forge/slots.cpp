// The five saved-game slots start empty; an existing slot is never touched.
#include <filesystem>
#include <fstream>

#include "forge.h"

namespace forge {

void ForgeSlots(Output& out) {
  for (int slot = 15; slot <= 19; ++slot) {
    const std::string path = out.GamePath("Zorl" + std::to_string(slot) + ".dat");
    if (std::filesystem::exists(path)) continue;
    std::ofstream file(path, std::ios::binary);
    file << "<EMPTY>\r\n";
    if (!file) out.Fail("cannot write " + path);
  }
}

}  // namespace forge
