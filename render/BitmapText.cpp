#include "render/BitmapText.h"

#include "render/GL.h"
#include <GL/freeglut.h>

void initBitmapFont()
{
    static bool initialised = false;
    if (initialised)
        return;
    int argc = 1;
    char name[] = "torchhero";
    char *argv[] = {name, nullptr};
    glutInit(&argc, argv);
    initialised = true;
}

void drawBitmapString(const std::string &text)
{
    for (unsigned char c : text)
        glutBitmapCharacter(GLUT_BITMAP_TIMES_ROMAN_24, c);
}
