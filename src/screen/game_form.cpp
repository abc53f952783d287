// The game screen window: its layout, loading, keys, mouse and pointers.
#include "screen/game_form.h"

#include "cinematics/info.h"
#include "interaction/interaction.h"
#include "options/options.h"
#include "platform/platform.h"
#include "screen/places.h"
#include "shell/game.h"
#include "shell/menu.h"

namespace vt {
namespace {

// The game bar's own controls are placed relative to the bar.
constexpr int kBarX = 34;
constexpr int kBarY = 368;
constexpr Color kCaptionColor = Rgb(230, 220, 170);
constexpr Color kCommandColor = FromBgr(49344);  // the commands' normal colour

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
        InventoryAction(game_, "Move All Left");
      else if (i == 7)
        InventoryAction(game_, "Move All Right");
      else
        InventoryAction(game_, "Jump To Inv", i);
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
    ShowGameMenu(game_);
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
  if ((s.PclipObjects.At(280, 0) & 0x00FFFFFF) != kKeyColor)
    game_.LoadPicture(s.PclipObjects, "Morvane17.dat");
  SetGameBoxPointer(w.MouseWalkOn ? "Morvane19.dat" : "Morvane18.dat");
}

void GameForm::SetGameBoxPointer(std::string_view picture) {
  if (GameBox) GameBox->Pointer = game_.PointerFrom(picture);
}

void GameForm::Form_KeyDown(int& keyCode, int) {
  WorldState& w = game_.world;
  w.TargetX = -1;
  w.TargetY = -1;
  w.WalkDir = 0;
  switch (keyCode) {
    case key::kRight:
      w.KeysUsed = true;
      KeyStep("vbKeyRight");
      break;
    case key::kLeft:
      w.KeysUsed = true;
      KeyStep("vbKeyLeft");
      break;
    case key::kUp:
      w.KeysUsed = true;
      KeyStep("vbKeyUp");
      break;
    case key::kDown:
      w.KeysUsed = true;
      KeyStep("vbKeyDown");
      break;
    case key::kSpace:
      w.KeysUsed = true;
      KeyStep("vbKeySpace");
      break;
    case key::kControl:
      w.KeysUsed = true;
      KeyStep("vbKeyControl");
      break;
    case key::kEscape:
      game_.PlaySound("MenuSelect");
      ShowGameMenu(game_);
      break;
    case key::kPageDown:
      InventoryAction(game_, "MoveRight");
      break;
    case key::kEnd:
      InventoryAction(game_, "MoveLeft");
      break;
    case 'J':
      JumpToCar();
      break;
    case key::kF1:
      game_.PlaySound("MenuSelect");
      w.InfoMode = 2;
      ShowInfoForm(game_, true);
      break;
    case key::kF2:
      w.OptionsFromTitle = false;
      ShowOptionsForm(game_);
      break;
    case key::kF3:
      w.MouseWalkOn = !w.MouseWalkOn;
      SetGameBoxPointer(w.MouseWalkOn ? "Morvane19.dat" : "Morvane18.dat");
      break;
    default:
      break;
  }
  keyCode = 0;  // the game screen has no focusable control to pass keys to
}

void GameForm::Form_KeyUp(int&, int) {
  WorldState& w = game_.world;
  if (w.MouseWalkOn) SetGameBoxPointer("Morvane19.dat");
  w.KeysUsed = false;
  w.WalkDir = 0;
}

void GameForm::JumpToCar() {
  WorldState& w = game_.world;
  if (w.District == 8) {
    ShowSign(game_, "Morvane13.dat", "This option is not available now",
             "Press any key or Click to Continue");
    return;
  }
  game_.PlaySound("JumpToCar");
  PlaceHero(w, w.District, false);
  SetScreen();
}

void GameForm::GameBox_MouseDown(int button, int shift, int x, int y) {
  WorldState& w = game_.world;
  if (!w.MouseWalkOn) return;
  w.WalkDir = 0;
  w.MouseLeg = 1;
  if (button == kLeftButton) {
    w.TargetX = static_cast<std::int16_t>(x - 10);
    w.TargetY = static_cast<std::int16_t>(y - 10);
    w.TargetRight = w.TargetX >= w.HeroX;
    w.TargetDown = w.TargetY >= w.HeroY;
    // The leg is chosen by the distances to the clicked point itself; ties go sideways.
    if (std::abs(w.HeroY - y) <= std::abs(w.HeroX - x)) {
      w.HorizFirst = true;
      KeyStep(w.TargetX < w.HeroX ? "vbKeyLeft" : "vbKeyRight");
    } else {
      w.HorizFirst = false;
      KeyStep(w.TargetY >= w.HeroY ? "vbKeyDown" : "vbKeyUp");
    }
  } else if (button == kRightButton) {
    w.MouseLeg = 0;
    KeyStep((shift & kShiftMask) ? "vbKeyControl" : "vbKeySpace");
  }
}

void GameForm::GameBox_MouseMove(int, int, int x, int y) {
  for (auto& [index, label] : Label1) label->ForeColor = kCommandColor;
  const WorldState& w = game_.world;
  if (!w.MouseWalkOn || w.KeysUsed) {
    SetGameBoxPointer("Morvane18.dat");
    return;
  }
  // The edge arrows show that the next step that way leads to the next screen.
  std::string_view picture = "Morvane19.dat";
  if (x < 15)
    picture = "Comm21.dat";
  else if (x > 555)
    picture = "Comm22.dat";
  if (y < 15)
    picture = "Comm23.dat";
  else if (y > 315)
    picture = "Comm20.dat";
  SetGameBoxPointer(picture);
}

}  // namespace vt
