#pragma once

// Screen-space drawing for the heads-up display and the closing screens:
// depth test and lighting off, an orthographic projection in pixels with
// the origin at the bottom left, identity model-view. endOverlay undoes
// it all and leaves the model-view matrix current.
struct OverlayViewport {
    int width;
    int height;
};

OverlayViewport beginOverlay();
void endOverlay();
