#include "app/GameRegistry.h"
#include "render/GL.h"

// The outline pass draws back faces again as thick black lines; front faces
// are culled so that only silhouettes and creases remain visible.
void GameRegistry::beginOutline()
{
    glDisable(GL_LIGHTING);
    glCullFace(GL_FRONT);
    glPolygonMode(GL_BACK, GL_LINE);
    glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
    glEnable(GL_LINE_SMOOTH);
    glLineWidth(3.0f);
    glDepthFunc(GL_LEQUAL);
    glColor4f(0.0f, 0.0f, 0.0f, 1.0f);
}

void GameRegistry::endOutline()
{
    glDepthFunc(GL_LESS);
    glCullFace(GL_BACK);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glLineWidth(1.0f);
    glDisable(GL_LINE_SMOOTH);
    glEnable(GL_LIGHTING);
}
