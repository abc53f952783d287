// What a step or an action meets, the inventory, and the sign viewer.
#pragma once

#include <string_view>

#include "interaction/records.h"

namespace vt {

class Game;

// The sign handler: shows a sign record in the sign viewer, modally (kinds 1
// and 2 two lines on their backgrounds, kind 3 a picture).
void ShowSignRecord(Game& game, const SignRecord& sign);

// Probes the cells ahead of the hero facing `facing`; sets `StepBlocked`,
// changes screens at the borders and, when `acting`, performs the action.
void CheckAhead(Game& game, std::string_view facing, bool acting);

// The inventory bar's actions ("Get", "Giv", "Load", "MoveRight", "MoveLeft",
// "Move All Right", "Move All Left", "Jump To Inv") with their number argument.
void InventoryAction(Game& game, std::string_view action, int argument = 0);

// Shows the selected object's name in the game bar.
void ShowObjectName(Game& game);

// The sign viewer used as the game's message box: a picture and two lines, modally.
void ShowSign(Game& game, std::string_view picture, std::string_view line1, std::string_view line2);

}  // namespace vt
