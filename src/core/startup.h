// Start-up checks, the display-mode switch, the taskbar and the one exit.
#pragma once

#include <string>
#include <string_view>

namespace vt {

class Game;

// The machine checks and run-wide settings; ends the program on a failed check.
void StartupChecks(Game& game);
// True when the desktop's horizontal logical resolution is exactly 96 pixels per inch.
bool SmallFonts(Game& game);
// Switches the display mode; errors are ignored and the result is always 1.
int ChangeResolution(Game& game, float& width, float& height, int& bits);
void HideTaskbar(Game& game);
void ShowTaskbar(Game& game);
// Full screen is entered the first time the cinematic window loads, and only then.
void EnterFullScreenOnce(Game& game);
// The orderly shutdown every exit goes through; does not return.
[[noreturn]] void ExitGame(Game& game);
// A data file the game cannot do without is missing or unreadable: says which, then
// shuts down as ExitGame does, with exit status 1.
[[noreturn]] void CannotGoOn(Game& game, const std::string& file);

// The texts of the failed checks, exactly as the player reads them.
inline constexpr const char* kGameTitle = "Veltrane";
// The window's icon in the game folder.
inline constexpr std::string_view kIconFile = "Icon.dat";
inline constexpr const char* kColorDepthMessage =
    "Veltrane requires that your color depth be minimally set to High Color (16-bit). Please "
    "change your settings in the Display Control Panel ('Settings' Tab), and run the game again.";
inline constexpr const char* kAlreadyRunningMessage = "Veltrane is already running";
inline constexpr const char* kSmallFontsMessage =
    "Veltrane runs only in Small Fonts mode.\r\n"
    "Please follow these steps:\r\n"
    "Control Panel > Display > Settings > Advanced > General > Font Size > Small Fonts.";

}  // namespace vt
