// The asset forge: writes every picture, sound, music track and slot file of
// the game folder from the drawing code here and the sources in content/.
//
// Each family lives in its own folder (tiles/, figures/, scenes/, windows/, sound/,
// districts/, script/; README.md here lists them) and each family of pictures lists what it writes
// in a manifest (name, size, keyed or opaque), which the tests check file by file.
#pragma once

#include <string>
#include <vector>

#include "picture.h"

namespace forge {

struct PictureSpec {
  std::string name;  // "Morvane15.dat"
  int width;
  int height;
  bool keyed;  // key colour around the drawing (else fully opaque)
};

class Output {
 public:
  Output(std::string gameDir, std::string contentDir)
      : gameDir_(std::move(gameDir)), contentDir_(std::move(contentDir)) {}
  const std::string& GameDir() const { return gameDir_; }
  const std::string& ContentDir() const { return contentDir_; }
  std::string GamePath(const std::string& name) const { return gameDir_ + "/" + name; }
  std::string ContentPath(const std::string& name) const { return contentDir_ + "/" + name; }

  // Saves a finished picture under its name; records a failure.
  void Save(Picture& picture, const std::string& name);
  void Fail(const std::string& what) { errors_.push_back(what); }
  const std::vector<std::string>& Errors() const { return errors_; }

 private:
  std::string gameDir_;
  std::string contentDir_;
  std::vector<std::string> errors_;
};

// --- Families: each writes its files and declares them -------------------------
void ForgeBackgroundStrip(Output& out);  // Morvane15.dat
void ForgeObjectStrip(Output& out);      // Morvane16.dat, Morvane17.dat
void ForgeHeroSheets(Output& out);       // Morvane01.dat, Morvane14.dat
void ForgeWindows(Output& out);        // window backgrounds and pages (Trasken.., Morvane02/04/..)
void ForgeSmallPictures(Output& out);  // arrows, object place, lights, key, pointers
void ForgePortraits(Output& out);      // GameNN.dat
void ForgeScenes(Output& out);         // Zorl01.dat - Zorl14.dat
void ForgeEffects(Output& out);        // Comm00.dat ... (sox)
void ForgeMusic(Output& out);          // Vask01.dat - Vask15.dat (abc2midi)
void ForgeSlots(Output& out);          // Zorl15.dat - Zorl19.dat, only when absent
void ForgeDistricts(Output& out);      // Strategy01.dat - Strategy08.dat from content/districts
void ForgeScript(Output& out);         // Morvane03.dat from content/script, checked
void ForgeIcon(Output& out);           // Icon.dat, the window's icon

std::vector<PictureSpec> BackgroundStripManifest();
std::vector<PictureSpec> ObjectStripManifest();
std::vector<PictureSpec> HeroManifest();
std::vector<PictureSpec> WindowManifest();
std::vector<PictureSpec> SmallPictureManifest();
std::vector<PictureSpec> PortraitManifest();
std::vector<PictureSpec> SceneManifest();
std::vector<PictureSpec> IconManifest();
// Every picture the forge writes.
std::vector<PictureSpec> PictureManifest();

// The icon drawn at `size` pixels square from the origin of `cr`.
void DrawIcon(cairo_t* cr, int size);
// The desktop's icons, DIR/veltrane-N.png for each size, with see-through corners.
inline constexpr int kDesktopIconSizes[] = {16, 24, 32, 48, 64, 128, 256};
bool WriteDesktopIcons(const std::string& dir);

// One review picture: every tile with its code, every hero frame, portrait and small picture.
bool WriteContactSheet(const std::string& gameDir, const std::string& path);

}  // namespace forge
