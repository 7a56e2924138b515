#include "render/GL.h"

// Kept apart from the Qt GL headers, which must not meet GLEW's.
bool initGlew()
{
    glewExperimental = GL_TRUE;
    return glewInit() == GLEW_OK;
}

void finishGl() { glFinish(); }
