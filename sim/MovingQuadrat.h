#pragma once
#include "sim/MovingBoundary.h"

#include <Inventor/SbVec3f.h>
#include <vector>

class MovingSurface;

// An axis-aligned box of six moving faces (bottom, top, front, left, right,
// back, as for Quadrat) that follow the box's path in lockstep: each face
// gets the path shifted by the offset of its anchor corner from the box's
// origin. Built with every normal pointing inwards; flip() turns it into a
// solid block.
//
// A plain record: copying it copies the face pointers, so a copy (such as
// the one a Trigger keeps) controls the same faces. The faces belong to the
// level.
class MovingQuadrat {
public:
    // Width along x, height along y, depth along z from origin; waypoints
    // are positions of the origin; speed in world units per tick.
    MovingQuadrat(SbVec3f origin, float height, float width, float depth, Waypoints waypoints,
                  float speed);

    // Gives every face the new path, shifted by its offset; the faces keep
    // their positions and their progress.
    void setPath(Waypoints waypoints);
    Waypoints getPath() const { return path; }
    void flip();

    std::vector<MovingSurface *> faces;

private:
    // Offset of a face's anchor corner from the box's origin.
    SbVec3f faceOffset(int face) const;
    Waypoints shiftedPath(int face) const;

    Waypoints path;
    float height;
    float width;
    float depth;
};
