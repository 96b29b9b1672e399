#include "ui/dialog_template.h"

#include <commctrl.h>

#include <string>
#include <string_view>

#include "engine/settings_state.h"

#include "ui/layout.h"

namespace netcheck {
namespace {

// "Default position" in a dialog template: the system places the window as any new top-level
// window.
constexpr short kDefaultPosition = static_cast<short>(0x8000);

void AppendText(std::vector<WORD>& out, std::string_view text) {
  for (char c : text) out.push_back(static_cast<WORD>(static_cast<unsigned char>(c)));
  out.push_back(0);
}

void AppendDword(std::vector<WORD>& out, DWORD value) {
  out.push_back(LOWORD(value));
  out.push_back(HIWORD(value));
}

void AlignToDword(std::vector<WORD>& out) {
  if (out.size() % 2 != 0) out.push_back(0);
}

DWORD StyleOf(const LayoutItem& item) {
  const DWORD child = WS_CHILD | WS_VISIBLE;
  switch (item.kind) {
    case ControlKind::Sheet:
      return child | WS_CLIPSIBLINGS;
    case ControlKind::TabPage:
      return child | WS_CLIPSIBLINGS | SS_OWNERDRAW;
    case ControlKind::Text:
    case ControlKind::BoundText:
      return child | SS_LEFTNOWORDWRAP | SS_NOPREFIX;
    case ControlKind::Button:
      return child | WS_TABSTOP | BS_PUSHBUTTON;
  }
  return child;
}

const char* ClassOf(const LayoutItem& item) {
  switch (item.kind) {
    case ControlKind::Sheet:
      return "SysTabControl32";
    case ControlKind::Button:
      return "Button";
    default:
      return "Static";
  }
}

// A bound text starts as its field does before any check: all blanks.
std::string BlankField(int field) {
  for (const RegistrySetting& setting : SettingsCatalogue) {
    if (setting.statusField == field) return std::string(kStatusWidth, ' ');
    if (setting.resultField == field) return std::string(kResultWidth, ' ');
  }
  return {};
}

}  // namespace

std::vector<WORD> BuildMainDialogTemplate() {
  std::vector<WORD> out;
  // A fixed dialog frame and a caption without system menu: no close box, icon or size boxes.
  AppendDword(out, WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT | WS_CLIPCHILDREN);
  AppendDword(out, 0);
  out.push_back(static_cast<WORD>(MainLayout.size()));
  out.push_back(static_cast<WORD>(kDefaultPosition));
  out.push_back(static_cast<WORD>(kDefaultPosition));
  out.push_back(kClientWidth);
  out.push_back(kClientHeight);
  out.push_back(0);  // no menu
  out.push_back(0);  // the dialog class
  AppendText(out, kCaption);
  out.push_back(kFontPoints);
  AppendText(out, kFontFace);

  for (const LayoutItem& item : MainLayout) {
    AlignToDword(out);
    AppendDword(out, StyleOf(item));
    AppendDword(out, 0);
    out.push_back(static_cast<WORD>(item.x));
    out.push_back(static_cast<WORD>(item.y));
    // Texts sized to fit get their size once the font is known.
    out.push_back(static_cast<WORD>(item.w == kFit ? 0 : item.w));
    out.push_back(static_cast<WORD>(item.h == kFit ? 0 : item.h));
    out.push_back(static_cast<WORD>(item.field));
    AppendText(out, ClassOf(item));
    AppendText(out, item.text != nullptr ? item.text : BlankField(item.field));
    out.push_back(0);  // no creation data
  }
  return out;
}

}  // namespace netcheck
