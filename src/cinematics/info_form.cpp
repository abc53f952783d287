// The cinematic window: its places, opening, the advance and the story steps.
#include "cinematics/info_form.h"

#include <string>

#include "audio/sound.h"
#include "cinematics/story_steps.h"
#include "core/game.h"
#include "core/startup.h"
#include "platform/platform.h"

namespace vt {
namespace {

// The window's inner area in twips.
constexpr int kInnerWidthTwips = 640 * kTwipsPerPixel;
constexpr int kInnerHeightTwips = 480 * kTwipsPerPixel;

// Captions are read at leisure: a large, plain face.
FontSpec CaptionFont() { return Times(14.25, false); }

}  // namespace

InfoForm::InfoForm(Game& game) : Form(game.ui, "InfoForm"), game_(game) {
  Bounds = {0, 0, 640, 480};
  BackColor = kBlack;
}

void InfoForm::Build() {
  Bounds = {0, 0, 640, 480};
  Picture.Release();
  Pointer = -1;
  Image1.Clear();
  Label1.Clear();
  const auto advance = [this] { AdvanceSequence(); };

  auto picture = [&](int index, Rect r) {
    PictureBox& p = Add<PictureBox>("Image1", index, r);
    p.Visible = false;  // an empty place shows what lies behind it
    p.Click = advance;
    Image1.Put(index, p);
  };
  picture(0, {152, 52, 357, 256});
  picture(1, {12, 12, 188, 175});
  picture(2, {440, 292, 188, 175});

  auto caption = [&](int index, Rect r, Color color, Align align) {
    Label& l = Add<Label>("Label1", index, r);
    l.Transparent = true;
    l.ForeColor = color;
    l.Alignment = align;
    l.Font = CaptionFont();
    l.Click = advance;
    Label1.Put(index, l);
  };
  caption(0, {32, 316, 573, 161}, kStoryWhite, Align::Center);
  caption(1, {212, 12, 413, 205}, kStoryLightCyan, Align::Left);
  caption(2, {12, 292, 413, 173}, kStoryLightRed, Align::Right);

  // The title card lies above the pictures, as it was drawn last.
  TitleLabel = &Add<Label>("TitleLabel", -1, {28, 184, 585, 93});
  TitleLabel->Transparent = true;
  TitleLabel->ForeColor = kStoryWhite;
  TitleLabel->Alignment = Align::Center;
  TitleLabel->Font = Times(15.75, true);
  TitleLabel->Click = advance;
}

int InfoForm::StepShown() const {
  if (sequence_ == info::kIntroduction) return introStep_ - 1;
  if (sequence_ == info::kEnding) return endingStep_ - 1;
  return 0;
}

std::string InfoForm::Printed() const {
  std::string text;
  for (std::size_t i = 0; i < printed_.size(); ++i) {
    if (i > 0 && printed_[i].y != printed_[i - 1].y) text += '\n';
    text += printed_[i].c;
  }
  return text;
}

void InfoForm::Form_Load() {
  WorldState& w = game_.world;
  ui().SetView(Bounds);
  printed_.clear();
  introStep_ = 1;
  endingStep_ = 1;
  const int busy = game_.PointerFrom("Morvane18.dat");
  if (!w.PresentationShown) {
    EnterFullScreenOnce(game_);  // marks the presentation as shown
    w.InfoMode = info::kPresentation;
    Pointer = busy;
  }
  sequence_ = w.InfoMode;
  switch (sequence_) {
    case info::kHowToPlay:
      game_.LoadPicture(Picture, "Trasken09.dat");
      break;
    case info::kIntroduction:
      Pointer = busy;
      CloseMusic(game_.platform);
      PlayIntroStep();
      break;
    case info::kPresentation:
      game_.LoadPicture(Picture, "Trasken13.dat");
      Show();
      PlayPresentation();
      break;
    case info::kEnding:
      Pointer = busy;
      CloseMusic(game_.platform);
      PlayEndingStep();
      break;
    case info::kCredits:
      game_.LoadPicture(Picture, "Trasken19.dat");
      break;
    default:
      break;
  }
}

void InfoForm::Form_Unload() { game_.world.KeysUsed = false; }

void InfoForm::Form_KeyDown(int& keyCode, int) {
  const int code = keyCode;
  keyCode = 0;
  if (code == key::kEnter || code == key::kSpace || code == key::kEscape) AdvanceSequence();
}

void InfoForm::Form_Click() { AdvanceSequence(); }

void InfoForm::AdvanceSequence() {
  switch (sequence_) {
    case info::kHowToPlay:
    case info::kCredits:
      game_.PlaySound("MenuSelect");
      Unload();
      break;
    case info::kIntroduction:
      PlayIntroStep();
      break;
    case info::kEnding:
      PlayEndingStep();
      break;
    default:
      break;  // the presentation cannot be skipped
  }
}

void InfoForm::PlaceCentrePicture(std::string_view file, int liftTwips) {
  PictureBox& centre = Image1[0];
  centre.Visible = false;
  if (!game_.LoadPicture(centre.Picture, file)) centre.Picture.Release();
  const int w = centre.Picture.Width();
  const int h = centre.Picture.Height();
  centre.Bounds = {TwipsToPixels(kInnerWidthTwips / 2 - w * kTwipsPerPixel / 2),
                   TwipsToPixels(kInnerHeightTwips / 2 - h * kTwipsPerPixel / 2 - liftTwips), w, h};
  centre.Visible = true;
}

void InfoForm::RunStep(const Step& step) {
  using K = StepAction::Kind;
  for (const StepAction& a : step) {
    switch (a.kind) {
      case K::Title:
        TitleLabel->Caption = std::string(a.text);
        break;
      case K::TitleColor:
        TitleLabel->ForeColor = a.color;
        break;
      case K::TitleEnd:
        TitleLabel->Font.sizePt = 30;
        TitleLabel->ForeColor = a.color;
        break;
      case K::Picture: {
        // A picture keeps its own size, as it stands at its place's corner.
        PictureBox& p = Image1[a.place];
        p.Picture.Release();
        if (!a.text.empty()) game_.LoadPicture(p.Picture, a.text);
        p.Visible = !p.Picture.Empty();
        if (p.Visible) {
          p.Bounds.w = p.Picture.Width();
          p.Bounds.h = p.Picture.Height();
        }
        break;
      }
      case K::HidePicture:
        Image1[0].Visible = false;
        break;
      case K::CentrePicture:
        PlaceCentrePicture(a.text, a.amount);
        break;
      case K::Caption:
        Label1[a.place].Caption = std::string(a.text);
        break;
      case K::CaptionColor:
        Label1[a.place].ForeColor = a.color;
        break;
      case K::MoveCaption:
        Label1[0].Bounds.y += TwipsToPixels(a.amount);
        break;
      case K::Effect:
        game_.PlaySound(a.text);
        break;
    }
  }
}

// Runs step `next` of `steps` and moves on; true for the advance after the last step.
bool InfoForm::PlayStep(const std::vector<Step>& steps, int& next) {
  const int count = static_cast<int>(steps.size());
  if (next >= 1 && next <= count) RunStep(steps[static_cast<std::size_t>(next - 1)]);
  if (next > count) return true;
  ++next;
  return false;
}

void InfoForm::PlayIntroStep() {
  if (PlayStep(IntroSteps(), introStep_)) Unload();
}

void InfoForm::PlayEndingStep() {
  if (!PlayStep(EndingSteps(), endingStep_)) return;
  game_.windows.ShowTitle();
  Unload();
}

}  // namespace vt
