// Saves every bitmap the game asks for as a 24-bit uncompressed BMP.
#include "Generators.h"
#include "Textures.h"

#include "imagebase"

#include <cstdio>
#include <functional>
#include <vector>

namespace {
// Writes a picture through the game's own bitmap writer: blue, green, red
// bytes per pixel, top row first in memory.
bool saveBitmap(const Canvas &picture, const std::string &path)
{
    std::vector<unsigned char> bgr;
    bgr.reserve(size_t(picture.width()) * picture.height() * 3);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const Rgba &p = picture.at(x, y);
            bgr.insert(bgr.end(), {p.b, p.g, p.r});
        }
    VOXA::Bitmap bitmap;
    const bool ok = bitmap.create(picture.width(), picture.height(), 3, bgr.data()) == 1 &&
                    bitmap.write(path.c_str()) == 1;
    if (!ok)
        std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
    return ok;
}

struct TextureFile {
    const char *name;
    std::function<Canvas()> draw;
};

std::vector<TextureFile> textureFiles()
{
    const FigureLook hero = heroLook(), didud = didudLook();
    return {
        {"clear.bmp", drawClear},
        {"Lives.bmp", drawLivesIcon},
        {"Boulder.bmp", drawBoulder},
        {"HeroHead.bmp", [=] { return drawHead(hero, Expression::Open); }},
        {"HeroHeadTwinkle.bmp", [=] { return drawHead(hero, Expression::Blink); }},
        {"HeroHeadTot.bmp", [=] { return drawHead(hero, Expression::Dead); }},
        {"HeroHeadHappy.bmp", [=] { return drawHead(hero, Expression::Happy); }},
        {"HeroBody.bmp", [=] { return drawBody(hero); }},
        {"HeroFeet.bmp", [=] { return drawFeet(hero); }},
        {"DidudHead.bmp", [=] { return drawHead(didud, Expression::Open); }},
        {"DidudHeadTwinkle.bmp", [=] { return drawHead(didud, Expression::Blink); }},
        {"DidudHeadTot.bmp", [=] { return drawHead(didud, Expression::Dead); }},
        {"DidudBody.bmp", [=] { return drawBody(didud); }},
        {"DidudFeet.bmp", [=] { return drawFeet(didud); }},
        {"blueStone.bmp", drawBlueStone},
        {"grass.bmp", drawGrass},
        {"lava.bmp", drawLava},
        {"Floor.bmp", drawFloorTiles},
        {"Metal.bmp", drawMetal},
        {"Brick.bmp", drawBrick},
        {"Boden1.bmp", drawWoodPlanks},
        {"Boden2.bmp", drawDiamondTiles},
        {"Ceil1.bmp", drawCeilingPanels},
    };
}
} // namespace

bool writeTextures(const std::string &root)
{
    bool ok = true;
    for (const TextureFile &file : textureFiles())
        ok &= saveBitmap(file.draw(), root + "/Texturen/" + file.name);
    return ok;
}
