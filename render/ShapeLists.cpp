#include "render/ShapeLists.h"

#include "render/GL.h"

// The names are never given back: figures live as long as the run, and at
// their end the context may be gone.
void ShapeLists::draw(int shape, const std::function<void()> &emit)
{
    if (shape < 0 || shape >= count) {
        emit();
        return;
    }
    // Names that are no lists belong to another context, or to none yet.
    if (base == 0 || !glIsList(base)) {
        base = glGenLists(count);
        recorded.assign(size_t(count), false);
        if (base == 0) {
            emit();
            return;
        }
    }
    const GLuint list = base + GLuint(shape);
    if (!recorded[size_t(shape)]) {
        // Lists do not nest: inside another list's recording, draw directly.
        GLint compiling = 0;
        glGetIntegerv(GL_LIST_INDEX, &compiling);
        if (compiling != 0) {
            emit();
            return;
        }
        glNewList(list, GL_COMPILE);
        emit();
        glEndList();
        recorded[size_t(shape)] = true;
    }
    glCallList(list);
}
