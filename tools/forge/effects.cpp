// (being written)
#include "forge.h"

namespace forge {

void ForgeEffects(Output&) {}

}  // namespace forge
