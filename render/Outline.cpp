#include "render/Outline.h"

#include "render/GL.h"

namespace {
// Outline widths in pixels. Blending is off, so a smooth line is written
// solid on every pixel it touches at all: the aliased line one pixel wider
// covers the same pixels, give or take one along its edges. In a software
// renderer it costs about half as much, since a smooth line goes through a
// coverage stage of its own; the figures' outlines are thousands of lines.
constexpr float kSmoothWidth = 3.0f;
constexpr float kFastWidth = 4.0f;

// The pull of the static geometry's outlines towards the viewer: a tenth of
// the face's depth slope plus one depth step, so that the black lines win
// the depth test against the faces they border.
constexpr float kFlatOffsetFactor = -0.1f;
constexpr float kFlatOffsetUnits = -1.0f;
// The most that pull may be, in window depth (0 near plane, 1 far plane).
// A face seen nearly edge-on has a huge depth slope, and a tenth of it
// would pull its edge in front of a figure standing well before it: a
// black line straight across the hero. Faces seen at any ordinary angle
// are pulled far less than this (some 1e-5), so their lines do not change.
// With the near plane at 1 it is about 0.0025 world units five units from
// the eye, 0.04 at twenty.
constexpr float kFlatOffsetBound = -1.0e-4f;

OutlineLines outlineLines = OutlineLines::Smooth;
} // namespace

void setOutlineLines(OutlineLines lines) { outlineLines = lines; }
OutlineLines getOutlineLines() { return outlineLines; }

// The outline pass draws back faces again as thick black lines; front faces
// are culled so that only silhouettes and creases remain visible.
void beginOutline()
{
    glDisable(GL_LIGHTING);
    glCullFace(GL_FRONT);
    glPolygonMode(GL_BACK, GL_LINE);
    if (outlineLines == OutlineLines::Smooth) {
        glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
        glEnable(GL_LINE_SMOOTH);
        glLineWidth(kSmoothWidth);
    } else {
        glLineWidth(kFastWidth);
    }
    glDepthFunc(GL_LEQUAL);
    glColor4f(0.0f, 0.0f, 0.0f, 1.0f);
}

void endOutline()
{
    glDepthFunc(GL_LESS);
    glCullFace(GL_BACK);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glLineWidth(1.0f);
    glDisable(GL_LINE_SMOOTH);
    glEnable(GL_LIGHTING);
}

// A GL without a bound for the offset (neither OpenGL 4.6 nor either
// polygon-offset-clamp extension) gets the unbounded pull: the line across
// a figure comes back there, nothing else changes.
void beginFlatOutlines()
{
    glEnable(GL_POLYGON_OFFSET_LINE);
    if (GLEW_ARB_polygon_offset_clamp || GLEW_VERSION_4_6)
        glPolygonOffsetClamp(kFlatOffsetFactor, kFlatOffsetUnits, kFlatOffsetBound);
    else if (GLEW_EXT_polygon_offset_clamp)
        glPolygonOffsetClampEXT(kFlatOffsetFactor, kFlatOffsetUnits, kFlatOffsetBound);
    else
        glPolygonOffset(kFlatOffsetFactor, kFlatOffsetUnits);
}

void endFlatOutlines() { glDisable(GL_POLYGON_OFFSET_LINE); }
