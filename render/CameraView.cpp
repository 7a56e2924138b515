#include "render/CameraView.h"

#include "render/GL.h"
#include "sim/Camera.h"

namespace {
// Projection: vertical field of view in degrees, aspect, clip planes in
// world units.
constexpr double kFieldOfView = 60.0;
constexpr double kAspect = 1.0;
constexpr double kNearPlane = 1.0;
constexpr double kFarPlane = 200.0;
} // namespace

void setUpCameraView(const Camera &camera)
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(kFieldOfView, kAspect, kNearPlane, kFarPlane);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const SbVec3f hero = camera.heroPosition();
    glTranslatef(0.0f, 0.0f, -camera.getDistance());
    glRotatef(camera.getPitch(), 1.0f, 0.0f, 0.0f);
    glRotatef(camera.getHeading(), 0.0f, 1.0f, 0.0f);
    glTranslatef(0.0f, -Camera::kPivotHeight, 0.0f);
    glTranslatef(-hero[0], -hero[1], -hero[2]);
}
