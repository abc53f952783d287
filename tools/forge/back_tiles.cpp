// (being written)
#include "forge.h"

namespace forge {

void ForgeBackgroundStrip(Output&) {}
std::vector<PictureSpec> BackgroundStripManifest() { return {}; }

}  // namespace forge
