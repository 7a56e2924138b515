// Each of the eight levels built from its level file is the level its C++
// table built: every boundary, path, trigger, actor and setting, each float
// bit for bit.
#include "CppLevels.h"

#include "actors/Boulder.h"
#include "actors/Didud.h"
#include "actors/Player.h"
#include "app/WorldProxy.h"
#include "geometry/EndCube.h"
#include "geometry/HazardousSurface.h"
#include "geometry/MovingQuadrat.h"
#include "geometry/MovingSurface.h"
#include "geometry/Trigger.h"
#include "levels/Level01.h"
#include "levels/Level02.h"
#include "levels/Level03.h"
#include "levels/Level04.h"
#include "levels/Level05.h"
#include "levels/Level06.h"
#include "levels/Level07.h"
#include "levels/Level08.h"
#include "render/ComicStyle.h"
#include "support/GlContext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

std::string bits(float value)
{
    std::uint32_t word = 0;
    std::memcpy(&word, &value, sizeof word);
    char text[48];
    std::snprintf(text, sizeof text, "%g[%08x]", double(value), word);
    return text;
}

std::string bits(SbVec3f v) { return "(" + bits(v[0]) + " " + bits(v[1]) + " " + bits(v[2]) + ")"; }
std::string bits(SbVec4f v) { return "(" + bits(v[0]) + " " + bits(v[1]) + " " + bits(v[2]) + " " + bits(v[3]) + ")"; }

std::string bits(const Waypoints &path)
{
    std::string text = "path";
    for (SbVec3f point : path)
        text += " " + bits(point);
    return text;
}

// Everything building a level produced, one line a piece, as text so that a
// difference shows where it is. Textures appear as their place in the
// level's own texture list (the registry gives each load a new index).
template <typename L> class Opened : public L {
public:
    std::vector<std::string> facts() const
    {
        std::vector<std::string> lines{"extent " + bits(this->extent) + " gravity " + bits(GameRegistry::getGravity()) +
                                       " heading " + bits(this->startHeading) + " run " +
                                       std::to_string(this->runKeyDown)};
        for (Boundary *piece : this->getStaticBoundaries())
            lines.push_back(staticFacts(piece));
        for (MovingBoundary *piece : this->getMovingBoundaries())
            lines.push_back(movingFacts(piece));
        for (Entity *actor : this->getEntities())
            lines.push_back(actorFacts(actor));
        std::string cell = "grid";
        for (int index : this->getGrid()[0][0][0])
            cell += " " + std::to_string(index);
        lines.push_back(cell);
        return lines;
    }

private:
    std::string textureSlot(unsigned glName) const
    {
        for (std::size_t slot = 0; slot < this->textures.size(); ++slot)
            if (GameRegistry::getTexture(this->textures[slot]) == glName)
                return "T" + std::to_string(slot);
        return "no texture " + std::to_string(glName);
    }

    template <typename Face> std::string looks(const Face *face) const
    {
        return " normal " + bits(face->getNormal()) + " colour " + bits(face->getColor()) +
               (face->isTextured() ? " " + textureSlot(face->getTexture()) : " untextured") +
               (face->isFlipped() ? " flipped" : "");
    }

    std::string staticFacts(Boundary *piece) const
    {
        if (auto *cube = dynamic_cast<EndCube *>(piece))
            return "exit " + bits(cube->getPosition()) + " " + bits(cube->edgeVectorA()) + " " + bits(cube->edgeVectorB());
        auto *surface = dynamic_cast<Surface *>(piece);
        if (!surface)
            return "unknown static piece";
        return std::string(dynamic_cast<HazardousSurface *>(piece) ? "hazard " : "surface ") +
               bits(surface->getPosition()) + " " + bits(surface->edgeVectorA()) + " " +
               bits(surface->edgeVectorB()) + looks(surface);
    }

    std::string movingFacts(MovingBoundary *piece) const
    {
        const std::string common = bits(piece->getPosition()) + " speed " + bits(piece->getSpeed()) + " " +
                                   bits(piece->getPath());
        if (auto *face = dynamic_cast<MovingSurface *>(piece))
            return "moving " + common + " " + bits(face->edgeVectorA()) + " " + bits(face->edgeVectorB()) +
                   looks(face) + " heading for " + std::to_string(face->getTargetIndex()) + " along " +
                   bits(face->getDirection()) + " for " + bits(face->getRemaining());
        auto *trigger = dynamic_cast<Trigger *>(piece);
        if (!trigger)
            return "unknown moving piece";
        const auto &all = this->getMovingBoundaries();
        const auto block = std::find(all.begin(), all.end(), trigger->getBlock().faces[0]) - all.begin();
        return "trigger " + common + " normal " + bits(trigger->getNormal()) + " delay " +
               std::to_string(trigger->getDelay()) + " block face " + std::to_string(block) +
               (trigger->reactsToPlayer() ? " player too" : " not the player");
    }

    static std::string actorFacts(Entity *actor)
    {
        const std::string at = bits(actor->getPosition()) + " " + bits(actor->getPreviousPosition());
        if (auto *hero = dynamic_cast<Player *>(actor))
            return "hero " + at + " heading " + bits(hero->getHeading());
        if (auto *boulder = dynamic_cast<Boulder *>(actor))
            return "boulder " + at + " radius " + bits(boulder->getRadius()) + (boulder->isDeadly() ? " deadly" : "");
        if (auto *didud = dynamic_cast<Didud *>(actor))
            return "Didud " + at + " sight " + bits(didud->getSightRange());
        return "unknown actor";
    }
};

struct LevelEquivalence : GlContextTest {
    GameRegistry registry;
    ComicStyle style;

    void SetUp() override
    {
        GlContextTest::SetUp();
        GameRegistry::setComicStyle(&style);
    }

    template <typename L> std::vector<std::string> build(L &level)
    {
        WorldProxy proxy(&level);
        GameRegistry::setWorlds({&level});
        GameRegistry::setWorldProxy(&proxy);
        proxy.initializeGL();
        return level.facts();
    }

    template <typename Cpp, typename File> void expectSame(const char *name)
    {
        Opened<Cpp> cpp;
        Opened<File> file;
        const std::vector<std::string> expected = build(cpp), built = build(file);
        EXPECT_GT(expected.size(), 10u) << name;
        EXPECT_EQ(built, expected) << name;
        for (std::size_t i = 0; i < std::min(built.size(), expected.size()); ++i)
            if (built[i] != expected[i]) {
                ADD_FAILURE() << name << " line " << i << ":\n  file: " << built[i] << "\n  C++:  " << expected[i];
                break;
            }
        std::vector<std::string> files;
        for (const LevelCall &call : file.description().calls)
            if (call.operation == LevelOperation::LoadTexture)
                files.push_back(call.textureFile);
        EXPECT_EQ(files, std::vector<std::string>(cpp.textureFiles.begin(), cpp.textureFiles.end())) << name;
    }
};

} // namespace

TEST_F(LevelEquivalence, EveryLevelFileBuildsWhatItsCppTableBuilt)
{
    expectSame<CppLevel01, Level01>("Level01");
    expectSame<CppLevel02, Level02>("Level02");
    expectSame<CppLevel03, Level03>("Level03");
    expectSame<CppLevel04, Level04>("Level04");
    expectSame<CppLevel05, Level05>("Level05");
    expectSame<CppLevel06, Level06>("Level06");
    expectSame<CppLevel07, Level07>("Level07");
    expectSame<CppLevel08, Level08>("Level08");
}
