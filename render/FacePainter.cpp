#include "render/FacePainter.h"

#include "render/GL.h"
#include "render/Textures.h"
#include "sim/EndCube.h"
#include "sim/HazardousSurface.h"
#include "sim/MovingSurface.h"
#include "sim/Surface.h"

namespace {
// Front-face material emission (RGBA) while a hazardous face is drawn, and
// the emission restored afterwards so that nothing drawn later glows.
constexpr GLfloat kGlow[4] = {0.5f, 0.5f, 0.5f, 1.0f};
constexpr GLfloat kNoGlow[4] = {0.0f, 0.0f, 0.0f, 1.0f};
// The exit pane's translucent red, RGBA.
constexpr GLfloat kPaneColor[4] = {1.0f, 0.0f, 0.0f, 0.6f};
// Texture coordinates of a moving face's corner 0, corner 1, fourth corner
// and corner 2: one copy of the image over the whole face.
constexpr float kQuadTexCoords[4][2] = {{1.0f, 1.0f}, {0.0f, 1.0f}, {0.0f, 0.0f}, {1.0f, 0.0f}};

FacePainter::StaticDrawing staticDrawing = FacePainter::StaticDrawing::Whole;

// Front-face winding for a rectangle emitted as corner 0, corner 1, fourth
// corner, corner 2: clockwise makes the normal's side the front; a flipped
// face uses counter-clockwise. The game's default is counter-clockwise.
void setFrontWinding(bool flipped) { glFrontFace(flipped ? GL_CCW : GL_CW); }
void restoreWinding() { glFrontFace(GL_CCW); }

void emitQuad(const std::array<SbVec3f, 4> &corners, SbVec3f normal, bool textured)
{
    glBegin(GL_QUADS);
    glNormal3fv(normal.getValue());
    for (int i = 0; i < 4; ++i) {
        if (textured)
            glTexCoord2fv(kQuadTexCoords[i]);
        glVertex3fv(corners[size_t(i)].getValue());
    }
    glEnd();
}

void emitTextured(GLenum mode, const Surface::TileStrip &vertices, SbVec3f normal)
{
    glBegin(mode);
    for (const Surface::TileVertex &vertex : vertices) {
        glTexCoord2f(vertex.s, vertex.t);
        glNormal3fv(normal.getValue());
        glVertex3fv(vertex.position.getValue());
    }
    glEnd();
}

void emitPane(const EndCube &exit, SbVec3f paneNormal)
{
    glBegin(GL_QUADS);
    glNormal3fv(paneNormal.getValue());
    for (int corner : {0, 1, 3, 2})
        glVertex3fv(exit.corner(corner).getValue());
    glEnd();
}
} // namespace

void FacePainter::setStaticDrawing(StaticDrawing drawing) { staticDrawing = drawing; }
FacePainter::StaticDrawing FacePainter::getStaticDrawing() { return staticDrawing; }

void FacePainter::drawStatic(const Boundary &piece)
{
    mode = Mode::Static;
    piece.accept(*this);
}

void FacePainter::drawMoving(const Boundary &piece)
{
    mode = Mode::Moving;
    piece.accept(*this);
}

void FacePainter::drawOutline(const Boundary &piece)
{
    mode = Mode::Outline;
    piece.accept(*this);
}

void FacePainter::visit(const Surface &face)
{
    if (mode == Mode::Static)
        drawStaticSurface(face);
    else if (mode == Mode::Outline) {
        setFrontWinding(face.isFlipped());
        emitQuad(face.outline(), face.getNormal(), false);
        restoreWinding();
    }
}

void FacePainter::visit(const HazardousSurface &face)
{
    if (mode != Mode::Static) {
        visit(static_cast<const Surface &>(face));
        return;
    }
    glMaterialfv(GL_FRONT, GL_EMISSION, kGlow);
    drawStaticSurface(face);
    glMaterialfv(GL_FRONT, GL_EMISSION, kNoGlow);
}

// Once from each side, the normal facing the viewer each time; the exit
// has no outline.
void FacePainter::visit(const EndCube &exit)
{
    if (mode != Mode::Static)
        return;
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glFrontFace(GL_CCW);
    glColor4fv(kPaneColor);
    emitPane(exit, -exit.getNormal());
    glFrontFace(GL_CW);
    emitPane(exit, exit.getNormal());
    glDisable(GL_BLEND);
    glFrontFace(GL_CCW);
}

void FacePainter::visit(const MovingSurface &face)
{
    if (mode == Mode::Static)
        return;
    setFrontWinding(face.isFlipped());
    glPushMatrix();
    if (mode == Mode::Outline) {
        emitQuad(face.outline(), face.getNormal(), false);
    } else {
        if (face.isTextured()) {
            glEnable(GL_TEXTURE_2D);
            glBindTexture(GL_TEXTURE_2D, getTexture(face.getTexture()));
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
        }
        glColor4fv(face.getColor().getValue());
        emitQuad(face.outline(), face.getNormal(), true);
        glBindTexture(GL_TEXTURE_2D, getTexture(face.getClearTexture()));
        glDisable(GL_TEXTURE_2D);
    }
    glPopMatrix();
    restoreWinding();
}

void FacePainter::drawStaticSurface(const Surface &face)
{
    setFrontWinding(face.isFlipped());
    glPushMatrix();
    if (face.isTextured()) {
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, getTexture(face.getTexture()));
    }
    glColor4fv(face.getColor().getValue());
    if (staticDrawing == StaticDrawing::Whole)
        emitTextured(GL_QUADS, face.wholeFace(), face.getNormal());
    else
        for (const Surface::TileStrip &strip : face.tileStrips())
            emitTextured(GL_QUAD_STRIP, strip, face.getNormal());
    glBindTexture(GL_TEXTURE_2D, getTexture(face.getClearTexture()));
    glDisable(GL_TEXTURE_2D);
    glPopMatrix();
    restoreWinding();
}
