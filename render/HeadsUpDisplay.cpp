#include "render/HeadsUpDisplay.h"

#include "render/BitmapText.h"
#include "render/GL.h"
#include "render/Overlay.h"
#include "sim/GameRegistry.h"

#include <QTime>

namespace {
// Layout, in pixels from the bottom left corner.
constexpr int kTextLeft = 10;
constexpr int kTimeLine = 5;
constexpr int kLivesLine = 35;
constexpr int kNicknameLine = 75;
constexpr float kIconLeft = 70.0f;
constexpr float kIconSpacing = 35.0f;
constexpr float kIconSize = 30.0f;
} // namespace

void drawHeadsUpDisplay(unsigned int lifeIcon)
{
    const std::string time = GameRegistry::getPlayTime().toString("h:mm:ss").toStdString();
    beginOverlay();
    glColor3f(1.0f, 1.0f, 1.0f);
    glRasterPos2i(kTextLeft, kTimeLine);
    drawBitmapString(time);
    glRasterPos2i(kTextLeft, kLivesLine);
    drawBitmapString("Lives:");
    glRasterPos2i(kTextLeft, kNicknameLine);
    drawBitmapString(GameRegistry::getNickname());
    glFrontFace(GL_CW);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, lifeIcon);
    for (int i = 0; i < GameRegistry::getLives(); ++i) {
        glPushMatrix();
        glTranslatef(kIconLeft + kIconSpacing * float(i), float(kLivesLine), 0.0f);
        glBegin(GL_QUADS);
        glTexCoord2f(1, 1);
        glVertex2f(0, 0);
        glTexCoord2f(1, 0);
        glVertex2f(0, kIconSize);
        glTexCoord2f(0, 0);
        glVertex2f(kIconSize, kIconSize);
        glTexCoord2f(0, 1);
        glVertex2f(kIconSize, 0);
        glEnd();
        glPopMatrix();
    }
    glDisable(GL_TEXTURE_2D);
    glFrontFace(GL_CCW);
    endOverlay();
}
