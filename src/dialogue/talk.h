// Opening the conversation window over the game screen.
#pragma once

namespace vt {

class Game;

// Shows the conversation `TalkScene` modally, placed over the game screen
// with its centre 500 twips left of the game screen's centre.
void ShowTalkForm(Game& game);

}  // namespace vt
