// (being written)
#include "forge.h"

namespace forge {

void ForgeScenes(Output&) {}
std::vector<PictureSpec> SceneManifest() { return {}; }

}  // namespace forge
