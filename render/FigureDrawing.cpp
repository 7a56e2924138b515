#include "render/FigureDrawing.h"

#include "render/FigureShapes.h"
#include "render/FigureSizes.h"
#include "render/GL.h"
#include "render/Textures.h"

using namespace FigureSizes;

namespace {
constexpr float kSkin[3] = {1.0f, 0.8862745f, 0.74509805f};
constexpr float kBodyBottomGreen[3] = {0.07421875f, 0.59375f, 0.07421875f};
constexpr float kBodyTopGreen[3] = {0.1015625f, 0.8203125f, 0.1015625f};

constexpr float kLegLineWidth = 3.0f;
constexpr float kArmLineWidth = 4.0f;
constexpr float kInAirTilt = 45.0f;

// Vertical bob while walking: world units per degree of swing per unit of
// walk speed.
constexpr float kBobPerSwing = 0.001f;
constexpr float kDeadLegRaise = 65.0f;

void line(float x0, float y0, float z0, float x1, float y1, float z1)
{
    glBegin(GL_LINES);
    glVertex3f(x0, y0, z0);
    glVertex3f(x1, y1, z1);
    glEnd();
}

void translate(SbVec3f v) { glTranslatef(v[0], v[1], v[2]); }
} // namespace

FigureDrawing::FigureDrawing(const FigurePose &pose, const Looks &looks, DrawPass pass, FigureShapes &shapes,
                             bool gravityUp)
    : pose(pose), looks(looks), pass(pass), shapes(shapes), gravityUp(gravityUp)
{
}

void FigureDrawing::flipForGravity() const
{
    if (gravityUp)
        glScalef(1.0f, -1.0f, 1.0f);
}

void FigureDrawing::setColor(float r, float g, float b) const
{
    if (!outline())
        glColor3f(r, g, b);
}

void FigureDrawing::setLineWidth(float width) const
{
    if (!outline())
        glLineWidth(width);
}

void FigureDrawing::beginTexture(unsigned int texture) const
{
    if (outline())
        return;
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, getTexture(texture));
}

void FigureDrawing::endTexture() const
{
    if (outline())
        return;
    glBindTexture(GL_TEXTURE_2D, getTexture(looks.clear));
    glDisable(GL_TEXTURE_2D);
}

void FigureDrawing::drawLiving()
{
    glPushMatrix();
    translate(pose.position);
    if ((pose.walking || pose.running) && pose.onGround)
        glTranslatef(0.0f, pose.swing * kBobPerSwing * pose.walkSpeed, 0.0f);
    glRotatef(pose.heading, 0.0f, -1.0f, 0.0f);
    flipForGravity();
    glTranslatef(0.0f, -kHipDrop, 0.0f);
    drawLegs(Limbs::KeySwing, pose.swing);
    drawBody();
    glTranslatef(0.0f, -kShoulderDrop, 0.0f);
    drawLivingArms();
    drawHead(pose.blinking ? looks.twinkleHead : looks.head, headTurn());
    glPopMatrix();
}

void FigureDrawing::drawDead()
{
    glPushMatrix();
    translate(pose.position);
    glRotatef(pose.spinAngle, 0.0f, -1.0f, 0.0f);
    flipForGravity();
    glTranslatef(0.0f, -kHipDrop, 0.0f);
    drawLegs(Limbs::Raised, kDeadLegRaise);
    drawBody();
    glTranslatef(0.0f, -kShoulderDrop, 0.0f);
    drawDeadArms();
    drawHead(looks.deadHead, 0.0f);
    glPopMatrix();
}

void FigureDrawing::drawLivingArms() { drawPlainArms(Limbs::KeySwing, pose.swing * kArmSwing); }

void FigureDrawing::drawDeadArms()
{
    glPushMatrix();
    glScalef(1.0f, -1.0f, 1.0f);
    drawPlainArms(Limbs::Still, 0.0f, true);
    glPopMatrix();
}

// Axes follow the held keys: forward (forwardSign, 0, 0), back the
// opposite, left (0, 0, -sideSign), right (0, 0, sideSign).
void FigureDrawing::applyKeySwing(float angle, float forwardSign, float sideSign) const
{
    if (pose.forwardKey)
        glRotatef(angle, forwardSign, 0.0f, 0.0f);
    if (pose.backKey)
        glRotatef(angle, -forwardSign, 0.0f, 0.0f);
    if (pose.leftKey)
        glRotatef(angle, 0.0f, 0.0f, -sideSign);
    if (pose.rightKey)
        glRotatef(angle, 0.0f, 0.0f, sideSign);
}

void FigureDrawing::poseLimb(Limbs mode, float angle, bool mirrored, float inAirTilt) const
{
    switch (mode) {
    case Limbs::KeySwing:
        if (pose.onGround)
            applyKeySwing(angle, mirrored ? -1.0f : 1.0f, 1.0f);
        if (pose.inAir)
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

void FigureDrawing::drawLegs(Limbs mode, float angle)
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

void FigureDrawing::drawLeg()
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
    beginTexture(looks.feet);
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
void FigureDrawing::drawBody()
{
    setColor(kBodyBottomGreen[0], kBodyBottomGreen[1], kBodyBottomGreen[2]);
    glPushMatrix();
    glRotatef(90.0f, 1.0f, 0.0f, 0.0f); // disk faces down
    shapes.bodyDisk();
    glPopMatrix();

    glTranslatef(0.0f, kBodyHeight, 0.0f);
    setColor(kBodyTopGreen[0], kBodyTopGreen[1], kBodyTopGreen[2]);
    glPushMatrix();
    glRotatef(-90.0f, 1.0f, 0.0f, 0.0f); // disk faces up
    shapes.bodyDisk();
    glPopMatrix();

    setColor(1.0f, 1.0f, 1.0f);
    beginTexture(looks.body);
    if (!outline())
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glPushMatrix();
    glRotatef(90.0f, 1.0f, 0.0f, 0.0f); // from the top down to the hips
    shapes.bodyCylinder();
    glPopMatrix();
    endTexture();
}

void FigureDrawing::drawArm(Limbs mode, float angle)
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
    shapes.handSphere();
}

void FigureDrawing::drawPlainArms(Limbs mode, float angle, bool upsideDown)
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
float FigureDrawing::headTurn() const
{
    if (pose.backKey && pose.leftKey)
        return 95.0f;
    if (pose.backKey && pose.rightKey)
        return -95.0f;
    if (pose.backKey)
        return 105.0f;
    if (pose.leftKey)
        return 65.0f;
    if (pose.rightKey)
        return -65.0f;
    return 0.0f;
}

void FigureDrawing::drawHead(unsigned int texture, float turn)
{
    glTranslatef(0.0f, kHeadRadius, 0.0f);
    glRotatef(90.0f, 1.0f, 0.0f, 0.0f);
    if (turn != 0.0f)
        glRotatef(turn, 0.0f, 0.0f, 1.0f);
    setColor(1.0f, 1.0f, 1.0f);
    beginTexture(texture);
    shapes.headSphere();
    endTexture();
}
