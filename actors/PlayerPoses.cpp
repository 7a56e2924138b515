// The hero's whole poses: living, dead, first person (torch light only) and
// the two posed drawings of the closing screens. World units, degrees.
#include "actors/Player.h"

#include "render/GL.h"

namespace {
constexpr float kTorchStep = 0.15f;
constexpr float kTorchFade = 0.005f;

void translate(SbVec3f v) { glTranslatef(v[0], v[1], v[2]); }
} // namespace

// The plain arm, then the torch arm turned forward (its mirror turns the
// winding round).
void Player::drawLivingArms()
{
    glPushMatrix();
    drawArm(Limbs::KeySwing, swing * kArmSwing);
    glPopMatrix();
    glPushMatrix();
    glScalef(-1.0f, 1.0f, 1.0f);
    glRotatef(90.0f, 1.0f, 0.0f, 0.0f);
    glFrontFace(GL_CW);
    drawArm(Limbs::KeySwing, swing * kArmSwing);
    drawTorchHand(true);
    glFrontFace(GL_CCW);
    glPopMatrix();
}

// First person: no figure, only light 0 where the torch would be. No
// heading turn, as the hero has always placed it.
void Player::placeTorchLightOnly()
{
    glPushMatrix();
    translate(position);
    glScalef(1.0f, -1.0f, 1.0f);
    placeLightAlongTorchArm();
    glPopMatrix();
}

void Player::placeDeadTorchLightOnly()
{
    glPushMatrix();
    translate(position);
    glTranslatef(0.0f, kHipDrop, 0.0f);
    glTranslatef(0.0f, -kShoulderDrop, 0.0f);
    glScalef(1.0f, -1.0f, 1.0f);
    glScalef(-1.0f, 1.0f, 1.0f);
    placeLightAlongTorchArm();
    glPopMatrix();
}

// The torch arm's chain of offsets and rotations without drawing it, ending
// with light 0 at the torch's tip.
void Player::placeLightAlongTorchArm() const
{
    glTranslatef(0.3f, 0.0f, 0.0f);
    poseLimb(Limbs::KeySwing, swing * kArmSwing, false, 45.0f);
    glTranslatef(0.15f, -0.15f, 0.0f);
    glTranslatef(0.0f, -0.3f, -0.05f);
    poseTorchHand();
    glTranslatef(0.0f, 0.0f, kTorchStep);
    glTranslatef(0.0f, 0.0f, kTorchStep);
    placeLight(flicker, flicker * kTorchFade);
    glTranslatef(0.0f, 0.0f, kTorchStep);
}

// Both arms thrown upwards, the torch in the second; each mirror turns the
// winding round.
void Player::drawDeadArms()
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

// A torch standing upright on its own, for the closing screens.
void Player::drawStandingTorch(SbVec3f offset)
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

void Player::drawVictory()
{
    if (!visible)
        return;
    glPushMatrix();
    translate(position);
    drawStandingTorch(SbVec3f(0.0f, -0.55f, 2.0f));
    glTranslatef(0.0f, hopHeight, 0.0f);
    glRotatef(180.0f, 0.0f, -1.0f, 0.0f);
    glTranslatef(0.0f, -kHipDrop, 0.0f);
    drawLegs(Limbs::Forward, hopAngle * 0.5f);
    drawBody();
    glTranslatef(0.0f, -kShoulderDrop, 0.0f);
    drawPlainArms(Limbs::Forward, hopAngle);
    drawHead(happyHeadTexture, 0.0f);
    glPopMatrix();
}

void Player::drawDefeat()
{
    if (!visible)
        return;
    glPushMatrix();
    translate(position);
    drawStandingTorch(SbVec3f(0.0f, 0.05f, 0.25f));
    glTranslatef(0.0f, -0.7f, 0.0f);
    glRotatef(-90.0f, 1.0f, 0.0f, 0.0f);
    glRotatef(180.0f, 0.0f, -1.0f, 0.0f);
    glTranslatef(0.0f, -kHipDrop, 0.0f);
    drawLegs(Limbs::Forward, 45.0f);
    drawBody();
    glTranslatef(0.0f, -kShoulderDrop, 0.0f);
    drawPlainArms(Limbs::Still, 0.0f);
    drawHead(deadHeadTexture, 35.0f);
    glPopMatrix();
}
