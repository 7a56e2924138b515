#include "render/ActorPainter.h"

#include "render/GL.h"
#include "render/HeroDrawing.h"
#include "render/Textures.h"
#include "sim/Boulder.h"
#include "sim/Didud.h"
#include "sim/GameRegistry.h"
#include "sim/Player.h"

namespace {
FigureDrawing::Looks looksOf(const Walker &walker)
{
    const Walker::Textures t = walker.textures();
    return {t.clear, t.head, t.body, t.feet, t.deadHead, t.twinkleHead};
}

// Figures stand upside down when a world turns gravity upwards.
bool gravityUp() { return GameRegistry::getGravity()[1] > 0.0f; }
} // namespace

void ActorPainter::draw(const Entity &actor, DrawPass drawPass)
{
    pass = drawPass;
    actor.accept(*this);
}

void ActorPainter::visit(const Player &hero)
{
    const FigurePose pose = hero.pose();
    HeroDrawing drawing(pose, looksOf(hero), hero.happyHeadTexture(), pass, figureShapes, gravityUp());
    if (pose.dead) {
        if (hero.isVisible())
            drawing.drawDead();
        else
            drawing.placeDeadTorchLightOnly();
    } else {
        if (hero.isVisible())
            drawing.drawLiving();
        else
            drawing.placeTorchLightOnly();
    }
}

void ActorPainter::visit(const Didud &didud)
{
    if (didud.isGone())
        return;
    const FigurePose pose = didud.pose();
    FigureDrawing drawing(pose, looksOf(didud), pass, figureShapes, gravityUp());
    if (pose.dead)
        drawing.drawDead();
    else
        drawing.drawLiving();
}

void ActorPainter::visit(const Boulder &boulder)
{
    const SbVec3f at = boulder.getPosition();
    glPushMatrix();
    glTranslatef(at[0], at[1], at[2]);
    glRotatef(boulder.getRollZ(), 0.0f, 0.0f, 1.0f);
    glRotatef(boulder.getRollX(), 1.0f, 0.0f, 0.0f);
    if (pass == DrawPass::Shaded) {
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, getTexture(boulder.getTexture()));
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    }
    glFrontFace(GL_CCW);
    figureShapes.ball(boulder.getRadius());
    glBindTexture(GL_TEXTURE_2D, getTexture(boulder.getClearTexture()));
    glDisable(GL_TEXTURE_2D);
    glPopMatrix();
}

void ActorPainter::drawVictory(const Player &hero, DrawPass drawPass)
{
    if (!hero.isVisible())
        return;
    const FigurePose pose = hero.pose();
    HeroDrawing(pose, looksOf(hero), hero.happyHeadTexture(), drawPass, figureShapes, gravityUp())
        .drawVictory(hero.getHopHeight(), hero.getHopAngle());
}

void ActorPainter::drawDefeat(const Player &hero, DrawPass drawPass)
{
    if (!hero.isVisible())
        return;
    const FigurePose pose = hero.pose();
    HeroDrawing(pose, looksOf(hero), hero.happyHeadTexture(), drawPass, figureShapes, gravityUp()).drawDefeat();
}
