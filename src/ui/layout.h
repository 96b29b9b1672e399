#pragma once
#include <array>

namespace netcheck {

enum class ControlKind { Sheet, TabPage, Text, BoundText, Button };
enum class TextColour { Window, Maroon, Green };

// One control of the main window. Positions and sizes are in dialog units of the window's font,
// relative to the client area; kFit sizes a text to its text.
struct LayoutItem {
  int field;  // position in definition order, from 1; also the control's ID
  const char* label;
  ControlKind kind;
  const char* text;  // fixed text; nullptr for bound texts, whose text comes from SettingsState
  short x, y, w, h;
  TextColour colour;
};

inline constexpr short kFit = -1;
inline constexpr int kClientWidth = 303;
inline constexpr int kClientHeight = 312;
inline constexpr const char* kCaption = "Registry Values";
inline constexpr const char* kFontFace = "MS Sans Serif";
inline constexpr int kFontPoints = 8;

inline constexpr int kSheetField = 1;
inline constexpr int kTabField = 2;
inline constexpr int kChangeField = 34;
inline constexpr int kRollBackField = 35;
inline constexpr int kCloseField = 36;
inline constexpr const char* kRollBackTooltip = "Reverts to Original Setting when Vantoric was first run.";

extern const std::array<LayoutItem, 36> MainLayout;

}  // namespace netcheck
