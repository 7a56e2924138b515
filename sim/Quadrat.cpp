#include "sim/Quadrat.h"

#include "sim/Surface.h"

Quadrat::Quadrat(SbVec3f o, float h, float w, float d)
{
    // Corners as offsets from the origin, each added in one go.
    auto at = [&o](float x, float y, float z) { return o + SbVec3f(x, y, z); };
    faces.push_back(new Surface(o, at(w, 0, 0), at(0, 0, d)));         // bottom, +y
    faces.push_back(new Surface(at(0, h, 0), at(w, h, 0), at(0, h, d))); // top, -y once flipped
    faces.push_back(new Surface(o, at(0, h, 0), at(w, 0, 0)));         // front, +z
    faces.push_back(new Surface(at(0, 0, d), at(0, h, d), o));         // left, +x
    faces.push_back(new Surface(at(w, 0, 0), at(w, h, 0), at(w, 0, d))); // right, -x
    faces.push_back(new Surface(at(0, 0, d), at(0, h, d), at(w, 0, d))); // back, -z once flipped
    faces[Top]->flip();
    faces[Back]->flip();
}

void Quadrat::flip()
{
    for (Surface *face : faces)
        face->flip();
}
