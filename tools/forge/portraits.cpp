// (being written)
#include "forge.h"

namespace forge {

void ForgePortraits(Output&) {}
std::vector<PictureSpec> PortraitManifest() { return {}; }

}  // namespace forge
