#include "render/RunNotice.h"

#include "render/BitmapText.h"
#include "render/GL.h"
#include "render/Overlay.h"

#include <GL/freeglut.h>
#include <sstream>

namespace {
// Layout, pixels: the notice's first line this far below the top edge,
// then one line every kLineHeight; the paused text's lines likewise.
constexpr int kNoticeLeft = 10;
constexpr int kNoticeTop = 30;
constexpr int kLineHeight = 30;
// How much of the picture the paused veil lets through.
constexpr float kVeilAlpha = 0.55f;
constexpr float kGreen[3] = {0.3f, 1.0f, 0.3f};
constexpr float kRed[3] = {1.0f, 0.3f, 0.3f};

void setTint(NoticeTint tint)
{
    switch (tint) {
    case NoticeTint::Green: glColor3fv(kGreen); break;
    case NoticeTint::Red: glColor3fv(kRed); break;
    case NoticeTint::White: glColor3f(1.0f, 1.0f, 1.0f); break;
    }
}

int textWidth(const std::string &text)
{
    return glutBitmapLength(GLUT_BITMAP_TIMES_ROMAN_24, reinterpret_cast<const unsigned char *>(text.c_str()));
}

// A one-piece line broken at blanks into lines no wider than `width`
// pixels (a word wider than that stands alone); lines of several pieces
// stay whole.
std::vector<NoticeLine> wrapped(const NoticeLine &line, int width)
{
    if (line.size() != 1 || textWidth(line[0].text) <= width)
        return {line};
    std::vector<NoticeLine> lines;
    std::string current;
    std::istringstream words(line[0].text);
    for (std::string word; words >> word;) {
        const std::string longer = current.empty() ? word : current + ' ' + word;
        if (!current.empty() && textWidth(longer) > width) {
            lines.push_back({{current, line[0].tint}});
            current = word;
        } else {
            current = longer;
        }
    }
    lines.push_back({{current, line[0].tint}});
    return lines;
}

void drawCentred(const std::string &text, const OverlayViewport &view, int y)
{
    glRasterPos2i((view.width - textWidth(text)) / 2, y);
    drawBitmapString(text);
}
} // namespace

void drawNotice(const std::vector<NoticeLine> &lines)
{
    if (lines.empty())
        return;
    const OverlayViewport view = beginOverlay();
    int y = view.height - kNoticeTop;
    for (const NoticeLine &whole : lines)
        for (const NoticeLine &line : wrapped(whole, view.width - 2 * kNoticeLeft)) {
            // Each piece continues where the last one ended: the raster
            // position advances with every character drawn.
            glRasterPos2i(kNoticeLeft, y);
            for (const NoticePiece &piece : line) {
                setTint(piece.tint);
                GLfloat at[4];
                glGetFloatv(GL_CURRENT_RASTER_POSITION, at);
                // A colour takes effect at the next raster position.
                glWindowPos2f(at[0], at[1]);
                drawBitmapString(piece.text);
            }
            y -= kLineHeight;
        }
    endOverlay();
}

void drawPausedOverlay(const std::string &hint)
{
    const OverlayViewport view = beginOverlay();
    glPushAttrib(GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT | GL_CURRENT_BIT);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_CULL_FACE);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(0.0f, 0.0f, 0.0f, kVeilAlpha);
    glRectf(0.0f, 0.0f, float(view.width), float(view.height));
    glDisable(GL_BLEND);
    glColor3f(1.0f, 1.0f, 1.0f);
    const int middle = view.height / 2;
    drawCentred("PAUSED", view, middle);
    drawCentred(hint, view, middle - kLineHeight);
    glPopAttrib();
    endOverlay();
}
