#pragma once
// The procedural pictures behind the texture files. Each function returns
// a finished picture; Textures.cpp names and saves them. All level textures
// tile seamlessly, because surfaces repeat them every two world units.
#include "Canvas.h"

// Side of the square level and object textures, in pixels.
constexpr int kTextureSize = 128;
// Head textures wrap a sphere: u runs once around, v from pole to pole, so
// twice as wide as high keeps the pixels square on the head.
constexpr int kHeadWidth = 256;
constexpr int kHeadHeight = 128;

// Level surfaces.
Canvas drawBlueStone();
Canvas drawBrick();
Canvas drawFloorTiles();
Canvas drawCeilingPanels();
Canvas drawDiamondTiles();
Canvas drawGrass();
Canvas drawLava();
Canvas drawMetal();
Canvas drawWoodPlanks();

// Objects and the heads-up display.
Canvas drawBoulder();
Canvas drawClear();
Canvas drawLivesIcon();

// The two kinds of figure: the green hero and the violet Didud.
struct FigureLook {
    Rgba skin;
    Rgba cloth;
    Rgba shoe;
    bool angry; // slanted brows and teeth
};
enum class Expression { Open, Blink, Dead, Happy };

FigureLook heroLook();
FigureLook didudLook();
Canvas drawHead(const FigureLook &look, Expression expression);
Canvas drawBody(const FigureLook &look);
Canvas drawFeet(const FigureLook &look);
