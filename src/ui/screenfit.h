#pragma once
// A window's controls lie on a canvas of the window's declared size inside a scroll area: a
// window larger than the screen's available area opens at that area's size and scrolls, and
// every control keeps its declared place on the canvas.

namespace tf {

class FormWindow;

// Moves the window's controls onto the scrolling canvas and sizes and places the window for
// the screen it opens on.
void placeOnScrollingCanvas(FormWindow& f);

}  // namespace tf
