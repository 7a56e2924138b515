// The hero's whole poses: living, dead, first person (torch light only) and
// the two posed drawings of the closing screens. World units, degrees.
#include "actors/Player.h"

#include "app/GameRegistry.h"
#include "render/GL.h"

namespace {
// The figure's centre sits this far above its hips.
constexpr float kHipDrop = 0.6f;
// Shoulders sit this far below the top of the body.
constexpr float kShoulderDrop = 0.05f;
// Vertical bob while walking: world units per degree of swing per unit of
// walk speed.
constexpr float kBobPerSwing = 0.001f;
// Limb swing step that an idle figure restarts from.
constexpr float kIdleSwingStep = 5.0f;
constexpr float kArmSwing = 0.5f;
constexpr float kDeadLegRaise = 65.0f;
constexpr float kTorchStep = 0.15f;
constexpr float kTorchFade = 0.005f;

void translate(SbVec3f v) { glTranslatef(v[0], v[1], v[2]); }

// Figures stand upside down when a world turns gravity upwards.
void flipForGravity()
{
    if (GameRegistry::getGravity()[1] > 0.0f)
        glScalef(1.0f, -1.0f, 1.0f);
}
} // namespace

void Player::drawLivingFigure()
{
    if (!visible) {
        placeTorchLightOnly();
        return;
    }
    if (!walking && !running && !anyJumpDirection()) {
        walkSpeed = 0.0f;
        swing = 0.0f;
        swingStep = kIdleSwingStep;
    }
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

    drawHead(blinking ? twinkleHeadTexture : headTexture, headTurn());
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

void Player::drawDeadFigure()
{
    if (!visible) {
        placeDeadTorchLightOnly();
        return;
    }
    if (!walking && !running) {
        walkSpeed = 0.0f;
        swing = 0.0f;
        swingStep = kIdleSwingStep;
    }
    glPushMatrix();
    translate(position);
    glRotatef(spinAngle, 0.0f, -1.0f, 0.0f);
    flipForGravity();
    glTranslatef(0.0f, -kHipDrop, 0.0f);
    drawLegs(Limbs::Raised, kDeadLegRaise);
    drawBody();
    glTranslatef(0.0f, -kShoulderDrop, 0.0f);

    // Both arms thrown upwards; each mirror turns the winding round.
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

    drawHead(deadHeadTexture, 0.0f);
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

// Both arms without the torch, the second mirrored, for the closing poses.
void Player::drawPlainArms(Limbs mode, float angle)
{
    for (bool mirrored : {false, true}) {
        glPushMatrix();
        if (mirrored) {
            glScalef(-1.0f, 1.0f, 1.0f);
            glFrontFace(GL_CW);
        }
        drawArm(mode, angle);
        glFrontFace(GL_CCW);
        glPopMatrix();
    }
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
