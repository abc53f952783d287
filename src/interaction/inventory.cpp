// The inventory bar: adding and giving away objects, moving the selection,
// scrolling the row, and naming the selected object.
//
// The frame's position is the only record of which place is selected; the
// slot shown in place k is InvFirst - p + k, p being the framed place.
#include <array>
#include <string>
#include <string_view>

#include "interaction/interaction.h"
#include "screen/compositing.h"
#include "screen/game_form.h"
#include "shell/game.h"

namespace vt {
namespace {

constexpr int kPlaces = 6;
constexpr int kLastSlot = 40;
constexpr int kTile = 30;
constexpr int kFrameInset = 2;  // the frame's left edge sits 2 px left of its place

struct ObjectName {
  int object;
  std::string_view name;
};

constexpr std::array<ObjectName, 23> kObjectNames{{
    {30, "Plague documents"},
    {32, "An 'Islamia Oil' Employee Pass"},
    {33, "A coin"},
    {38, "The shoes of the Minister of Finance"},
    {39, "An expensive wrist watch"},
    {40, "Lipstick"},
    {41, "An antique bowl"},
    {42, "A key"},
    {43, "'Teen Sheen' magazine"},
    {73, "Concert tickets"},
    {84, "A professor disguise including ID documents"},
    {120, "Ahmed Phatami's University Scientist ID"},
    {121, "A student pass for the Research Labs"},
    {122, "A lockpick"},
    {123, "Docs from the Minister of War to the Minister of Finance"},
    {126, "FAKE Missile Construction Blueprints"},
    {127, "The REAL Missile Construction Blueprints"},
    {128, "The keys to Abed's car"},
    {129, "A fairly ugly wig"},
    {130, "Mrs. Hassani's green dress"},
    {150, "A small blue ball"},
    {162, "A 'Club Nargila' membership card"},
    {172, "A Security Pass for Islamia Oil's secret labs"},
}};

constexpr std::string_view kEmptyInventory = "The Inventory is empty";

std::string_view NameOf(int object) {
  for (const ObjectName& entry : kObjectNames)
    if (entry.object == object) return entry.name;
  return {};
}

// The object in a slot; slots outside the array read as empty.
int SlotObject(const WorldState& w, int slot) {
  return slot >= 1 && slot <= kLastSlot ? w.Inventory[slot] : 0;
}

// The place the frame marks. The frame only ever stands on a place; should it
// not, the first place is the safe answer.
int FramedPlace(const GameForm& form) {
  for (int k = 1; k <= kPlaces; ++k)
    if (form.ObjectImage[k].Bounds.x == form.InvSelect->Bounds.x + kFrameInset) return k;
  return 1;
}

void MoveFrameTo(GameForm& form, int place) {
  form.InvSelect->Bounds.x = form.ObjectImage[place].Bounds.x - kFrameInset;
}

// Object n over the place background; 0 gives the plain background.
void DrawPlace(Game& game, int place, int object) {
  GameSurfaces& s = game.surfaces;
  // A missing or odd-sized background still leaves a 30 × 30 place.
  Surface background;
  s.ClippedObject.Resize(kTile, kTile, kBlack);
  if (game.LoadPicture(background, "Morvane11.dat"))
    Copy(s.ClippedObject, 0, 0, background, 0, 0, kTile, kTile);
  if (object != 0) {
    // Cleared first so that a number beyond the strip draws nothing stale.
    s.ClippedObject2.Resize(kTile, kTile, kKeyColor);
    Copy(s.ClippedObject2, 0, 0, s.PclipObjects, kTile * object, 0, kTile, kTile);
    TransparentBlt(s.ClippedObject, s.ClippedObject, s.ClippedObject2, kTile, kTile, 0, 0);
  }
  game.gameForm.ObjectImage[place].Picture = s.ClippedObject;
}

// Redraws the six places with the slots from `firstSlot` on.
void DrawPlaces(Game& game, int firstSlot) {
  for (int k = 1; k <= kPlaces; ++k) DrawPlace(game, k, SlotObject(game.world, firstSlot + k - 1));
}

// The row as the selection sees it: slot InvFirst stands in the framed place.
void DrawRow(Game& game) { DrawPlaces(game, game.world.InvFirst - FramedPlace(game.gameForm) + 1); }

void SetFirst(WorldState& w, int slot) { w.InvFirst = static_cast<std::uint8_t>(slot); }

// False when the object cannot be taken: nothing is written past the last slot.
bool Add(Game& game, int object) {
  WorldState& w = game.world;
  GameForm& form = game.gameForm;
  if (w.InvCount >= kLastSlot || object <= 0) {
    game.ReportOnce("the inventory cannot take object " + std::to_string(object));
    return false;
  }
  ++w.InvCount;
  w.Inventory[w.InvCount] = static_cast<std::int16_t>(object);
  // A new game empties only the slots the bar shows; later ones may hold an
  // old game's objects, and the row must end right after the last object.
  if (w.InvCount < kLastSlot) w.Inventory[w.InvCount + 1] = 0;
  if (w.InvCount <= kPlaces) {
    DrawPlace(game, w.InvCount, object);
    form.ObjectImage[w.InvCount].Visible = true;
    form.InvSelect->Visible = true;
  } else {
    SetFirst(w, w.InvCount);
    MoveFrameTo(form, kPlaces);
    DrawPlaces(game, w.InvCount - kPlaces + 1);
  }
  return true;
}

void Give(Game& game, int object) {
  WorldState& w = game.world;
  GameForm& form = game.gameForm;
  for (int i = 1; i <= w.InvCount && i <= kLastSlot; ++i) {
    if (w.Inventory[i] != object) continue;
    for (int j = i; j <= w.InvCount && j <= kLastSlot; ++j)
      w.Inventory[j] = static_cast<std::int16_t>(SlotObject(w, j + 1));
    --w.InvCount;
    break;
  }
  SetFirst(w, 1);
  MoveFrameTo(form, 1);
  if (w.InvCount < kPlaces) {
    PictureBox& after = form.ObjectImage[w.InvCount + 1];
    after.Picture.Clear(kBlack);
    after.Visible = false;
  }
  for (int k = 1; k <= w.InvCount && k <= kPlaces; ++k) DrawPlace(game, k, w.Inventory[k]);
  if (w.InvCount == 0) form.InvSelect->Visible = false;
}

// Performs the action; false when it stopped early and nothing changed.
bool Perform(Game& game, std::string_view action, int argument) {
  WorldState& w = game.world;
  GameForm& form = game.gameForm;
  const int p = FramedPlace(form);
  if (action == "Get" || action == "Load") return Add(game, argument);
  if (action == "Giv") {
    Give(game, argument);
    return true;
  }
  if (action == "MoveRight") {
    const int next = w.InvFirst + 1;
    if (next > w.InvCount || SlotObject(w, next) == 0) return false;
    if (p < kPlaces) {
      SetFirst(w, next);
      MoveFrameTo(form, p + 1);
      return true;
    }
    SetFirst(w, next);
    DrawRow(game);
    return true;
  }
  if (action == "MoveLeft") {
    if (w.InvFirst <= 1) return false;
    SetFirst(w, w.InvFirst - 1);
    if (p > 1)
      MoveFrameTo(form, p - 1);
    else
      DrawRow(game);
    return true;
  }
  if (action == "Move All Right") {
    if (!w.InvScrollFwd || w.InvFirst >= w.InvCount) return false;
    SetFirst(w, w.InvFirst + 1);
    DrawRow(game);
    return true;
  }
  if (action == "Move All Left") {
    if (!w.InvScrollBack || w.InvFirst <= 1) return false;
    SetFirst(w, w.InvFirst - 1);
    DrawRow(game);
    return true;
  }
  if (action == "Jump To Inv") {
    const int slot = w.InvFirst + argument - p;
    if (argument < 1 || argument > kPlaces || slot < 1 || slot > w.InvCount) return false;
    SetFirst(w, slot);
    MoveFrameTo(form, argument);
    return true;
  }
  return false;
}

}  // namespace

void InventoryAction(Game& game, std::string_view action, int argument) {
  WorldState& w = game.world;
  GameForm& form = game.gameForm;
  // The bar's controls exist only while the game screen is loaded.
  if (!form.IsLoaded()) form.Load();
  if (!Perform(game, action, argument)) return;

  const int p = FramedPlace(form);
  // The first slot is in view when the framed place holds slot p.
  w.InvScrollBack = p != w.InvFirst;
  game.LoadPicture(form.ObjectImage[0].Picture,
                   w.InvScrollBack ? "Morvane09.dat" : "Morvane10.dat");
  w.InvScrollFwd = w.InvFirst + kPlaces - p != w.InvCount && w.InvCount > kPlaces;
  game.LoadPicture(form.ObjectImage[7].Picture, w.InvScrollFwd ? "Morvane07.dat" : "Morvane08.dat");
  // Loading a game, the keys and the arrows stay quiet.
  if (action != "Load" && argument != 0) game.PlaySound("GetObject");
  ShowObjectName(game);
}

void ShowObjectName(Game& game) {
  const WorldState& w = game.world;
  Label* label = game.gameForm.InvLabel;
  if (label == nullptr) return;
  if (w.InvCount == 0) {
    label->Caption = std::string(kEmptyInventory);
    return;
  }
  // An object without a name leaves the previous one showing.
  if (const std::string_view name = NameOf(SlotObject(w, w.InvFirst)); !name.empty())
    label->Caption = std::string(name);
}

}  // namespace vt
