// Saving pictures and collecting the manifest.
#include "forge.h"

namespace forge {

void Output::Save(Picture& picture, const std::string& name) {
  if (!SavePng(picture, GamePath(name))) Fail("cannot write " + GamePath(name));
}

std::vector<PictureSpec> PictureManifest() {
  std::vector<PictureSpec> all;
  for (auto part :
       {BackgroundStripManifest(), ObjectStripManifest(), HeroManifest(), WindowManifest(),
        SmallPictureManifest(), PortraitManifest(), SceneManifest(), IconManifest()})
    all.insert(all.end(), part.begin(), part.end());
  return all;
}

}  // namespace forge
