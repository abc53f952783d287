// (being written)
#include "forge.h"

namespace forge {

void ForgeSmallPictures(Output&) {}
std::vector<PictureSpec> SmallPictureManifest() { return {}; }

}  // namespace forge
