#pragma once
class Surface;
class HazardousSurface;
class EndCube;
class MovingSurface;

// Whoever draws the level geometry sees each piece as its own class through
// this: the simulation names no drawing code, the drawing names every kind
// of piece. Pieces without an appearance (triggers) hand nothing.
class BoundaryVisitor {
public:
    virtual ~BoundaryVisitor() = default;
    virtual void visit(const Surface &face) = 0;
    virtual void visit(const HazardousSurface &face) = 0;
    virtual void visit(const EndCube &exit) = 0;
    virtual void visit(const MovingSurface &face) = 0;
};
