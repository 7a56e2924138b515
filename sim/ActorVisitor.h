#pragma once
class Player;
class Didud;
class Boulder;

// Whoever draws the actors sees each as its own class through this: the
// simulation names no drawing code, the drawing names every kind of actor.
class ActorVisitor {
public:
    virtual ~ActorVisitor() = default;
    virtual void visit(const Player &hero) = 0;
    virtual void visit(const Didud &didud) = 0;
    virtual void visit(const Boulder &boulder) = 0;
};
