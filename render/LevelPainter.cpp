#include "render/LevelPainter.h"

#include "render/CameraView.h"
#include "render/ComicStyle.h"
#include "render/GL.h"
#include "render/GhostDrawing.h"
#include "render/HeadsUpDisplay.h"
#include "render/Outline.h"
#include "render/PictureExtras.h"
#include "render/Textures.h"
#include "sim/Boundary.h"
#include "sim/Camera.h"
#include "sim/Entity.h"
#include "sim/GameRegistry.h"
#include "sim/Level.h"
#include "sim/Player.h"
#include "sim/MovingBoundary.h"

#include <Inventor/SbMatrix.h>
#include <algorithm>
#include <numeric>

LevelPainter::LevelPainter(Level &level) : level(level) {}

// The defaults every world is drawn with.
void LevelPainter::setUp()
{
    glShadeModel(GL_SMOOTH);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glEnable(GL_COLOR_MATERIAL);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glEnable(GL_LIGHTING);
    glEnable(GL_CULL_FACE);
    makeTextures();
    recordStaticList();
}

void LevelPainter::resize(int width, int height) { glViewport(0, 0, width, height); }

void LevelPainter::phaseEnded(FramePhaseListener::Phase phase)
{
    if (phaseListener)
        phaseListener->phaseEnded(phase);
}

void LevelPainter::drawFrame()
{
    beginShadedPass();
    phaseEnded(FramePhaseListener::SetUp);
    drawShadedPass();
    phaseEnded(FramePhaseListener::Shaded);
    drawOutlinePass();
    drawGhost();
    phaseEnded(FramePhaseListener::Outline);
    drawOverlay();
    drawNotice();
    phaseEnded(FramePhaseListener::Overlay);
}

void LevelPainter::drawGhost()
{
    const FigurePose *pose = extras ? extras->ghostPose() : nullptr;
    const Player *hero = level.getPlayer();
    if (!pose || !hero)
        return;
    const Walker::Textures t = hero->textures();
    ::drawGhost(*pose, {t.clear, t.head, t.body, t.feet, t.deadHead, t.twinkleHead}, hero->happyHeadTexture(),
                actors.shapes(), GameRegistry::getGravity()[1] > 0.0f);
}

void LevelPainter::drawNotice()
{
    if (extras)
        ::drawNotice(extras->noticeLines());
}

void LevelPainter::beginShadedPass()
{
    ComicStyle *style = GameRegistry::getComicStyle();
    if (style)
        style->enable();
    setUpCameraView(*level.getCamera());
    // Every frame starts with the red colour ramp.
    if (style)
        style->setColor("red");
}

void LevelPainter::drawShadedPass()
{
    drawActors(DrawPass::Shaded);
    drawScenery();
    if (ComicStyle *style = GameRegistry::getComicStyle())
        style->disable();
}

void LevelPainter::drawOutlinePass()
{
    beginOutline();
    drawActors(DrawPass::Outline);
    drawBoundaryOutlines();
    endOutline();
}

void LevelPainter::drawActors(DrawPass pass)
{
    for (const Entity *actor : level.getEntities())
        actors.draw(*actor, pass);
}

void LevelPainter::drawBoundaryOutlines()
{
    beginFlatOutlines();
    for (const Boundary *boundary : level.getStaticBoundaries())
        faces.drawOutline(*boundary);
    for (const MovingBoundary *boundary : level.getMovingBoundaries())
        faces.drawOutline(*boundary);
    endFlatOutlines();
}

void LevelPainter::drawOverlay() { drawHeadsUpDisplay(getTexture(level.getLivesTexture())); }

void LevelPainter::recordStaticList()
{
    const std::vector<Boundary *> &pieces = level.getStaticBoundaries();
    const auto count = GLsizei(pieces.size());
    if (count != staticListCount) {
        if (staticList != 0)
            glDeleteLists(staticList, staticListCount);
        staticList = count > 0 ? glGenLists(count) : 0;
        staticListCount = staticList != 0 ? count : 0;
    }
    for (GLsizei k = 0; k < staticListCount; ++k) {
        glNewList(staticList + GLuint(k), GL_COMPILE);
        faces.drawStatic(*pieces[size_t(k)]);
        glEndList();
    }
}

// The exit cubes first, as the table orders them: the translucent pane
// blends with what was drawn before it, and drawn first it shows the clear
// colour behind it from every side, as it always has. Then the rest near
// to far from the eye, by the nearest point of each face. The shading is
// per pixel, and the software renderer skips the pixels of a face that
// nearer faces already hide, so this order shades almost every pixel once;
// in the order of the level's table some start views shaded 1.4 pixels per
// pixel. The old tiled drawing keeps the table order.
void LevelPainter::orderStaticFaces()
{
    const std::vector<Boundary *> &pieces = level.getStaticBoundaries();
    staticDrawOrder.resize(pieces.size());
    std::iota(staticDrawOrder.begin(), staticDrawOrder.end(), 0u);
    if (FacePainter::getStaticDrawing() != FacePainter::StaticDrawing::Whole)
        return;

    // The eye is where the inverse of the camera's view puts the origin.
    SbMat view;
    glGetFloatv(GL_MODELVIEW_MATRIX, &view[0][0]);
    SbVec3f eye;
    SbMatrix(view).inverse().multVecMatrix(SbVec3f(0.0f, 0.0f, 0.0f), eye);
    const size_t exits = std::min(level.getEndCubeCount(), pieces.size());
    staticDistance.resize(pieces.size());
    for (size_t k = exits; k < pieces.size(); ++k)
        staticDistance[k] = pieces[k]->distanceTo(eye);
    std::stable_sort(staticDrawOrder.begin() + std::ptrdiff_t(exits), staticDrawOrder.end(),
                     [&](unsigned a, unsigned b) { return staticDistance[a] < staticDistance[b]; });
}

void LevelPainter::drawScenery()
{
    if (glIsList(staticList)) {
        orderStaticFaces();
        glListBase(staticList);
        glCallLists(GLsizei(staticDrawOrder.size()), GL_UNSIGNED_INT, staticDrawOrder.data());
        glListBase(0);
    }
    for (const MovingBoundary *boundary : level.getMovingBoundaries())
        faces.drawMoving(*boundary);
}
