// The communication unit: opening, the buttons and keys, receiving and sending.
#include "transmission/morse_form.h"

#include "core/game.h"
#include "data/transmissions.h"
#include "platform/platform.h"
#include "transmission/received.h"

namespace vt {
namespace {

constexpr Color kBright = Rgb(0, 255, 0);
constexpr Color kDark = Rgb(0, 128, 0);
constexpr Color kStatusBack = Rgb(0, 64, 0);
constexpr Color kSendingLine = Rgb(0, 0, 255);
constexpr Color kStencil = Rgb(204, 198, 160);  // the lettering on the case's buttons

constexpr std::string_view kNothing = "NO INCOMING TRANSMISSIONS";
constexpr std::string_view kIncoming = "YOU HAVE AN INCOMING TRANSMISSION";
constexpr std::string_view kWaiting = "WAITING FOR REPLY...";

constexpr int kListLines = 6;
constexpr std::size_t kListChars = 27;
constexpr std::size_t kMatchChars = 20;

constexpr int kBack = 0;
constexpr int kGet = 1;
constexpr int kSend = 2;

constexpr int kLight = 0;
constexpr int kKey = 1;
constexpr int kIdle = 0;
constexpr int kLit = 1;    // light: the first character's picture; key: pressed
constexpr int kUnlit = 2;  // light: the next one's; key: released
constexpr std::array<const char*, 3> kLightFiles = {"Trasken12.dat", "Trasken11.dat",
                                                    "Trasken10.dat"};
constexpr std::array<const char*, 3> kKeyFiles = {"Trasken20.dat", "Trasken15.dat",
                                                  "Trasken14.dat"};

constexpr int kKeyG = 71;
constexpr int kKeyS = 83;

}  // namespace

MorseForm::MorseForm(Game& game)
    : Form(game.ui, "MorseForm"), game_(game), terminal_(game.ui.Text()) {
  Bounds = {0, 0, 582, 416};
  BackColor = Rgb(55, 58, 40);
}

void MorseForm::Build() {
  Bounds.w = 582;
  Bounds.h = 416;
  FontSpec small = Terminal::Font();
  FontSpec bold = small;
  bold.bold = true;

  Status = &Add<Label>("Status", -1, {176, 188, 249, 12});
  Status->BackColor = kStatusBack;
  Status->ForeColor = kBright;
  Status->Alignment = Align::Center;
  Status->Font = bold;

  const struct {
    int index;
    Rect bounds;
    const char* caption;
  } buttons[] = {{kGet, {172, 212, 111, 13}, "&GET TRANSMISSION"},
                 {kSend, {312, 212, 119, 13}, "&SEND TRANSMISSION"},
                 {kBack, {380, 392, 195, 19}, "BACK TO HIDDEN ROOM"}};
  Label3.Clear();
  for (const auto& b : buttons) {
    KeyLabel& l = Add<KeyLabel>("Label3", b.index, b.bounds);
    l.Caption = b.caption;
    l.Transparent = true;
    l.ForeColor = kStencil;
    l.Alignment = Align::Center;
    l.Font = Times(b.index == kBack ? 9.75 : 7.5, true);
    Label3.Put(b.index, l);
  }
  Label3[kGet].Click = [this] { Receive(true); };
  Label3[kSend].Click = [this] { Send(true); };
  Label3[kBack].Click = [this] {
    if (!busy_) Close();
  };

  Picture1 = &Add<PictureBox>("Picture1", -1, {176, 244, 249, 121});
  Picture1->BackColor = kBlack;
  Picture1->Source = &terminal_.Screen();

  Label2.Clear();
  for (int k = 0; k < kListLines; ++k) {
    Label& l = Add<Label>("Label2", k, {340, 60 + 12 * k, 230, 12});
    l.Transparent = true;
    l.ForeColor = kBlack;
    l.Font = small;
    l.Visible = false;
    Label2.Put(k, l);
  }

  Picture2.Clear();
  Picture2.Put(kLight, Add<PictureBox>("Picture2", kLight, {43, 314, 101, 21}));
  Picture2.Put(kKey, Add<PictureBox>("Picture2", kKey, {520, 292, 105, 33}));
  for (const auto& [index, box] : Picture2) box->Transparent = true;

  Timer1 = &AddTimer("Timer1", 500, true);
  Timer1->OnTimer = [this] { Timer1_Timer(); };
}

void MorseForm::Play(const Form& owner) {
  if (IsLoaded()) Unload();
  Load();
  PlaceOver(owner, 0);
  ShowModal();
}

// --- Opening and closing ---------------------------------------------------------

void MorseForm::Form_Load() {
  const WorldState& w = game_.world;
  busy_ = false;
  lightLit_ = true;
  if (!game_.LoadPicture(Picture, "Trasken07.dat")) Picture.Release();
  for (std::size_t i = 0; i < 3; ++i) {
    lights_[i].Release();
    keys_[i].Release();
    game_.LoadPicture(lights_[i], kLightFiles[i]);
    game_.LoadPicture(keys_[i], kKeyFiles[i]);
  }
  ShowLight(kIdle);
  ShowKey(kIdle);
  terminal_.Clear();
  const bool incoming = !w.IncomingText.empty();
  SetStatus(incoming ? kIncoming : kNothing);
  Label3[kGet].Enabled = incoming;
  FillList();
  Label3[kSend].Enabled = !incoming && Label2[0].Visible;
  SetPointer(false);
  game_.PlaySound("Blip1");
}

void MorseForm::Form_Unload() {
  Timer1->SetEnabled(false);
  game_.world.KeysUsed = false;
}

void MorseForm::Close() {
  game_.PlaySound("Blip2");
  Unload();
}

// Lines 0 up: every pending report in ascending order, as many as there are lines.
// A report beyond the sixth waits for a line to come free.
void MorseForm::FillList() {
  const WorldState& w = game_.world;
  for (int k = 0; k < kListLines; ++k) {
    Label2[k].Caption.clear();
    Label2[k].Visible = false;
  }
  int line = 0;
  for (int k = 1; k < static_cast<int>(w.Transmissions.size()) && line < kListLines; ++k) {
    if (!w.Transmissions[static_cast<std::size_t>(k)]) continue;
    const std::string_view text =
        k <= kReportCount ? kOutgoingTexts[static_cast<std::size_t>(k)] : std::string_view();
    Label2[line].Caption = ">> " + std::string(text.substr(0, kListChars)) + "...";
    Label2[line].Visible = true;
    ++line;
  }
}

// --- Input -----------------------------------------------------------------------

void MorseForm::Form_KeyDown(int& keyCode, int) {
  const int code = keyCode;
  keyCode = 0;
  if (busy_) return;
  if (code == kKeyG && Label3[kGet].Enabled) Receive(false);
  if (code == kKeyS && Label3[kSend].Enabled) Send(false);
  if (code == key::kEscape) Close();
}

void MorseForm::Timer1_Timer() {
  if (Status->Caption == kNothing) return;
  Status->ForeColor = Status->ForeColor == kDark ? kBright : kDark;
}

void MorseForm::Receive(bool clicked) {
  if (busy_) return;
  if (clicked) game_.PlaySound("Blip1");
  SetStatus("RECEIVING TRANSMISSION");
  Redraw();
  GetTrans();
  if (!Label2[0].Caption.empty()) Label3[kSend].Enabled = true;
}

void MorseForm::Send(bool clicked) {
  if (busy_) return;
  if (clicked) game_.PlaySound("Blip1");
  SetStatus("SENDING TRANSMISSION");
  Redraw();
  SendTrans();
}

// --- Receiving and sending ---------------------------------------------------------

// Both ways start alike: the unit busy, the status blink stopped, a clean terminal.
void MorseForm::BeginTransmission() {
  busy_ = true;
  Timer1->SetEnabled(false);
  SetPointer(true);
  terminal_.Clear();
  ShowLight(kUnlit);
}

void MorseForm::GetTrans() {
  WorldState& w = game_.world;
  BeginTransmission();
  Redraw();
  ++w.TransNumber;
  HeaderLine("> Receiving transmission #" + std::to_string(w.TransNumber) + " from Mossad HQ.");
  terminal_.Print("> Authenticating Password");
  Dots();
  terminal_.Print("> Decrypting scrambler codes");
  Dots();
  HeaderLine("> Transmission from Mossad HQ identified!");
  const std::string text = w.IncomingText;
  PlayText(text, false);
  ApplyReceived(w, text);
  ShowLight(kIdle);
  w.IncomingText.clear();
  SetStatus(kNothing);
  Label3[kGet].Enabled = false;
  SetPointer(false);
  Redraw();
  Timer1->SetEnabled(true);
  busy_ = false;
}

int MorseForm::FindMessage() const {
  const std::string& line = Label2[0].Caption;
  if (line.size() < 3 + kMatchChars) return 0;
  const std::string_view shown = std::string_view(line).substr(3, kMatchChars);
  for (int k = 1; k <= kReportCount; ++k)
    if (kOutgoingTexts[static_cast<std::size_t>(k)].substr(0, kMatchChars) == shown) return k;
  return 0;
}

void MorseForm::SendTrans() {
  WorldState& w = game_.world;
  BeginTransmission();
  Label2[0].ForeColor = kSendingLine;
  ui().DoEvents();  // once, so that the line shows blue (input is refused meanwhile)
  if (!IsLoaded()) return;
  const int k = FindMessage();
  ++w.TransNumber;
  HeaderLine("> Sending transmission #" + std::to_string(w.TransNumber) + " to Mossad HQ.");
  terminal_.Print("> Sending Password");
  Dots();
  terminal_.Print("> Sending scrambler codes");
  Dots();
  HeaderLine("> CommKit #412 recognized by Mossad HQ.");
  if (k > 0) {
    PlayText(kOutgoingTexts[static_cast<std::size_t>(k)], true);
    w.IncomingText = std::string(kReplyTexts[static_cast<std::size_t>(k)]);
    if (k == kReportCount) w.DestructPending = true;
    w.Transmissions[static_cast<std::size_t>(k)] = false;
  }
  Status->ForeColor = kBright;
  FillList();
  ShowKey(kIdle);
  ShowLight(kIdle);
  Label3[kSend].Enabled = Label2[0].Visible;
  Redraw();
  if (w.IncomingText.empty()) {
    SetStatus(kNothing);
    Label3[kGet].Enabled = false;
  } else {
    SetStatus(kWaiting);
    Redraw();
    Pause(4000);
    SetStatus(kIncoming);
    game_.PlaySound("Blip1");
    Label3[kGet].Enabled = true;
    Label3[kSend].Enabled = false;
  }
  Label2[0].ForeColor = kBlack;
  SetPointer(false);
  Redraw();
  Timer1->SetEnabled(true);
  busy_ = false;
}

// --- Playing a text ------------------------------------------------------------------

void MorseForm::HeaderLine(const std::string& line) {
  terminal_.Line(line);
  Redraw();
  Pause(1000);
}

void MorseForm::Dots() {
  for (int i = 0; i < 3; ++i) {
    terminal_.Print(".");
    Redraw();
    Pause(500);
  }
  terminal_.Break();
}

void MorseForm::PlayText(std::string_view text, bool sending) {
  lightLit_ = true;
  for (char c : text) PlayCharacter(c, sending);
}

void MorseForm::PlayCharacter(char c, bool sending) {
  // The tones: each lasts as long as its sound, the next starts when it ends.
  for (char symbol : MorsePattern(c)) {
    if (sending) {
      ShowKey(kLit);
      Redraw();
    }
    game_.PlaySound(symbol == '.' ? "Dit" : "Dah");
    if (sending) {
      Pause(20);
      ShowKey(kUnlit);
    }
    Redraw();
  }
  // What the terminal shows.
  if (c == ' ') {
    Pause(100);
    if (terminal_.PenX() > kSpaceRuleX)
      terminal_.Break();
    else
      terminal_.Print(" ");
  } else if (c == kEndMark) {
    terminal_.Break();
    terminal_.Line("> End of transmission.");
    Redraw();
  } else {
    terminal_.Print(std::string(1, c));
    Redraw();
    Pause(50);
  }
  ShowLight(lightLit_ ? kLit : kUnlit);
  lightLit_ = !lightLit_;
  Redraw();
}

// --- Look ------------------------------------------------------------------------------

void MorseForm::SetStatus(std::string_view caption) {
  Status->Caption = std::string(caption);
  Status->ForeColor = kBright;
}

void MorseForm::ShowLight(int picture) {
  Picture2[kLight].Source = &lights_[static_cast<std::size_t>(picture)];
}

void MorseForm::ShowKey(int picture) {
  Picture2[kKey].Source = &keys_[static_cast<std::size_t>(picture)];
}

void MorseForm::SetPointer(bool busy) {
  Pointer = game_.PointerFrom(busy ? "Morvane18.dat" : "Morvane19.dat");
}

// Paints the window now, so that it never looks frozen while a transmission
// holds the handler; only a shown display needs it.
void MorseForm::Redraw() {
  if (game_.platform.ShowsFrames()) ui().Refresh();
}

void MorseForm::Pause(int ms) { ui().Sleep(ms); }

}  // namespace vt
