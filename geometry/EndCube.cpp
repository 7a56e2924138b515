#include "geometry/EndCube.h"

#include "actors/Entity.h"
#include "app/GameRegistry.h"
#include "render/GL.h"

namespace {
// Side length of the square pane, world units.
constexpr float kSide = 2.0f;
// Translucent red, RGBA.
constexpr GLfloat kPaneColor[4] = {1.0f, 0.0f, 0.0f, 0.6f};
} // namespace

EndCube::EndCube(SbVec3f p) : Boundary(p)
{
    points.push_back(p + SbVec3f(kSide, 0.0f, 0.0f));
    points.push_back(p + SbVec3f(0.0f, kSide, 0.0f));
    points.push_back(p + SbVec3f(kSide, kSide, 0.0f));
    SbVec3f allEdges[3];
    float allLengths[3];
    spanRectangle(points[0], points[1], points[2], allEdges, allLengths, normal);
    for (int i = 0; i < 2; ++i) {
        edges[i] = allEdges[i];
        edgeLengths[i] = allLengths[i];
    }
}

void EndCube::emitPane(SbVec3f paneNormal) const
{
    glBegin(GL_QUADS);
    glNormal3fv(paneNormal.getValue());
    glVertex3fv(points[0].getValue());
    glVertex3fv(points[1].getValue());
    glVertex3fv(points[3].getValue());
    glVertex3fv(points[2].getValue());
    glEnd();
}

void EndCube::drawStatic()
{
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glFrontFace(GL_CCW);
    glColor4fv(kPaneColor);
    // Once from each side, the normal facing the viewer each time.
    emitPane(-normal);
    glFrontFace(GL_CW);
    emitPane(normal);
    glDisable(GL_BLEND);
    glFrontFace(GL_CCW);
}

bool EndCube::testCollision(Entity *actor)
{
    return actor->collidesWithQuad(points[0], edgeVectorA(), edgeVectorB(), normal);
}

void EndCube::resolveCollision(Entity *actor)
{
    if (actor->isPlayer())
        GameRegistry::nextWorld();
}

void EndCube::addToGrid(unsigned int sizeX, unsigned int sizeY, unsigned int sizeZ,
                        SpatialGrid &grid, int index)
{
    sampleIntoGrid(points[0], edgeVectorA(), edgeVectorB(), sizeX, sizeY, sizeZ, grid, index,
                   false);
}
