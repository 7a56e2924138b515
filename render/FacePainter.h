#pragma once
#include "sim/BoundaryVisitor.h"

class Boundary;

// Draws the level geometry, each piece as its own class: the permanent
// look of a static piece (once, into its display list), a moving piece's
// look every frame, and the bare quads of the outline pass.
class FacePainter : private BoundaryVisitor {
public:
    // How a static face is recorded. Whole: one quad whose texture
    // coordinates repeat the texture exactly as the tiles do (the shading
    // is per pixel, so unit tiles buy nothing and cost vertices), and the
    // level draws its faces near to far. Tiled: unit tiles in table order,
    // as the game drew before; kept so that tests and the frame benchmark
    // can compare the two. A process-wide setting, read while a level
    // records its display lists and draws them.
    enum class StaticDrawing { Whole, Tiled };
    static void setStaticDrawing(StaticDrawing drawing);
    static StaticDrawing getStaticDrawing();

    // The permanent look, recorded once into the level's display list.
    void drawStatic(const Boundary &piece);
    // What is drawn every frame in the shaded pass: the moving faces.
    void drawMoving(const Boundary &piece);
    // The bare quad of a face for the black outline pass.
    void drawOutline(const Boundary &piece);

private:
    enum class Mode { Static, Moving, Outline };
    void visit(const Surface &face) override;
    void visit(const HazardousSurface &face) override;
    void visit(const EndCube &exit) override;
    void visit(const MovingSurface &face) override;
    void drawStaticSurface(const Surface &face);

    Mode mode = Mode::Static;
};
