#pragma once
#include "render/ShapeLists.h"

#include <memory>
#include <vector>

struct GLUquadric;

// The GLU shapes of the walking figures and the hero's torch, made once
// and recorded into display lists the first time each is drawn; every
// figure a painter draws shares them.
class FigureShapes {
public:
    FigureShapes();
    ~FigureShapes();
    FigureShapes(const FigureShapes &) = delete;
    FigureShapes &operator=(const FigureShapes &) = delete;

    void bodyDisk();
    void bodyCylinder();
    void handSphere();
    void headSphere();
    void torchDisk();
    void torchCylinder();
    // The boulders' sphere of the given radius, recorded once a radius.
    void ball(float radius);

private:
    GLUquadric *head;    // textured
    GLUquadric *body;    // textured
    GLUquadric *hand;
    GLUquadric *torch;   // seen from inside
    GLUquadric *boulder; // textured
    enum Shape { kBodyDisk, kBodyCylinder, kHandSphere, kHeadSphere, kTorchDisk, kTorchCylinder, kShapeCount };
    ShapeLists lists{kShapeCount};
    struct Ball {
        explicit Ball(float radius) : radius(radius) {}
        float radius;
        ShapeLists list{1};
    };
    std::vector<std::unique_ptr<Ball>> balls;
};
