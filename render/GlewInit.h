#pragma once
// Loads the OpenGL extension entry points for the current context. Kept
// apart from Qt's GL headers, which must not meet GLEW's in one file.
bool initGlew();

// Waits until the renderer has finished every command given so far.
void finishGl();
