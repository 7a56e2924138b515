#pragma once
class Camera;

// The start of every frame: clears the buffers and sets the projection and
// the camera's view of the hero.
void setUpCameraView(const Camera &camera);
