// (being written)
#include "forge.h"

namespace forge {

void ForgeWindows(Output&) {}
std::vector<PictureSpec> WindowManifest() { return {}; }

}  // namespace forge
