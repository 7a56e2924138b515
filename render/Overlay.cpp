#include "render/Overlay.h"

#include "render/GL.h"

#include <algorithm>

OverlayViewport beginOverlay()
{
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    // A minimised window has a viewport of zero height (or width); an
    // orthographic box of zero size is a GL error, one pixel draws nothing.
    gluOrtho2D(0, std::max(viewport[2], 1), 0, std::max(viewport[3], 1));
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    return {viewport[2], viewport[3]};
}

void endOverlay()
{
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
}
