// The main window's fixed layout, its outer size and centring, and pixel heights as font sizes.
#pragma once

#include "controls/coordinates.h"
#include "state/game_state.h"

namespace velkor {

constexpr int kTwipsPerPixel = 15;
constexpr int kClientWidth = 540;
constexpr int kClientHeight = 372;

// The window system's frame metrics that enter the outer window size, in pixels.
struct FrameMetrics {
  int border = 1;    // width of a window border
  int caption = 19;  // height of a caption bar
  int twipsPerPixelX = kTwipsPerPixel;
  int twipsPerPixelY = kTwipsPerPixel;
};

// A pixel height as a font size in points.
Single pixelsToPoints(Integer px, int twipsPerPixelY = kTwipsPerPixel);

// Places the controls of the main window at their fixed pixel positions, then sets the
// window's outer size in twips.
void setControlLayout(GameState& g, const FrameMetrics& metrics = {});

// Centres the main window on a screen of the given size in twips: top first, then left.
void centreWindow(GameState& g, long screenWidthTwips, long screenHeightTwips);

// A control's whole-pixel geometry: each of left, top, width and height is rounded on its
// own, halves to even, so 22.5 and 350.5 go down and 21.5 goes up and the power bar still
// ends on the last row of the window.
struct WidgetGeometry {
  int left;
  int top;
  int width;
  int height;
  bool operator==(const WidgetGeometry&) const = default;
};
WidgetGeometry widgetGeometry(const ControlProps& p);

}  // namespace velkor
