// The figures' textures: heads, bodies and feet of the hero and the Didud,
// the lives icon and the plain white "clear" texture.
//
// Where the face goes. A head is a GLU sphere (32 x 32) turned 90 degrees
// about x, so the sphere's z axis points down the figure. GLU gives the
// texture's v = 1 at the sphere's +z pole, and v = 0 is the first row of
// the picture: the picture's top row is the crown, its bottom row the chin
// side. GLU's u starts at the sphere's +y axis and runs the other way round
// from +x, which puts u = 0.5 on the sphere's -y axis: after the turn, the
// figure's front (-z, the way it walks). So the face is centred
// horizontally, just above the middle row. Seen from the front the picture
// appears mirrored left to right, which is why every face is symmetric.
#include "Noise.h"
#include "Textures.h"

#include <cmath>

namespace {
constexpr float kPi = 3.14159265f;
constexpr float kFaceX = kHeadWidth / 2.0f; // u = 0.5, the front
constexpr float kEyeY = 54.0f;              // a little above the equator (row 64)
constexpr float kEyeSpacing = 20.0f;        // from the face's middle
constexpr float kEyeRadiusX = 11.0f, kEyeRadiusY = 14.0f;
constexpr float kMouthY = 76.0f;
const Rgba kInk{20, 16, 16};
const Rgba kWhite{250, 250, 246};

// Skin with a soft mottling so that the head does not look like plastic.
Canvas skin(int width, int height, Rgba colour, std::uint32_t seed)
{
    Canvas c(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            c.at(x, y) = scale(colour, 0.92f + 0.14f * fractalNoise((x + 0.5f) / width, (y + 0.5f) / height, 8, 3, seed));
    return c;
}

void openEye(Canvas &c, float cx, const FigureLook &look)
{
    c.fillEllipse(cx, kEyeY, kEyeRadiusX + 2.0f, kEyeRadiusY + 2.0f, kInk);
    c.fillEllipse(cx, kEyeY, kEyeRadiusX, kEyeRadiusY, kWhite);
    const float pupilY = kEyeY + (look.angry ? 3.0f : 2.0f);
    c.fillDisc(cx, pupilY, 5.5f, kInk);
    c.fillDisc(cx - 2.0f, pupilY - 2.5f, 1.8f, kWhite);
}

// Lids shut: a curved line like a sleeping smile.
void closedEye(Canvas &c, float cx) { c.drawArc(cx, kEyeY, kEyeRadiusX, 5.0f, 0.1f * kPi, 0.9f * kPi, 3.0f, kInk); }

void crossedEye(Canvas &c, float cx)
{
    const float r = kEyeRadiusX * 0.8f;
    c.drawLine(cx - r, kEyeY - r, cx + r, kEyeY + r, 4.0f, kInk);
    c.drawLine(cx - r, kEyeY + r, cx + r, kEyeY - r, 4.0f, kInk);
}

// Happy eyes squeezed into upward arcs.
void laughingEye(Canvas &c, float cx) { c.drawArc(cx, kEyeY + 4.0f, kEyeRadiusX, 8.0f, 1.1f * kPi, 1.9f * kPi, 3.5f, kInk); }

// Brows slanting down towards the nose.
void angryBrows(Canvas &c)
{
    for (float side : {-1.0f, 1.0f}) {
        const float inner = kFaceX + side * 8.0f, outer = kFaceX + side * (kEyeSpacing + 14.0f);
        c.drawLine(inner, kEyeY - 14.0f, outer, kEyeY - 24.0f, 4.0f, kInk);
    }
}

void smile(Canvas &c) { c.drawArc(kFaceX, kMouthY - 8.0f, 20.0f, 10.0f, 0.15f * kPi, 0.85f * kPi, 3.0f, kInk); }

// A flat grin with two teeth: the Didud's.
void teethGrin(Canvas &c)
{
    c.drawLine(kFaceX - 18.0f, kMouthY, kFaceX + 18.0f, kMouthY, 3.0f, kInk);
    for (float side : {-1.0f, 1.0f})
        c.fillRect(int(kFaceX + side * 6.0f - 3.0f), int(kMouthY + 1.0f), int(kFaceX + side * 6.0f + 3.0f),
                   int(kMouthY + 7.0f), kWhite);
}

void gapingMouth(Canvas &c)
{
    c.fillEllipse(kFaceX, kMouthY, 7.0f, 9.0f, kInk);
    c.fillEllipse(kFaceX, kMouthY + 1.0f, 4.5f, 6.0f, Rgba{120, 30, 30});
}

// The part of an ellipse below its centre line.
void fillLowerHalfEllipse(Canvas &c, float cx, float cy, float rx, float ry, Rgba colour)
{
    for (int y = int(cy); y <= int(cy + ry) && y < c.height(); ++y)
        for (int x = std::max(0, int(cx - rx)); x <= int(cx + rx) && x < c.width(); ++x) {
            const float dx = (x + 0.5f - cx) / rx, dy = (y + 0.5f - cy) / ry;
            if (dx * dx + dy * dy <= 1.0f)
                c.at(x, y) = colour;
        }
}

// A wide open laugh with a tongue.
void laughingMouth(Canvas &c)
{
    const float top = kMouthY - 10.0f;
    fillLowerHalfEllipse(c, kFaceX, top, 22.0f, 17.0f, kInk);
    fillLowerHalfEllipse(c, kFaceX, top + 1.0f, 19.0f, 13.5f, Rgba{130, 28, 36});
    fillLowerHalfEllipse(c, kFaceX, top + 7.0f, 10.0f, 6.0f, Rgba{236, 110, 120});
    c.drawLine(kFaceX - 22.0f, top, kFaceX + 22.0f, top, 3.0f, kInk);
}
} // namespace

FigureLook heroLook() { return {Rgba{70, 196, 70}, Rgba{26, 140, 36}, Rgba{120, 72, 36}, false}; }

FigureLook didudLook() { return {Rgba{150, 92, 200}, Rgba{96, 48, 140}, Rgba{52, 48, 60}, true}; }

Canvas drawHead(const FigureLook &look, Expression expression)
{
    Rgba face = look.skin;
    if (expression == Expression::Dead)
        face = mix(face, Rgba{150, 150, 150}, 0.4f); // drained of colour
    Canvas c = skin(kHeadWidth, kHeadHeight, face, look.angry ? 131 : 137);
    for (float side : {-1.0f, 1.0f}) {
        const float eyeX = kFaceX + side * kEyeSpacing;
        switch (expression) {
        case Expression::Open: openEye(c, eyeX, look); break;
        case Expression::Blink: closedEye(c, eyeX); break;
        case Expression::Dead: crossedEye(c, eyeX); break;
        case Expression::Happy: laughingEye(c, eyeX); break;
        }
    }
    if (look.angry && expression != Expression::Happy)
        angryBrows(c);
    if (expression == Expression::Dead)
        gapingMouth(c);
    else if (expression == Expression::Happy)
        laughingMouth(c);
    else if (look.angry)
        teethGrin(c);
    else
        smile(c);
    return c;
}

// A cylinder wraps this once around (u) along its height (v): cloth with a
// belt round the middle, the same on every side.
Canvas drawBody(const FigureLook &look)
{
    constexpr int N = kTextureSize;
    constexpr int kBeltTop = N / 2 - 8, kBeltBottom = N / 2 + 8;
    const Rgba belt{70, 44, 24};
    Canvas c(N, N);
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) {
            const float weave = (x + y) % 4 < 2 ? 1.0f : 0.94f; // a twill pattern
            const float noise = fractalNoise((x + 0.5f) / N, (y + 0.5f) / N, 4, 3, 141);
            c.at(x, y) = scale(look.cloth, weave * (0.88f + 0.2f * noise));
            if (y >= kBeltTop && y < kBeltBottom)
                c.at(x, y) = scale(belt, 0.9f + 0.2f * noise);
            if ((y == kBeltTop + 3 || y == kBeltBottom - 4) && x % 6 < 3)
                c.at(x, y) = Rgba{200, 170, 110}; // stitching
        }
    return c;
}

// Shoe leather with a sole edge and a row of laces.
Canvas drawFeet(const FigureLook &look)
{
    constexpr int N = kTextureSize / 2;
    Canvas c(N, N);
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x)
            c.at(x, y) = scale(look.shoe, 0.85f + 0.3f * fractalNoise((x + 0.5f) / N, (y + 0.5f) / N, 4, 4, 151));
    c.fillRect(0, N - 8, N, N, scale(look.shoe, 0.45f));
    for (int i = 0; i < 3; ++i) {
        const float y = 14.0f + 10.0f * i;
        c.drawLine(22.0f, y, 42.0f, y + 4.0f, 2.5f, kWhite);
        c.drawLine(22.0f, y + 4.0f, 42.0f, y, 2.5f, kWhite);
    }
    return c;
}

// The heads-up display draws this on a 30-pixel square, mirrored left to
// right (hence symmetric): the hero's face on a night-blue ground.
Canvas drawLivesIcon()
{
    constexpr int N = kTextureSize / 2;
    const FigureLook hero = heroLook();
    Canvas c(N, N, Rgba{16, 22, 48});
    c.fillDisc(N / 2.0f, N / 2.0f, 28.0f, kInk);
    c.fillDisc(N / 2.0f, N / 2.0f, 26.0f, hero.skin);
    for (float side : {-1.0f, 1.0f}) {
        const float x = N / 2.0f + side * 10.0f;
        c.fillEllipse(x, 26.0f, 6.5f, 8.5f, kInk);
        c.fillEllipse(x, 26.0f, 5.0f, 7.0f, kWhite);
        c.fillDisc(x, 28.0f, 3.0f, kInk);
    }
    c.drawArc(N / 2.0f, 36.0f, 12.0f, 7.0f, 0.15f * kPi, 0.85f * kPi, 3.0f, kInk);
    return c;
}

// Plain white: binding it makes texturing neutral for the parts that follow.
Canvas drawClear() { return Canvas(kTextureSize / 2, kTextureSize / 2, Rgba{255, 255, 255}); }
