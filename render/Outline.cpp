#include "app/GameRegistry.h"
#include "render/GL.h"

namespace {
// Outline widths in pixels. Blending is off, so a smooth line is written
// solid on every pixel it touches at all: the aliased line one pixel wider
// covers the same pixels, give or take one along its edges. In a software
// renderer it costs about half as much, since a smooth line goes through a
// coverage stage of its own; the figures' outlines are thousands of lines.
constexpr float kSmoothWidth = 3.0f;
constexpr float kFastWidth = 4.0f;

GameRegistry::OutlineLines outlineLines = GameRegistry::OutlineLines::Smooth;
} // namespace

void GameRegistry::setOutlineLines(OutlineLines lines) { outlineLines = lines; }
GameRegistry::OutlineLines GameRegistry::getOutlineLines() { return outlineLines; }

// The outline pass draws back faces again as thick black lines; front faces
// are culled so that only silhouettes and creases remain visible.
void GameRegistry::beginOutline()
{
    glDisable(GL_LIGHTING);
    glCullFace(GL_FRONT);
    glPolygonMode(GL_BACK, GL_LINE);
    if (outlineLines == OutlineLines::Smooth) {
        glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
        glEnable(GL_LINE_SMOOTH);
        glLineWidth(kSmoothWidth);
    } else {
        glLineWidth(kFastWidth);
    }
    glDepthFunc(GL_LEQUAL);
    glColor4f(0.0f, 0.0f, 0.0f, 1.0f);
}

void GameRegistry::endOutline()
{
    glDepthFunc(GL_LESS);
    glCullFace(GL_BACK);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glLineWidth(1.0f);
    glDisable(GL_LINE_SMOOTH);
    glEnable(GL_LIGHTING);
}
