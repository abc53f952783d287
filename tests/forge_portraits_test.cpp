// Speaker portraits and scene pictures as the talk window and the cinematic
// window use them: a portrait for every speaker code, a figure standing on the
// key colour that the window lets show through, every portrait telling its
// speaker apart; every scene opaque, sized for the place it is shown in.
#include <cairo.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "forge.h"
#include "forge_image.h"

namespace {

constexpr std::uint32_t kKey = 0x00FFFF;
constexpr int kSpeakerCodes = 44;  // 00 .. 43: the whole cast

using forge_test::Image;

Image Load(const std::string& name) { return forge_test::LoadForged(name); }

std::string PortraitName(int code) {
  char name[16];
  std::snprintf(name, sizeof name, "Game%02d.dat", code);
  return name;
}

template <class List>
auto ByName(const List& list) {
  std::map<std::string, typename List::value_type> m;
  for (const auto& s : list) m[s.name] = s;
  return m;
}

TEST(ForgePortraits, EverySpeakerCodeHasAPortraitOfTheWindowSize) {
  const auto manifest = ByName(forge::PortraitManifest());
  EXPECT_EQ(manifest.size(), forge::PortraitManifest().size()) << "a portrait is listed twice";
  for (int code = 0; code < kSpeakerCodes; ++code) {
    const std::string name = PortraitName(code);
    ASSERT_TRUE(manifest.count(name)) << name << " missing from the manifest";
    EXPECT_EQ(manifest.at(name).width, 200);
    EXPECT_EQ(manifest.at(name).height, 150);
    EXPECT_TRUE(manifest.at(name).keyed) << name;
    const Image img = Load(name);
    EXPECT_EQ(img.width, 200) << name;
    EXPECT_EQ(img.height, 150) << name;
  }
}

TEST(ForgePortraits, FigureStandsOnTheKeyColour) {
  for (int code = 0; code < kSpeakerCodes; ++code) {
    const std::string name = PortraitName(code);
    const Image img = Load(name);
    ASSERT_EQ(img.width, 200) << name;
    for (auto [x, y] : {std::pair{0, 0}, {199, 0}, {0, 149}, {199, 149}})
      EXPECT_EQ(img.At(x, y), kKey) << name << " corner " << x << "," << y;
    int drawn = 0;
    int nearKey = 0;
    for (std::uint32_t p : img.pixels) {
      if (p == kKey) continue;
      ++drawn;
      if (forge::NearKey(p >> 16, (p >> 8) & 255, p & 255)) ++nearKey;
    }
    const double share = static_cast<double>(drawn) / img.pixels.size();
    EXPECT_GT(share, 0.15) << name << " figure too small";
    EXPECT_LT(share, 0.85) << name << " hardly any background shows";
    EXPECT_EQ(nearKey, 0) << name << " has colours a viewer takes for the key";
  }
}

TEST(ForgePortraits, PeopleAreHeadAndShouldersWithHatsInsideTheFrame) {
  // Codes 00-39 are people: shoulders run out at the bottom, the head (with
  // any hat) clears the top edge.
  for (int code = 0; code < 40; ++code) {
    const std::string name = PortraitName(code);
    const Image img = Load(name);
    ASSERT_EQ(img.width, 200) << name;
    int bottom = 0;
    for (int x = 0; x < 200; ++x) bottom += img.At(x, 149) != kKey;
    EXPECT_GT(bottom, 80) << name << " shoulders do not reach the bottom edge";
    for (int x = 60; x < 140; ++x) EXPECT_EQ(img.At(x, 0), kKey) << name << " cut at the top";
  }
}

TEST(ForgePortraits, EverySpeakerLooksDifferent) {
  std::vector<Image> all;
  for (int code = 0; code < kSpeakerCodes; ++code) all.push_back(Load(PortraitName(code)));
  for (int a = 0; a < kSpeakerCodes; ++a)
    for (int b = a + 1; b < kSpeakerCodes; ++b) {
      ASSERT_EQ(all[a].pixels.size(), all[b].pixels.size());
      int differ = 0;
      for (size_t i = 0; i < all[a].pixels.size(); ++i)
        differ += all[a].pixels[i] != all[b].pixels[i];
      EXPECT_GT(differ, 600) << PortraitName(a) << " and " << PortraitName(b) << " look alike";
    }
}

TEST(ForgeScenes, EverySceneIsAnOpaquePictureOfItsListedSize) {
  const auto list = forge::SceneManifest();
  ASSERT_EQ(list.size(), 14u);
  std::set<std::string> names;
  for (const auto& entry : list) names.insert(entry.name);
  for (int n = 1; n <= 14; ++n) {
    char name[16];
    std::snprintf(name, sizeof name, "Zorl%02d.dat", n);
    EXPECT_TRUE(names.count(name)) << name;
  }
  for (const auto& entry : list) {
    EXPECT_FALSE(entry.keyed) << entry.name;
    const Image img = Load(entry.name);
    EXPECT_EQ(img.width, entry.width) << entry.name;
    EXPECT_EQ(img.height, entry.height) << entry.name;
    std::set<std::uint32_t> colours(img.pixels.begin(), img.pixels.end());
    EXPECT_GT(colours.size(), 200u) << entry.name << " looks flat";
    int key = 0;
    for (std::uint32_t p : img.pixels) key += p == kKey;
    EXPECT_LT(key, static_cast<int>(img.pixels.size() / 100)) << entry.name << " shows key colour";
  }
}

TEST(ForgeScenes, ScenesFitTheirPlacesInTheCinematicWindow) {
  const auto manifest = ByName(forge::SceneManifest());
  auto size = [&](const char* name) { return manifest.at(name); };
  // Loaded into the centre place or the two speaker places without moving.
  for (const char* name : {"Zorl01.dat", "Zorl02.dat", "Zorl03.dat", "Zorl04.dat", "Zorl05.dat"}) {
    EXPECT_LE(size(name).width, 357) << name;
    EXPECT_LE(size(name).height, 256) << name;
  }
  for (const char* name : {"Zorl06.dat", "Zorl07.dat"}) {
    EXPECT_LE(size(name).width, 188) << name;
    EXPECT_LE(size(name).height, 175) << name;
  }
  // Centred on the 640 x 480 window and lifted (twips); the caption below
  // starts at y 316, moved down on two steps.
  struct Placed {
    const char* name;
    int liftTwips;
    int captionDownTwips;
  };
  for (const Placed& p :
       {Placed{"Zorl08.dat", 1000, 500}, Placed{"Zorl09.dat", 600, 0},
        Placed{"Zorl10.dat", 300, 250}, Placed{"Zorl11.dat", 650, 0}, Placed{"Zorl12.dat", 450, 0},
        Placed{"Zorl13.dat", 400, 0}, Placed{"Zorl14.dat", 400, 0}}) {
    const auto s = size(p.name);
    const double top = 240.0 - s.height / 2.0 - p.liftTwips / 15.0;
    const double caption = 316.0 + p.captionDownTwips / 15.0;
    EXPECT_GE(top, 0) << p.name;
    EXPECT_LE(top + s.height, caption) << p.name << " runs into its caption";
    EXPECT_LE(s.width, 640) << p.name;
  }
}

}  // namespace
