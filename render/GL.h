#pragma once
// The one way to reach OpenGL: GLEW must come before any other GL header.
#include <GL/glew.h>
#include <GL/glu.h>
