#include "render/FigureShapes.h"

#include "render/FigureSizes.h"
#include "render/GL.h"

using namespace FigureSizes;

namespace {
// Slices and stacks of the tessellation.
constexpr int kBodySlices = 16;
constexpr int kHeadSlices = 32;
constexpr int kTorchSlices = 16;
constexpr int kBallSlices = 16;
constexpr int kBallStacks = 16;
// Rings of the disks that close the body and the torch. A disk is flat and
// lit per pixel, so rings inside it change nothing in the shaded pass; in
// the outline pass a disk is drawn only when it faces away, and then the
// closed body in front hides its inside. More rings would only add lines
// for the renderer to throw away.
constexpr int kDiskRings = 1;

GLUquadric *texturedQuadric()
{
    GLUquadric *quadric = gluNewQuadric();
    gluQuadricTexture(quadric, GL_TRUE);
    return quadric;
}
} // namespace

FigureShapes::FigureShapes()
    : head(texturedQuadric()), body(texturedQuadric()), hand(gluNewQuadric()), torch(gluNewQuadric()),
      boulder(texturedQuadric())
{
    gluQuadricOrientation(torch, GLU_INSIDE);
}

FigureShapes::~FigureShapes()
{
    for (GLUquadric *quadric : {head, body, hand, torch, boulder})
        gluDeleteQuadric(quadric);
}

void FigureShapes::bodyDisk()
{
    lists.draw(kBodyDisk, [this] { gluDisk(body, 0.0, kBodyRadius, kBodySlices, kDiskRings); });
}

void FigureShapes::bodyCylinder()
{
    lists.draw(kBodyCylinder,
               [this] { gluCylinder(body, kBodyRadius, kBodyRadius, kBodyHeight, kBodySlices, kBodySlices); });
}

void FigureShapes::handSphere()
{
    lists.draw(kHandSphere, [this] { gluSphere(hand, kHandRadius, kBodySlices, kBodySlices); });
}

void FigureShapes::headSphere()
{
    lists.draw(kHeadSphere, [this] { gluSphere(head, kHeadRadius, kHeadSlices, kHeadSlices); });
}

void FigureShapes::torchDisk()
{
    lists.draw(kTorchDisk, [this] { gluDisk(torch, 0.0, kTorchRadius, kTorchSlices, kDiskRings); });
}

void FigureShapes::torchCylinder()
{
    lists.draw(kTorchCylinder,
               [this] { gluCylinder(torch, kTorchRadius, kTorchRadius, kTorchLength, kTorchSlices, kTorchSlices); });
}

void FigureShapes::ball(float radius)
{
    for (const auto &ball : balls)
        if (ball->radius == radius) {
            ball->list.draw(0, [&] { gluSphere(boulder, radius, kBallSlices, kBallStacks); });
            return;
        }
    balls.push_back(std::make_unique<Ball>(radius));
    balls.back()->list.draw(0, [&] { gluSphere(boulder, radius, kBallSlices, kBallStacks); });
}
