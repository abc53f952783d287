// What a step or an action meets, and the inventory.
#pragma once

#include "world/vocabulary.h"

namespace vt {

class Game;

// Probes the cells ahead of the hero facing `facing`: true when the step is
// blocked (also kept in StepBlocked). Changes screens at the borders and, when
// `acting`, performs the action.
[[nodiscard]] bool CheckAhead(Game& game, Facing facing, bool acting);

// The inventory bar's actions with their number argument (the object to get,
// the place to jump to).
void InventoryAction(Game& game, InvAction action, int argument = 0);

// Shows the selected object's name in the game bar.
void ShowObjectName(Game& game);

}  // namespace vt
