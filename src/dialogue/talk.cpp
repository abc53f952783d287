// The conversation window is not built yet: the request is recorded for the
// dump, and the game goes on as if the conversation had ended at once.
#include "dialogue/talk.h"

#include "shell/game.h"

namespace vt {

void ShowTalkForm(Game& game) {
  game.Request("TalkForm " + std::to_string(game.world.TalkScene));
  game.world.KeysUsed = false;  // as every secondary window does when it closes
}

}  // namespace vt
