// (being written)
#include "forge.h"

namespace forge {

void ForgeMusic(Output&) {}

}  // namespace forge
