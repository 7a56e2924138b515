#pragma once
#include "render/DrawPass.h"
#include "render/FigureShapes.h"
#include "sim/ActorVisitor.h"

class Entity;
class Player;

// Draws the actors of a world, each as its own class, in the current
// model-view frame: the hero (his figure, or only his torch's light in
// first person), the Vavodi (until gone) and the boulders. Keeps the
// shapes all of them share.
class ActorPainter : private ActorVisitor {
public:
    void draw(const Entity &actor, DrawPass pass);
    // The closing screens' poses of the hero (nothing in first person).
    void drawVictory(const Player &hero, DrawPass pass);
    void drawDefeat(const Player &hero, DrawPass pass);
    // The shapes every figure is drawn with, for a figure of no actor's.
    FigureShapes &shapes() { return figureShapes; }

private:
    void visit(const Player &hero) override;
    void visit(const Didud &didud) override;
    void visit(const Boulder &boulder) override;

    FigureShapes figureShapes;
    DrawPass pass = DrawPass::Shaded;
};
