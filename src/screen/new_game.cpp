// Starting a game: the world and the game bar reset, and for a new game its
// first screen and the briefing.
#include "audio/sound.h"
#include "core/game.h"
#include "data/district_file.h"
#include "screen/game_form.h"

namespace vt {

void GameForm::StartNewGame(GameStart start) {
  WorldState& w = game_.world;
  CloseMusic(game_.platform);
  game_.LoadPicture(game_.surfaces.SourceBMP, "Morvane01.dat");
  const DistrictListsResult lists = ReadDistrictLists(game_.Path(DistrictFileName(w.District)));
  for (const auto& problem : lists.problems) game_.ReportOnce(problem);
  ApplyDistrictLists(w, lists.lists);
  // Every changed cell forgotten, the bar emptied, the hero standing, no music yet.
  ApplyGameResetValues(w);
  // The bar: the frame parked beside place 1 and hidden, the places empty.
  InvSelect->Bounds.x = ObjectImage[1].Bounds.x - 2;
  InvSelect->Visible = false;
  for (int place = 1; place <= 6; ++place) {
    ObjectImage[place].Picture.Clear(kBlack);
    ObjectImage[place].Visible = false;
  }
  Timer1->SetInterval(1);
  MusicTimer->SetInterval(1000);
  if (start == GameStart::New) {
    ApplyNewGameValues(w);
    SetScreen();
    InvLabel->Caption = "The Inventory is empty";
    game_.windows.HideGameMenu();
    game_.windows.ShowTalk();
  }
  w.DestructPending = false;
}

}  // namespace vt
