#include "render/GhostDrawing.h"

#include "render/GL.h"
#include "render/HeroDrawing.h"

namespace {
// How much of the ghost's own colour shows over the scene behind it.
constexpr float kGhostOpacity = 0.4f;

void drawFigure(const FigurePose &pose, const FigureDrawing::Looks &looks, unsigned int happyHead,
                FigureShapes &shapes, bool gravityUp)
{
    HeroDrawing drawing(pose, looks, happyHead, DrawPass::Shaded, shapes, gravityUp);
    if (pose.dead)
        drawing.drawDead();
    else
        drawing.drawLiving();
}
} // namespace

void drawGhost(const FigurePose &pose, const FigureDrawing::Looks &looks, unsigned int happyHead,
               FigureShapes &shapes, bool gravityUp)
{
    // The torch moves light 0 and the figure sets colours and textures:
    // all of it is put back afterwards.
    glPushAttrib(GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_LIGHTING_BIT | GL_CURRENT_BIT |
                 GL_TEXTURE_BIT | GL_POLYGON_BIT | GL_LINE_BIT);
    glEnable(GL_DEPTH_TEST);
    // First the ghost's depth alone, behind what the scene holds, then its
    // colours where that depth was kept: its nearest surface, blended.
    glDepthFunc(GL_LESS);
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    drawFigure(pose, looks, happyHead, shapes, gravityUp);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glDepthFunc(GL_EQUAL);
    glDepthMask(GL_FALSE);
    glEnable(GL_BLEND);
    glBlendColor(0.0f, 0.0f, 0.0f, kGhostOpacity);
    glBlendFunc(GL_CONSTANT_ALPHA, GL_ONE_MINUS_CONSTANT_ALPHA);
    drawFigure(pose, looks, happyHead, shapes, gravityUp);
    glPopAttrib();
}
