// The hero's torch: the torch hand, the torch itself and its light 0. All
// sizes are world units, angles degrees. While the level's outline pass
// runs, colours and line widths are left to the pass.
#include "actors/Player.h"

#include "render/GL.h"

namespace {
constexpr float kTorchBrown[3] = {0.54509807f, 0.3529412f, 0.0f};

constexpr float kTorchRadius = 0.075f;
constexpr float kTorchLength = 0.3f;
constexpr float kTorchHandle = 0.15f;
// Light fall-off of the torch per unit distance (linear and quadratic),
// scaled by the flicker like the constant term.
constexpr float kTorchFade = 0.005f;
constexpr float kArmLineWidth = 4.0f;
constexpr int kSlices = 16;

// The torch hand swings a little more than the arm, and tilts back in the
// air.
constexpr float kTorchHandSwing = 0.6f;
constexpr float kInAirTilt = 45.0f;
} // namespace

// The torch hand's own turn, against the key axes of the shoulder.
void Player::poseTorchHand() const
{
    if (onGround)
        applyKeySwing(swing * kTorchHandSwing, -1.0f, -1.0f);
    if (inAir)
        glRotatef(kInAirTilt, -1.0f, 0.0f, 0.0f);
}

// From the torch hand: the handle, then the burning torch (light 0).
void Player::drawTorchHand(bool posed)
{
    if (posed)
        poseTorchHand();
    setLineWidth(kArmLineWidth);
    setColor(0.0f, 0.0f, 0.0f);
    glBegin(GL_LINES);
    glVertex3f(0.0f, 0.0f, 0.0f);
    glVertex3f(0.0f, 0.0f, kTorchHandle);
    glEnd();
    setLineWidth(1.0f);
    glTranslatef(0.0f, 0.0f, kTorchHandle);
    drawTorch(flicker, flicker * kTorchFade);
}

// Disk, shaft and disk of the torch along +z, with light 0 at its middle.
void Player::drawTorch(float constantAttenuation, float fadeAttenuation)
{
    const auto torchDisk = [this] {
        torchShapes.draw(kTorchDisk, [this] { gluDisk(torchQuadric, 0.0, kTorchRadius, kSlices, kDiskRings); });
    };
    setColor(kTorchBrown[0], kTorchBrown[1], kTorchBrown[2]);
    glPushMatrix();
    glRotatef(180.0f, 1.0f, 0.0f, 0.0f);
    torchDisk();
    glPopMatrix();
    torchShapes.draw(kTorchCylinder, [this] {
        gluCylinder(torchQuadric, kTorchRadius, kTorchRadius, kTorchLength, kSlices, kSlices);
    });
    glTranslatef(0.0f, 0.0f, kTorchLength / 2.0f);
    placeLight(constantAttenuation, fadeAttenuation);
    glTranslatef(0.0f, 0.0f, kTorchLength / 2.0f);
    torchDisk();
}

// Light 0 at the origin of the current frame. The level's torch fades with
// distance; flicker scales all three attenuation terms.
void Player::placeLight(float constantAttenuation, float fadeAttenuation) const
{
    const GLfloat ambient[] = {1.0f, 1.0f, 1.0f, 1.0f};
    const GLfloat diffuse[] = {1.0f, 0.64705884f, 0.0f, 1.0f};
    const GLfloat origin[] = {0.0f, 0.0f, 0.0f, 1.0f};
    glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
    glLightfv(GL_LIGHT0, GL_POSITION, origin);
    glLightf(GL_LIGHT0, GL_CONSTANT_ATTENUATION, constantAttenuation);
    glLightf(GL_LIGHT0, GL_LINEAR_ATTENUATION, fadeAttenuation);
    glLightf(GL_LIGHT0, GL_QUADRATIC_ATTENUATION, fadeAttenuation);
    glEnable(GL_LIGHT0);
}
