// The inventory bar: adding and giving away objects, moving the selection,
// scrolling the row, and naming the selected object.
//
// The frame's position is the only record of which place is selected; the
// slot shown in place k is InvFirst - p + k, p being the framed place.
#include <array>
#include <string>
#include <string_view>

#include "core/game.h"
#include "data/object_names.h"
#include "interaction/interaction.h"

namespace vt {
namespace {

constexpr int kPlaces = 6;
constexpr int kLastSlot = 40;
constexpr int kTile = 30;
constexpr int kFrameInset = 2;  // the frame's left edge sits 2 px left of its place

constexpr std::string_view kEmptyInventory = "The Inventory is empty";

// The object in a slot; slots outside the array read as empty.
int SlotObject(const WorldState& w, int slot) {
  return slot >= 1 && slot <= kLastSlot ? w.Inventory[slot] : 0;
}

// The place the frame marks. The frame only ever stands on a place; should it
// not, the first place is the safe answer.
int FramedPlace(const InventoryBar& bar) {
  for (int k = 1; k <= kPlaces; ++k)
    if (bar.ObjectImage[k].Bounds.x == bar.InvSelect->Bounds.x + kFrameInset) return k;
  return 1;
}

void MoveFrameTo(InventoryBar& bar, int place) {
  bar.InvSelect->Bounds.x = bar.ObjectImage[place].Bounds.x - kFrameInset;
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
  game.windows.Screen().Bar().ObjectImage[place].Picture = s.ClippedObject;
}

// Redraws the six places with the slots from `firstSlot` on.
void DrawPlaces(Game& game, int firstSlot) {
  for (int k = 1; k <= kPlaces; ++k) DrawPlace(game, k, SlotObject(game.world, firstSlot + k - 1));
}

// The row as the selection sees it: slot InvFirst stands in the framed place.
void DrawRow(Game& game) {
  DrawPlaces(game, game.world.InvFirst - FramedPlace(game.windows.Screen().Bar()) + 1);
}

void SetFirst(WorldState& w, int slot) { w.InvFirst = static_cast<std::uint8_t>(slot); }

// False when the object cannot be taken: nothing is written past the last slot.
bool Add(Game& game, int object) {
  WorldState& w = game.world;
  InventoryBar bar = game.windows.Screen().Bar();
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
    bar.ObjectImage[w.InvCount].Visible = true;
    bar.InvSelect->Visible = true;
  } else {
    SetFirst(w, w.InvCount);
    MoveFrameTo(bar, kPlaces);
    DrawPlaces(game, w.InvCount - kPlaces + 1);
  }
  return true;
}

void Give(Game& game, int object) {
  WorldState& w = game.world;
  InventoryBar bar = game.windows.Screen().Bar();
  for (int i = 1; i <= w.InvCount && i <= kLastSlot; ++i) {
    if (w.Inventory[i] != object) continue;
    for (int j = i; j <= w.InvCount && j <= kLastSlot; ++j)
      w.Inventory[j] = static_cast<std::int16_t>(SlotObject(w, j + 1));
    --w.InvCount;
    break;
  }
  SetFirst(w, 1);
  MoveFrameTo(bar, 1);
  if (w.InvCount < kPlaces) {
    PictureBox& after = bar.ObjectImage[w.InvCount + 1];
    after.Picture.Clear(kBlack);
    after.Visible = false;
  }
  for (int k = 1; k <= w.InvCount && k <= kPlaces; ++k) DrawPlace(game, k, w.Inventory[k]);
  if (w.InvCount == 0) bar.InvSelect->Visible = false;
}

// Performs the action; false when it stopped early and nothing changed.
bool Perform(Game& game, InvAction action, int argument) {
  WorldState& w = game.world;
  InventoryBar bar = game.windows.Screen().Bar();
  const int p = FramedPlace(bar);
  if (action == InvAction::Get || action == InvAction::Load) return Add(game, argument);
  if (action == InvAction::Give) {
    Give(game, argument);
    return true;
  }
  if (action == InvAction::MoveRight) {
    const int next = w.InvFirst + 1;
    if (next > w.InvCount || SlotObject(w, next) == 0) return false;
    if (p < kPlaces) {
      SetFirst(w, next);
      MoveFrameTo(bar, p + 1);
      return true;
    }
    SetFirst(w, next);
    DrawRow(game);
    return true;
  }
  if (action == InvAction::MoveLeft) {
    if (w.InvFirst <= 1) return false;
    SetFirst(w, w.InvFirst - 1);
    if (p > 1)
      MoveFrameTo(bar, p - 1);
    else
      DrawRow(game);
    return true;
  }
  if (action == InvAction::MoveAllRight) {
    if (!w.InvScrollFwd || w.InvFirst >= w.InvCount) return false;
    SetFirst(w, w.InvFirst + 1);
    DrawRow(game);
    return true;
  }
  if (action == InvAction::MoveAllLeft) {
    if (!w.InvScrollBack || w.InvFirst <= 1) return false;
    SetFirst(w, w.InvFirst - 1);
    DrawRow(game);
    return true;
  }
  if (action == InvAction::JumpTo) {
    const int slot = w.InvFirst + argument - p;
    if (argument < 1 || argument > kPlaces || slot < 1 || slot > w.InvCount) return false;
    SetFirst(w, slot);
    MoveFrameTo(bar, argument);
    return true;
  }
  return false;
}

}  // namespace

void InventoryAction(Game& game, InvAction action, int argument) {
  WorldState& w = game.world;
  // The bar's controls exist only while the game screen is loaded.
  if (Form& screen = game.windows.Screen().Window(); !screen.IsLoaded()) screen.Load();
  if (!Perform(game, action, argument)) return;
  InventoryBar bar = game.windows.Screen().Bar();

  const int p = FramedPlace(bar);
  // The first slot is in view when the framed place holds slot p.
  w.InvScrollBack = p != w.InvFirst;
  game.LoadPicture(bar.ObjectImage[0].Picture, w.InvScrollBack ? "Morvane09.dat" : "Morvane10.dat");
  w.InvScrollFwd = w.InvFirst + kPlaces - p != w.InvCount && w.InvCount > kPlaces;
  game.LoadPicture(bar.ObjectImage[7].Picture, w.InvScrollFwd ? "Morvane07.dat" : "Morvane08.dat");
  // Loading a game, the keys and the arrows stay quiet.
  if (action != InvAction::Load && argument != 0) game.PlaySound("GetObject");
  ShowObjectName(game);
}

void ShowObjectName(Game& game) {
  const WorldState& w = game.world;
  Label* label = game.windows.Screen().Bar().InvLabel;
  if (label == nullptr) return;
  if (w.InvCount == 0) {
    label->Caption = std::string(kEmptyInventory);
    return;
  }
  // An object without a name leaves the previous one showing.
  if (const std::string_view name = ObjectName(SlotObject(w, w.InvFirst)); !name.empty())
    label->Caption = std::string(name);
}

}  // namespace vt
