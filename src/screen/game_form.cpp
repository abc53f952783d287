// The game screen window: its layout and loading.
#include "screen/game_form.h"

#include "core/game.h"
#include "data/places.h"
#include "interaction/interaction.h"
#include "platform/platform.h"
#include "screen/game_screen_look.h"

namespace vt {
namespace {

// The game bar's own controls are placed relative to the bar.
constexpr int kBarX = 34;
constexpr int kBarY = 368;
constexpr Color kCaptionColor = Rgb(230, 220, 170);

FontSpec BarFont(bool bold) {
  FontSpec f;
  f.sizePt = 8.25;
  f.bold = bold;
  return f;
}

}  // namespace

GameForm::GameForm(Game& game) : Form(game.ui, "GameForm"), game_(game) {
  Bounds = {2, 1, 635, 478};
  BackColor = kBlack;
}

void GameForm::Build() {
  ObjectImage.Clear();
  Label1.Clear();
  GameBox = &Add<PictureBox>("GameBox", -1, {34, 23, 572, 332});
  GameBox->Border = true;
  GameBox->BackColor = kBlack;
  GameBox->Source = &game_.surfaces.GameBox;
  GameBox->MouseDown = [this](int b, int s, int x, int y) { GameBox_MouseDown(b, s, x, y); };
  GameBox->MouseMove = [this](int b, int s, int x, int y) { GameBox_MouseMove(b, s, x, y); };

  GameBar = &Add<PictureBox>("GameBar", -1, {kBarX, kBarY, 572, 97});
  GameBar->BackColor = Rgb(40, 44, 52);
  GameBar->MouseMove = [this](int, int, int, int) {
    for (auto& [index, label] : Label1)
      if (label->ForeColor != kCommandColor) label->ForeColor = kCommandColor;
  };

  auto caption = [this](const char* name, Rect r, const char* text) {
    Label& l = Add<Label>(name, -1, {kBarX + r.x, kBarY + r.y, r.w, r.h});
    l.Caption = text;
    l.Transparent = true;
    l.ForeColor = kCaptionColor;
    l.Font = BarFont(true);
    return &l;
  };
  Zone = caption("Zone", {8, 21, 145, 14}, "");
  Location = caption("Location", {8, 70, 145, 14}, "");
  InvLabel = caption("InvLabel", {180, 67, 285, 14}, "The Inventory is empty");
  InvLabel->Font = BarFont(false);

  // The frame lies under the places, as a label lies under picture boxes, so
  // a click on the framed place still reaches the place.
  InvSelect = &Add<Label>("InvSelect", -1, {kBarX + 214, kBarY + 29, 35, 35});
  InvSelect->Transparent = true;
  InvSelect->Border = true;
  InvSelect->BorderColor = Rgb(232, 196, 72);  // brass, bright on the dark bar
  InvSelect->BorderWidth = 2;
  InvSelect->Visible = false;

  for (int i = 0; i <= 7; ++i) {
    PictureBox& place =
        Add<PictureBox>("ObjectImage", i, {kBarX + 180 + 36 * i, kBarY + 31, 30, 30});
    place.Picture.Resize(30, 30, kBlack);
    if (i >= 1 && i <= 6) place.Visible = false;
    place.Click = [this, i] {
      if (i == 0)
        InventoryAction(game_, InvAction::MoveAllLeft);
      else if (i == 7)
        InventoryAction(game_, InvAction::MoveAllRight);
      else
        InventoryAction(game_, InvAction::JumpTo, i);
    };
    ObjectImage.Put(i, place);
  }

  auto command = [this](int index, Rect r, const char* text) {
    Label& l = Add<Label>("Label1", index, {kBarX + r.x, kBarY + r.y, r.w, r.h});
    l.Caption = text;
    l.Transparent = true;
    l.ForeColor = kCommandColor;
    l.Font = BarFont(true);
    l.MouseMove = [this, &l](int, int, int, int) {
      if (l.ForeColor != Rgb(255, 255, 0)) {
        game_.PlaySound("MenuMove");
        l.ForeColor = Rgb(255, 255, 0);
      }
    };
    Label1.Put(index, l);
    return &l;
  };
  command(0, {492, 59, 58, 22}, "MENU")->Click = [this] {
    game_.PlaySound("MenuSelect");
    game_.windows.ShowGameMenu();
  };
  command(1, {497, 12, 53, 25}, "&JUMP TO CAR ")->Click = [this] { JumpToCar(); };

  Timer1 = &AddTimer("Timer1", 0, true);
  Timer1->OnTimer = [this] { Timer1_Timer(); };
  MusicTimer = &AddTimer("MusicTimer", 0, true);
  MusicTimer->OnTimer = [this] { MusicTimer_Timer(); };
}

void GameForm::Form_Load() {
  WorldState& w = game_.world;
  GameSurfaces& s = game_.surfaces;
  if (!w.FullScreen) {
    // The window is 9650 × 7250 twips, centred on the desktop unless the
    // desktop is exactly the game's size in either direction.
    const DisplayMode desktop = game_.platform.CurrentDisplayMode();
    if (desktop.width != 640 && desktop.height != 480) {
      WindowLeft = desktop.width * 15 / 2 - 9650 / 2;
      WindowTop = desktop.height * 15 / 2 - 7250 / 2;
    }
  }
  ui().SetView({0, 0, kCanvasWidth, kCanvasHeight});
  game_.LoadPicture(Picture, "Trasken01.dat");
  game_.LoadPicture(GameBar->Picture, "Trasken02.dat");
  game_.LoadPicture(s.SourceBMP, "Morvane01.dat");
  game_.LoadPicture(s.PClip2, "Morvane15.dat");
  game_.LoadPicture(s.PclipObjects, "Morvane16.dat");
  s.BG.Release();
  game_.LoadPicture(ObjectImage[0].Picture, "Morvane10.dat");
  game_.LoadPicture(ObjectImage[7].Picture, "Morvane08.dat");
  w.TargetX = -1;
  w.TargetY = -1;
  ShowObjectName(game_);
  // A strip whose marker pixel is not transparent was saved wrongly: use the spare.
  if ((s.PclipObjects.At(280, 0) & kRgbMask) != kKeyColor)
    game_.LoadPicture(s.PclipObjects, "Morvane17.dat");
  s.PrepareObjects();
  SetGameBoxPointer(w.MouseWalkOn ? "Morvane19.dat" : "Morvane18.dat");
}

std::string_view GameForm::DistrictCaption() const {
  return Zone ? std::string_view(Zone->Caption) : std::string_view();
}

std::string_view GameForm::LocationCaption() const {
  return Location ? std::string_view(Location->Caption) : std::string_view();
}

void GameForm::SetPlaceCaptions(std::string_view district, std::string_view location) {
  Load();  // the captions are the bar's labels
  Zone->Caption = std::string(district);
  Location->Caption = std::string(location);
}

}  // namespace vt
