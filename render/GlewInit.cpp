#include "render/GlewInit.h"

#include "render/GL.h"

bool initGlew()
{
    glewExperimental = GL_TRUE;
    return glewInit() == GLEW_OK;
}

void finishGl() { glFinish(); }
