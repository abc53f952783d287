// (being written)
#include "forge.h"

namespace forge {

void ForgeObjectStrip(Output&) {}
std::vector<PictureSpec> ObjectStripManifest() { return {}; }

}  // namespace forge
