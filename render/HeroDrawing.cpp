#include "render/HeroDrawing.h"

#include "render/FigureShapes.h"
#include "render/FigureSizes.h"
#include "render/GL.h"

using namespace FigureSizes;

namespace {
constexpr float kTorchBrown[3] = {0.54509807f, 0.3529412f, 0.0f};
constexpr float kTorchHandle = 0.15f;
// Light fall-off of the torch per unit distance (linear and quadratic),
// scaled by the flicker like the constant term.
constexpr float kTorchFade = 0.005f;
constexpr float kArmLineWidth = 4.0f;
// The torch hand swings a little more than the arm, and tilts back in the
// air.
constexpr float kTorchHandSwing = 0.6f;
constexpr float kInAirTilt = 45.0f;
// Steps along the torch arm to its tip, where light 0 sits.
constexpr float kTorchStep = 0.15f;

void translate(SbVec3f v) { glTranslatef(v[0], v[1], v[2]); }
} // namespace

HeroDrawing::HeroDrawing(const FigurePose &pose, const Looks &looks, unsigned int happyHead, DrawPass pass,
                         FigureShapes &shapes, bool gravityUp)
    : FigureDrawing(pose, looks, pass, shapes, gravityUp), happyHead(happyHead)
{
}

// The plain arm, then the torch arm turned forward (its mirror turns the
// winding round).
void HeroDrawing::drawLivingArms()
{
    glPushMatrix();
    drawArm(Limbs::KeySwing, pose.swing * kArmSwing);
    glPopMatrix();
    glPushMatrix();
    glScalef(-1.0f, 1.0f, 1.0f);
    glRotatef(90.0f, 1.0f, 0.0f, 0.0f);
    glFrontFace(GL_CW);
    drawArm(Limbs::KeySwing, pose.swing * kArmSwing);
    drawTorchHand(true);
    glFrontFace(GL_CCW);
    glPopMatrix();
}

// Both arms thrown upwards, the torch in the second; each mirror turns the
// winding round.
void HeroDrawing::drawDeadArms()
{
    glPushMatrix();
    glScalef(1.0f, -1.0f, 1.0f);
    glFrontFace(GL_CW);
    glPushMatrix();
    drawArm(Limbs::Still, 0.0f);
    glPopMatrix();
    glPushMatrix();
    glScalef(-1.0f, 1.0f, 1.0f);
    glFrontFace(GL_CCW);
    drawArm(Limbs::Still, 0.0f);
    drawTorchHand(false);
    glPopMatrix();
    glFrontFace(GL_CCW);
    glPopMatrix();
}

// No heading turn, as the hero has always placed it.
void HeroDrawing::placeTorchLightOnly() const
{
    glPushMatrix();
    translate(pose.position);
    glScalef(1.0f, -1.0f, 1.0f);
    placeLightAlongTorchArm();
    glPopMatrix();
}

void HeroDrawing::placeDeadTorchLightOnly() const
{
    glPushMatrix();
    translate(pose.position);
    glTranslatef(0.0f, kHipDrop, 0.0f);
    glTranslatef(0.0f, -kShoulderDrop, 0.0f);
    glScalef(1.0f, -1.0f, 1.0f);
    glScalef(-1.0f, 1.0f, 1.0f);
    placeLightAlongTorchArm();
    glPopMatrix();
}

// The torch arm's chain of offsets and rotations without drawing it, ending
// with light 0 at the torch's tip.
void HeroDrawing::placeLightAlongTorchArm() const
{
    glTranslatef(0.3f, 0.0f, 0.0f);
    poseLimb(Limbs::KeySwing, pose.swing * kArmSwing, false, 45.0f);
    glTranslatef(0.15f, -0.15f, 0.0f);
    glTranslatef(0.0f, -0.3f, -0.05f);
    poseTorchHand();
    glTranslatef(0.0f, 0.0f, kTorchStep);
    glTranslatef(0.0f, 0.0f, kTorchStep);
    placeLight(pose.flicker, pose.flicker * kTorchFade);
    glTranslatef(0.0f, 0.0f, kTorchStep);
}

// The torch hand's own turn, against the key axes of the shoulder.
void HeroDrawing::poseTorchHand() const
{
    if (pose.onGround)
        applyKeySwing(pose.swing * kTorchHandSwing, -1.0f, -1.0f);
    if (pose.inAir)
        glRotatef(kInAirTilt, -1.0f, 0.0f, 0.0f);
}

// From the torch hand: the handle, then the burning torch (light 0).
void HeroDrawing::drawTorchHand(bool posed)
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
    drawTorch(pose.flicker, pose.flicker * kTorchFade);
}

// Disk, shaft and disk of the torch along +z, with light 0 at its middle.
void HeroDrawing::drawTorch(float constantAttenuation, float fadeAttenuation)
{
    setColor(kTorchBrown[0], kTorchBrown[1], kTorchBrown[2]);
    glPushMatrix();
    glRotatef(180.0f, 1.0f, 0.0f, 0.0f);
    shapes.torchDisk();
    glPopMatrix();
    shapes.torchCylinder();
    glTranslatef(0.0f, 0.0f, kTorchLength / 2.0f);
    placeLight(constantAttenuation, fadeAttenuation);
    glTranslatef(0.0f, 0.0f, kTorchLength / 2.0f);
    shapes.torchDisk();
}

// Light 0 at the origin of the current frame. The level's torch fades with
// distance; flicker scales all three attenuation terms.
void HeroDrawing::placeLight(float constantAttenuation, float fadeAttenuation) const
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

// A torch standing upright on its own, for the closing screens.
void HeroDrawing::drawStandingTorch(SbVec3f offset)
{
    glPushMatrix();
    translate(offset);
    glRotatef(-90.0f, 1.0f, 0.0f, 0.0f); // the torch's +z points up
    setLineWidth(4.0f);
    setColor(0.0f, 0.0f, 0.0f);
    glBegin(GL_LINES);
    glVertex3f(0.0f, 0.0f, -kTorchStep);
    glVertex3f(0.0f, 0.0f, 0.0f);
    glEnd();
    setLineWidth(1.0f);
    drawTorch(1.0f, kTorchFade);
    glPopMatrix();
}

void HeroDrawing::drawVictory(float hopHeight, float hopAngle)
{
    glPushMatrix();
    translate(pose.position);
    drawStandingTorch(SbVec3f(0.0f, -0.55f, 2.0f));
    glTranslatef(0.0f, hopHeight, 0.0f);
    glRotatef(180.0f, 0.0f, -1.0f, 0.0f);
    glTranslatef(0.0f, -kHipDrop, 0.0f);
    drawLegs(Limbs::Forward, hopAngle * 0.5f);
    drawBody();
    glTranslatef(0.0f, -kShoulderDrop, 0.0f);
    drawPlainArms(Limbs::Forward, hopAngle);
    drawHead(happyHead, 0.0f);
    glPopMatrix();
}

void HeroDrawing::drawDefeat()
{
    glPushMatrix();
    translate(pose.position);
    drawStandingTorch(SbVec3f(0.0f, 0.05f, 0.25f));
    glTranslatef(0.0f, -0.7f, 0.0f);
    glRotatef(-90.0f, 1.0f, 0.0f, 0.0f);
    glRotatef(180.0f, 0.0f, -1.0f, 0.0f);
    glTranslatef(0.0f, -kHipDrop, 0.0f);
    drawLegs(Limbs::Forward, 45.0f);
    drawBody();
    glTranslatef(0.0f, -kShoulderDrop, 0.0f);
    drawPlainArms(Limbs::Still, 0.0f);
    drawHead(looks.deadHead, 35.0f);
    glPopMatrix();
}
