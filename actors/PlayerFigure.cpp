// The parts of the hero's figure: legs, body, arms, torch, head. All sizes
// are world units, angles degrees. While the level's outline pass runs,
// colours, textures and line widths are left to the pass.
#include "actors/Player.h"

#include "render/GL.h"

namespace {
constexpr float kSkin[3] = {1.0f, 0.8862745f, 0.74509805f};
constexpr float kBodyBottomGreen[3] = {0.07421875f, 0.59375f, 0.07421875f};
constexpr float kBodyTopGreen[3] = {0.1015625f, 0.8203125f, 0.1015625f};
constexpr float kTorchBrown[3] = {0.54509807f, 0.3529412f, 0.0f};

constexpr float kBodyRadius = 0.3f;
constexpr float kBodyHeight = 0.6f;
constexpr float kHandRadius = 0.05f;
constexpr float kTorchRadius = 0.075f;
constexpr float kTorchLength = 0.3f;
constexpr float kHeadRadius = 0.5f;
constexpr float kTorchHandle = 0.15f;
// Light fall-off of the torch per unit distance (linear and quadratic),
// scaled by the flicker like the constant term.
constexpr float kTorchFade = 0.005f;
constexpr float kLegLineWidth = 3.0f;
constexpr float kArmLineWidth = 4.0f;
constexpr int kBodySlices = 16;
constexpr int kHeadSlices = 32;

// Arm swing relative to the legs' swing; the torch hand swings a little more.
constexpr float kTorchHandSwing = 0.6f;
constexpr float kInAirTilt = 45.0f;

void line(float x0, float y0, float z0, float x1, float y1, float z1)
{
    glBegin(GL_LINES);
    glVertex3f(x0, y0, z0);
    glVertex3f(x1, y1, z1);
    glEnd();
}
} // namespace

void Player::setColor(float r, float g, float b) const
{
    if (!outlinePass)
        glColor3f(r, g, b);
}

void Player::setLineWidth(float width) const
{
    if (!outlinePass)
        glLineWidth(width);
}

void Player::beginTexture(unsigned int texture) const
{
    if (outlinePass)
        return;
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
}

void Player::endTexture() const
{
    if (outlinePass)
        return;
    glBindTexture(GL_TEXTURE_2D, clearTexture);
    glDisable(GL_TEXTURE_2D);
}

// Axes follow the held keys: forward (forwardSign, 0, 0), back the
// opposite, left (0, 0, -sideSign), right (0, 0, sideSign).
void Player::applyKeySwing(float angle, float forwardSign, float sideSign) const
{
    if (forwardKey)
        glRotatef(angle, forwardSign, 0.0f, 0.0f);
    if (backKey)
        glRotatef(angle, -forwardSign, 0.0f, 0.0f);
    if (leftKey)
        glRotatef(angle, 0.0f, 0.0f, -sideSign);
    if (rightKey)
        glRotatef(angle, 0.0f, 0.0f, sideSign);
}

void Player::poseLimb(Limbs mode, float angle, bool mirrored, float inAirTilt) const
{
    switch (mode) {
    case Limbs::KeySwing:
        if (onGround)
            applyKeySwing(angle, mirrored ? -1.0f : 1.0f, 1.0f);
        if (inAir)
            glRotatef(inAirTilt, 1.0f, 0.0f, 0.0f);
        break;
    case Limbs::Raised:
        if (!mirrored)
            glRotatef(angle, 1.0f, 0.0f, 0.0f);
        break;
    case Limbs::Forward:
        glRotatef(mirrored ? -angle : angle, 1.0f, 0.0f, 0.0f);
        break;
    case Limbs::Still:
        break;
    }
}

// The torch hand's own turn, against the key axes of the shoulder.
void Player::poseTorchHand() const
{
    if (onGround)
        applyKeySwing(swing * kTorchHandSwing, -1.0f, -1.0f);
    if (inAir)
        glRotatef(kInAirTilt, -1.0f, 0.0f, 0.0f);
}

void Player::drawLegs(Limbs mode, float angle)
{
    for (bool mirrored : {false, true}) {
        glPushMatrix();
        if (mirrored) {
            glScalef(-1.0f, 1.0f, 1.0f);
            glFrontFace(GL_CW);
        }
        poseLimb(mode, angle, mirrored, mirrored ? -kInAirTilt : kInAirTilt);
        drawLeg();
        glFrontFace(GL_CCW);
        glPopMatrix();
    }
}

void Player::drawLeg()
{
    setLineWidth(kLegLineWidth);
    setColor(0.0f, 0.0f, 0.0f);
    line(-0.15f, 0.2f, 0.0f, -0.15f, -0.2f, 0.0f);
    setLineWidth(1.0f);

    glTranslatef(-0.35f, -0.38f, 0.0f);
    setColor(kSkin[0], kSkin[1], kSkin[2]);
    glBegin(GL_TRIANGLES);
    glVertex3f(0.2f, 0.0f, 0.0f);
    glVertex3f(0.2f, 0.2f, 0.0f);
    glVertex3f(0.0f, 0.0f, -0.3f);
    glVertex3f(0.2f, 0.0f, -0.3f);
    glVertex3f(0.2f, 0.2f, 0.0f);
    glVertex3f(0.2f, 0.0f, 0.0f);
    glEnd();

    setColor(1.0f, 1.0f, 1.0f);
    beginTexture(feetTexture);
    glBegin(GL_TRIANGLES);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(0.2f, 0.2f, 0.0f);
    glTexCoord2f(1.0f, 1.0f);
    glVertex3f(0.2f, 0.0f, -0.3f);
    glTexCoord2f(0.0f, 1.0f);
    glVertex3f(0.0f, 0.0f, -0.3f);
    glTexCoord2f(0.0f, 1.0f);
    glVertex3f(0.0f, 0.0f, -0.3f);
    glTexCoord2f(1.0f, 1.0f);
    glVertex3f(0.2f, 0.0f, -0.3f);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(0.2f, 0.0f, 0.0f);
    glEnd();
    endTexture();
}

// Leaves the matrix at the top of the body, kBodyHeight above the hips.
void Player::drawBody()
{
    setColor(kBodyBottomGreen[0], kBodyBottomGreen[1], kBodyBottomGreen[2]);
    glPushMatrix();
    glRotatef(90.0f, 1.0f, 0.0f, 0.0f); // disk faces down
    gluDisk(bodyQuadric, 0.0, kBodyRadius, kBodySlices, kBodySlices);
    glPopMatrix();

    glTranslatef(0.0f, kBodyHeight, 0.0f);
    setColor(kBodyTopGreen[0], kBodyTopGreen[1], kBodyTopGreen[2]);
    glPushMatrix();
    glRotatef(-90.0f, 1.0f, 0.0f, 0.0f); // disk faces up
    gluDisk(bodyQuadric, 0.0, kBodyRadius, kBodySlices, kBodySlices);
    glPopMatrix();

    setColor(1.0f, 1.0f, 1.0f);
    beginTexture(bodyTexture);
    if (!outlinePass)
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glPushMatrix();
    glRotatef(90.0f, 1.0f, 0.0f, 0.0f); // from the top down to the hips
    gluCylinder(bodyQuadric, kBodyRadius, kBodyRadius, kBodyHeight, kBodySlices, kBodySlices);
    glPopMatrix();
    endTexture();
}

// Shoulder, upper arm, forearm, hand; leaves the matrix at the hand.
void Player::drawArm(Limbs mode, float angle)
{
    glTranslatef(kBodyRadius, 0.0f, 0.0f);
    poseLimb(mode, angle, false, kInAirTilt);
    setLineWidth(kArmLineWidth);
    setColor(0.0f, 0.0f, 0.0f);
    line(0.0f, 0.0f, 0.0f, 0.15f, -0.15f, 0.0f);
    glTranslatef(0.15f, -0.15f, 0.0f);
    line(0.0f, 0.0f, 0.0f, 0.0f, -0.25f, -0.05f);
    setLineWidth(1.0f);
    glTranslatef(0.0f, -0.3f, -0.05f);
    gluSphere(handQuadric, kHandRadius, kBodySlices, kBodySlices);
}

// From the torch hand: the handle, then the burning torch (light 0).
void Player::drawTorchHand(bool posed)
{
    if (posed)
        poseTorchHand();
    setLineWidth(kArmLineWidth);
    setColor(0.0f, 0.0f, 0.0f);
    line(0.0f, 0.0f, 0.0f, 0.0f, 0.0f, kTorchHandle);
    setLineWidth(1.0f);
    glTranslatef(0.0f, 0.0f, kTorchHandle);
    drawTorch(flicker, flicker * kTorchFade);
}

// Disk, shaft and disk of the torch along +z, with light 0 at its middle.
void Player::drawTorch(float constantAttenuation, float fadeAttenuation)
{
    setColor(kTorchBrown[0], kTorchBrown[1], kTorchBrown[2]);
    glPushMatrix();
    glRotatef(180.0f, 1.0f, 0.0f, 0.0f);
    gluDisk(torchQuadric, 0.0, kTorchRadius, kBodySlices, kBodySlices);
    glPopMatrix();
    gluCylinder(torchQuadric, kTorchRadius, kTorchRadius, kTorchLength, kBodySlices, kBodySlices);
    glTranslatef(0.0f, 0.0f, kTorchLength / 2.0f);
    placeLight(constantAttenuation, fadeAttenuation);
    glTranslatef(0.0f, 0.0f, kTorchLength / 2.0f);
    gluDisk(torchQuadric, 0.0, kTorchRadius, kBodySlices, kBodySlices);
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

// The face turns towards a sideways or backward walk.
float Player::headTurn() const
{
    if (backKey && leftKey)
        return 95.0f;
    if (backKey && rightKey)
        return -95.0f;
    if (backKey)
        return 105.0f;
    if (leftKey)
        return 65.0f;
    if (rightKey)
        return -65.0f;
    return 0.0f;
}

void Player::drawHead(unsigned int texture, float turn)
{
    glTranslatef(0.0f, kHeadRadius, 0.0f);
    glRotatef(90.0f, 1.0f, 0.0f, 0.0f);
    if (turn != 0.0f)
        glRotatef(turn, 0.0f, 0.0f, 1.0f);
    setColor(1.0f, 1.0f, 1.0f);
    beginTexture(texture);
    gluSphere(headQuadric, kHeadRadius, kHeadSlices, kHeadSlices);
    endTexture();
}
