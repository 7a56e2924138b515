#include "screens/GameOverPainter.h"

#include "render/BitmapText.h"
#include "render/GL.h"
#include "render/Overlay.h"
#include "screens/GameOver.h"

namespace {
const char *const kTitle = "G A M E   O V E R";
const char *const kHint = "Please press ESC to quit!!";
// Text placement relative to the viewport centre, in pixels.
constexpr int kTitleLeftOfCentre = 108;
constexpr int kHintLeftOfCentre = 144;
constexpr int kHintBelowCentre = 35;
} // namespace

GameOverPainter::GameOverPainter(GameOver &screen) : LevelPainter(screen) {}

void GameOverPainter::drawActors(DrawPass pass) { actors.drawDefeat(*level.getPlayer(), pass); }

void GameOverPainter::drawOverlay()
{
    const OverlayViewport screen = beginOverlay();
    glColor3f(1.0f, 0.0f, 0.0f);
    glRasterPos2i(int(screen.width / 2.0f - kTitleLeftOfCentre), screen.height / 2);
    drawBitmapString(kTitle);
    glRasterPos2i(int(screen.width / 2.0f - kHintLeftOfCentre), screen.height / 2 - kHintBelowCentre);
    drawBitmapString(kHint);
    endOverlay();
}
