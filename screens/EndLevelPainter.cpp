#include "screens/EndLevelPainter.h"

#include "render/BitmapText.h"
#include "render/GL.h"
#include "render/Overlay.h"
#include "screens/EndLevel.h"

namespace {
// Table placement, in pixels: lines start left of the viewport centre and
// are kLineSpacing apart, the block centred on it vertically.
constexpr int kTableLeftOfCentre = 108 + 60;
constexpr int kLineSpacing = 30;
constexpr int kHalfLineSpacing = 15;
} // namespace

EndLevelPainter::EndLevelPainter(EndLevel &screen) : LevelPainter(screen), screen(screen) {}

void EndLevelPainter::drawActors(DrawPass pass) { actors.drawVictory(*screen.getPlayer(), pass); }

void EndLevelPainter::drawOverlay()
{
    const HighScoreTable::Lines lines = screen.shownTable();
    const OverlayViewport viewport = beginOverlay();
    glColor3f(1.0f, 1.0f, 1.0f);
    const int left = int(viewport.width / 2.0f - kTableLeftOfCentre);
    const int top = viewport.height / 2 + int(lines.size()) * kHalfLineSpacing;
    for (size_t i = 0; i < lines.size(); ++i) {
        glRasterPos2i(left, top - int(i) * kLineSpacing);
        drawBitmapString(lines[i]);
    }
    glDisable(GL_TEXTURE_2D);
    glFrontFace(GL_CCW);
    endOverlay();
}
