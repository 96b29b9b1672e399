#pragma once

namespace netcheck {

// What the window-state store needs of a window. Positions and sizes are in dialog units of the
// window's font.
class PlacementWindow {
 public:
  virtual ~PlacementWindow() = default;
  virtual bool IsMaximized() = 0;
  virtual bool IsMinimized() = 0;
  virtual void RestoreFromMaximized() = 0;
  virtual void Maximize() = 0;
  virtual void Minimize() = 0;
  virtual bool IsResizable() = 0;
  virtual int X() = 0;
  virtual int Y() = 0;
  virtual int Width() = 0;
  virtual int Height() = 0;
  virtual void SetX(int x) = 0;
  virtual void SetY(int y) = 0;
  virtual void SetWidth(int width) = 0;
  virtual void SetHeight(int height) = 0;
  // Brings a window that lies wholly outside every monitor onto the nearest one.
  virtual void KeepOnScreen() = 0;
};

}  // namespace netcheck
