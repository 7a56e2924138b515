// The parts of the walking figures (legs, body, arms, head) and their two
// whole poses, living and dead. All sizes are world units, angles degrees.
// While the level's outline pass runs, colours, textures and line widths
// are left to the pass.
#include "actors/Walker.h"

#include "app/GameRegistry.h"
#include "render/GL.h"

namespace {
constexpr float kSkin[3] = {1.0f, 0.8862745f, 0.74509805f};
constexpr float kBodyBottomGreen[3] = {0.07421875f, 0.59375f, 0.07421875f};
constexpr float kBodyTopGreen[3] = {0.1015625f, 0.8203125f, 0.1015625f};

constexpr float kBodyRadius = 0.3f;
constexpr float kBodyHeight = 0.6f;
constexpr float kHandRadius = 0.05f;
constexpr float kHeadRadius = 0.5f;
constexpr float kLegLineWidth = 3.0f;
constexpr float kArmLineWidth = 4.0f;
constexpr int kBodySlices = 16;
constexpr int kHeadSlices = 32;
constexpr float kInAirTilt = 45.0f;

// Vertical bob while walking: world units per degree of swing per unit of
// walk speed.
constexpr float kBobPerSwing = 0.001f;
// Limb swing step that an idle figure restarts from.
constexpr float kIdleSwingStep = 5.0f;
constexpr float kDeadLegRaise = 65.0f;

void line(float x0, float y0, float z0, float x1, float y1, float z1)
{
    glBegin(GL_LINES);
    glVertex3f(x0, y0, z0);
    glVertex3f(x1, y1, z1);
    glEnd();
}

void translate(SbVec3f v) { glTranslatef(v[0], v[1], v[2]); }

// Figures stand upside down when a world turns gravity upwards.
void flipForGravity()
{
    if (GameRegistry::getGravity()[1] > 0.0f)
        glScalef(1.0f, -1.0f, 1.0f);
}
} // namespace

void Walker::setColor(float r, float g, float b) const
{
    if (!outlinePass)
        glColor3f(r, g, b);
}

void Walker::setLineWidth(float width) const
{
    if (!outlinePass)
        glLineWidth(width);
}

void Walker::beginTexture(unsigned int texture) const
{
    if (outlinePass)
        return;
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
}

void Walker::endTexture() const
{
    if (outlinePass)
        return;
    glBindTexture(GL_TEXTURE_2D, clearTexture);
    glDisable(GL_TEXTURE_2D);
}

void Walker::settleIdlePose()
{
    const bool idle = !walking && !running && (dead || !anyJumpDirection());
    if (!idle)
        return;
    walkSpeed = 0.0f;
    swing = 0.0f;
    swingStep = kIdleSwingStep;
}

void Walker::drawLivingFigure()
{
    glPushMatrix();
    translate(position);
    if ((walking || running) && onGround)
        glTranslatef(0.0f, swing * kBobPerSwing * walkSpeed, 0.0f);
    glRotatef(heading, 0.0f, -1.0f, 0.0f);
    flipForGravity();
    glTranslatef(0.0f, -kHipDrop, 0.0f);
    drawLegs(Limbs::KeySwing, swing);
    drawBody();
    glTranslatef(0.0f, -kShoulderDrop, 0.0f);
    drawLivingArms();
    drawHead(blinking ? twinkleHeadTexture : headTexture, headTurn());
    glPopMatrix();
}

void Walker::drawDeadFigure()
{
    glPushMatrix();
    translate(position);
    glRotatef(spinAngle, 0.0f, -1.0f, 0.0f);
    flipForGravity();
    glTranslatef(0.0f, -kHipDrop, 0.0f);
    drawLegs(Limbs::Raised, kDeadLegRaise);
    drawBody();
    glTranslatef(0.0f, -kShoulderDrop, 0.0f);
    drawDeadArms();
    drawHead(deadHeadTexture, 0.0f);
    glPopMatrix();
}

// Axes follow the held keys: forward (forwardSign, 0, 0), back the
// opposite, left (0, 0, -sideSign), right (0, 0, sideSign).
void Walker::applyKeySwing(float angle, float forwardSign, float sideSign) const
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

void Walker::poseLimb(Limbs mode, float angle, bool mirrored, float inAirTilt) const
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

void Walker::drawLegs(Limbs mode, float angle)
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

void Walker::drawLeg()
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
void Walker::drawBody()
{
    const auto bodyDisk = [this] {
        shapes.draw(kBodyDisk, [this] { gluDisk(bodyQuadric, 0.0, kBodyRadius, kBodySlices, kDiskRings); });
    };
    setColor(kBodyBottomGreen[0], kBodyBottomGreen[1], kBodyBottomGreen[2]);
    glPushMatrix();
    glRotatef(90.0f, 1.0f, 0.0f, 0.0f); // disk faces down
    bodyDisk();
    glPopMatrix();

    glTranslatef(0.0f, kBodyHeight, 0.0f);
    setColor(kBodyTopGreen[0], kBodyTopGreen[1], kBodyTopGreen[2]);
    glPushMatrix();
    glRotatef(-90.0f, 1.0f, 0.0f, 0.0f); // disk faces up
    bodyDisk();
    glPopMatrix();

    setColor(1.0f, 1.0f, 1.0f);
    beginTexture(bodyTexture);
    if (!outlinePass)
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glPushMatrix();
    glRotatef(90.0f, 1.0f, 0.0f, 0.0f); // from the top down to the hips
    shapes.draw(kBodyCylinder, [this] {
        gluCylinder(bodyQuadric, kBodyRadius, kBodyRadius, kBodyHeight, kBodySlices, kBodySlices);
    });
    glPopMatrix();
    endTexture();
}

// Shoulder, upper arm, forearm, hand; leaves the matrix at the hand.
void Walker::drawArm(Limbs mode, float angle)
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
    shapes.draw(kHandSphere, [this] { gluSphere(handQuadric, kHandRadius, kBodySlices, kBodySlices); });
}

void Walker::drawPlainArms(Limbs mode, float angle, bool upsideDown)
{
    for (bool mirrored : {false, true}) {
        glPushMatrix();
        if (mirrored)
            glScalef(-1.0f, 1.0f, 1.0f);
        glFrontFace(mirrored != upsideDown ? GL_CW : GL_CCW);
        drawArm(mode, angle);
        glFrontFace(GL_CCW);
        glPopMatrix();
    }
}

// The face turns towards a sideways or backward walk.
float Walker::headTurn() const
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

void Walker::drawHead(unsigned int texture, float turn)
{
    glTranslatef(0.0f, kHeadRadius, 0.0f);
    glRotatef(90.0f, 1.0f, 0.0f, 0.0f);
    if (turn != 0.0f)
        glRotatef(turn, 0.0f, 0.0f, 1.0f);
    setColor(1.0f, 1.0f, 1.0f);
    beginTexture(texture);
    shapes.draw(kHeadSphere, [this] { gluSphere(headQuadric, kHeadRadius, kHeadSlices, kHeadSlices); });
    endTexture();
}
