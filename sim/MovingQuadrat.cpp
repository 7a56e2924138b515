#include "sim/MovingQuadrat.h"

#include "sim/MovingSurface.h"
#include "sim/Quadrat.h"

#include <utility>

MovingQuadrat::MovingQuadrat(SbVec3f o, float h, float w, float d, Waypoints waypoints,
                             float speed)
    : path(std::move(waypoints)), height(h), width(w), depth(d)
{
    auto at = [&o](float x, float y, float z) { return o + SbVec3f(x, y, z); };
    const SbVec3f corners[Quadrat::FaceCount][3] = {
        {o, at(w, 0, 0), at(0, 0, d)},                // bottom
        {at(0, h, 0), at(w, h, 0), at(0, h, d)},      // top
        {o, at(0, h, 0), at(w, 0, 0)},                // front
        {at(0, 0, d), at(0, h, d), o},                // left
        {at(w, 0, 0), at(w, h, 0), at(w, 0, d)},      // right
        {at(0, 0, d), at(0, h, d), at(w, 0, d)},      // back
    };
    for (int face = 0; face < Quadrat::FaceCount; ++face)
        faces.push_back(new MovingSurface(corners[face][0], corners[face][1], corners[face][2],
                                          shiftedPath(face), speed));
    // As for Quadrat: all normals into the box.
    faces[Quadrat::Top]->flip();
    faces[Quadrat::Back]->flip();
}

SbVec3f MovingQuadrat::faceOffset(int face) const
{
    switch (face) {
    case Quadrat::Top:
        return SbVec3f(0.0f, height, 0.0f);
    case Quadrat::Left:
    case Quadrat::Back:
        return SbVec3f(0.0f, 0.0f, depth);
    case Quadrat::Right:
        return SbVec3f(width, 0.0f, 0.0f);
    default: // bottom and front are anchored at the origin
        return SbVec3f(0.0f, 0.0f, 0.0f);
    }
}

Waypoints MovingQuadrat::shiftedPath(int face) const
{
    const SbVec3f offset = faceOffset(face);
    Waypoints shifted;
    shifted.reserve(path.size());
    for (const SbVec3f &point : path)
        shifted.push_back(point + offset);
    return shifted;
}

void MovingQuadrat::setPath(Waypoints waypoints)
{
    path = std::move(waypoints);
    for (int face = 0; face < int(faces.size()); ++face)
        faces[size_t(face)]->setPath(shiftedPath(face));
}

void MovingQuadrat::flip()
{
    for (MovingSurface *face : faces)
        face->flip();
}
