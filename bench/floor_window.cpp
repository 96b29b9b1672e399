// The floor for the start-up benchmark: the least a Win32 program must do to show an empty window
// of the main window's size (the same dialog font and units) and close it on request. Built a
// second time with the common controls (version 6, as the program's manifest asks) loaded, to
// tell their share of the start-up apart.
#include <windows.h>

#ifdef FLOOR_WITH_COMMON_CONTROLS
#include <commctrl.h>
#endif

#include <vector>

namespace {

void Append(std::vector<WORD>& out, const char* text) {
  for (; *text != '\0'; ++text) out.push_back(static_cast<unsigned char>(*text));
  out.push_back(0);
}

INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_CLOSE || (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL)) {
    DestroyWindow(dialog);
    return TRUE;
  }
  if (message == WM_DESTROY) PostQuitMessage(0);
  return FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
#ifdef FLOOR_WITH_COMMON_CONTROLS
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
#endif
  std::vector<WORD> t;
  const DWORD style = WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT;
  t.push_back(LOWORD(style));
  t.push_back(HIWORD(style));
  t.insert(t.end(), {0, 0, 0, 0x8000, 0x8000, 303, 312, 0, 0});
  Append(t, "Floor");
  t.push_back(8);
  Append(t, "MS Sans Serif");
  HWND dialog =
      CreateDialogIndirectParamA(instance, reinterpret_cast<LPCDLGTEMPLATEA>(t.data()), nullptr, &Procedure, 0);
  ShowWindow(dialog, SW_SHOW);
  UpdateWindow(dialog);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (!IsDialogMessageA(dialog, &message)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  return 0;
}
