// The level-file reader: good and bad lines with the exact error each
// gives, numbers read to the very float the C++ literal gives, and what a
// good file turns into.
#include "levels/LevelReader.h"
#include "levels/LevelValues.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

const std::string kStart = "\nsetStartPosition (1, 1, 1)\n";
const std::string kBox = "b = addQuadrat (0, 0, 0) 1 1 1\n";
const std::string kMovingBox = "p = addPath (0, 0, 0)\nm = addMovingQuadrat (0, 0, 0) 1 1 1 p 0.1\n";

std::string firstError(const std::string &text)
{
    const LevelReading reading = readLevel("t.level", text);
    return reading.errors.empty() ? std::string() : reading.errors.front();
}

bool sameBits(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

} // namespace

TEST(LevelReader, RefusesEachBadLineWithWhereAndWhatWasExpected)
{
    struct Row {
        const char *what;
        std::string text; // the start position follows unless the row is about it
        const char *error;
    };
    const std::string longLine = "# " + std::string(999, 'x');
    std::string manyWaypoints = "p = addPath";
    for (int i = 0; i <= LevelLimits::kMaxWaypoints; ++i)
        manyWaypoints += " (0,0,0)";
    const Row rows[] = {
        {"unknown operation", "addQuadrad (0, 0, 0) 1 1 1", "t.level:1:1: unknown operation 'addQuadrad'"},
        {"too few arguments", "addQuadrat (0, 0, 0) 1 1",
         "t.level:1:25: too few arguments: addQuadrat takes 4 arguments (origin, size x, size y, size z), found 3"},
        {"junk after the line", kBox + "flipQuadrat b extra",
         "t.level:2:15: unexpected 'extra' after the arguments: flipQuadrat takes 1 argument (box)"},
        {"name used before it is made", "flipQuadrat b\n" + kBox,
         "t.level:1:13: 'b' is not made yet: box must be a box named on an earlier line"},
        {"name made twice", kBox + kBox, "t.level:2:1: 'b' is already made on line 1"},
        {"name of the wrong kind", kMovingBox + "flipQuadrat m",
         "t.level:3:13: 'm' is a moving box, but box must be a box"},
        {"box where a texture belongs", kBox + "setQuadratTextures b b b b b b b",
         "t.level:2:22: 'b' is a box, but bottom must be a texture"},
        {"path without waypoint", "p = addPath  # none", "t.level:1:12: a path needs at least one waypoint (x, y, z)"},
        {"too many waypoints", manyWaypoints, "t.level:1:813: a path has at most 100 waypoints"},
        {"number beyond float", "addQuadrat (0, 0, 0) 1e39 1 1",
         "t.level:1:22: size x: '1e39' is not a finite float (beyond 3.4e38)"},
        {"infinity", "addEndCube (inf, 0, 0)", "t.level:1:13: position x: 'inf' is not a finite number"},
        {"not a number", "addEndCube (1, nan, 0)", "t.level:1:16: position y: 'nan' is not a finite number"},
        {"C++ suffix", "addQuadrat (0, 0, 0) 1.5f 1 1", "t.level:1:22: size x: '1.5f' is not a number"},
        {"hexadecimal", "addQuadrat (0, 0, 0) 0x10 1 1", "t.level:1:22: size x: '0x10' is not a number"},
        {"underflow", "addEndCube (1e-50, 0, 0)", "t.level:1:13: position x: '1e-50' is too close to zero for a float"},
        {"size of zero", "addQuadrat (0, 0, 0) 1 0 1",
         "t.level:1:24: size y must be more than 0 and at most 100000, found 0"},
        {"colour above one", kMovingBox + "setMovingQuadratColor m 0 2 0",
         "t.level:3:27: green must be from 0 to 1, found 2"},
        {"delay not whole", kMovingBox + "addTrigger (0, 0, 0) (1, 0, 0) (0, 0, 1) m p 10.5",
         "t.level:3:46: delay must be a whole number from -1 to 1000000, found 10.5"},
        {"negative speed", "p = addPath (0, 0, 0)\naddMovingQuadrat (0, 0, 0) 1 1 1 p -1",
         "t.level:2:36: speed must be from 0 to 100000, found -1"},
        {"full turn", "setStartHeading 360",
         "t.level:1:17: heading must be from 0 up to (not including) 360, found 360"},
        {"flag", "addBoulder (1, 1, 1) 1 maybe", "t.level:1:24: expected true or false for harmless, found 'maybe'"},
        {"texture path", "t = loadTexture ../x.bmp",
         "t.level:1:17: expected a texture file name such as grass.bmp (letters, digits, '_', '-' and '.', ending in "
         ".bmp), found '../x.bmp'"},
        {"naming what makes nothing", kBox + "x = flipQuadrat b",
         "t.level:2:1: flipQuadrat makes nothing that could be named"},
        {"bad name", "3d = addEndCube (1, 1, 1)",
         "t.level:1:1: '3d' is not a name (a letter or '_', then letters, digits and '_', at most 64)"},
        {"point without comma", "addEndCube (1, 2 3)",
         "t.level:1:18: expected ',' between the point's coordinates, found '3'"},
        {"unclosed point", "addEndCube (1, 2, 3",
         "t.level:1:20: expected ')' after the point's three coordinates, found the end of the line"},
        {"word for a point", "addEndCube 5", "t.level:1:12: expected a point (x, y, z) for position, found '5'"},
        {"point for a number", "addQuadrat (0, 0, 0) (1, 1, 1) 1 1",
         "t.level:1:22: expected a single value for size x, found a point"},
        {"stray parenthesis", kBox + "flipQuadrat )", "t.level:2:13: unexpected ')' after the operation"},
        {"equals without name", "= addEndCube (1, 1, 1)", "t.level:1:1: expected an operation or a name, found '='"},
        {"control character", "addEndCube (1, 1, 1)\x01",
         "t.level:1:21: character 0x01 is not allowed outside a comment"},
        {"extent not whole", "setExtent (10.5, 10, 10)",
         "t.level:1:12: extent x must be a whole number from 1 to 100000, found 10.5"},
        {"setting twice", "setGravity (0, -1, 0)\nsetGravity (0, -1, 0)", "t.level:2:1: already set on line 1"},
        {"box outside the extent", "addQuadrat (999, 0, 0) 2 1 1",
         "t.level:1:1: the box reaches outside the level's extent, from (0, 0, 0) to (1000, 100, 1000)"},
        {"exit outside a set extent", "setExtent (10, 10, 10)\naddEndCube (11, 0, 0)",
         "t.level:2:1: the exit reaches outside the level's extent, from (0, 0, 0) to (10, 10, 10)"},
        {"long line", longLine, "t.level:1:1001: the line is longer than 1000 characters"},
    };
    for (const Row &row : rows)
        EXPECT_EQ(firstError(row.text + kStart), row.error) << row.what;

    EXPECT_EQ(firstError("addEndCube (1, 1, 1)\n"),
              "t.level:1:1: no setStartPosition: a level needs the hero's start position");
    EXPECT_EQ(firstError(kStart + kStart), "t.level:4:1: already set on line 2");
    EXPECT_EQ(firstError(manyWaypoints.substr(0, 11 + 8 * 100) + kStart), "") << "as many waypoints as a path may have";
}

TEST(LevelReader, ReportsEveryBadLineInOrderAndStopsAfterTheLimit)
{
    const LevelReading two = readLevel("t.level", "flipQuadrat a\naddEndCube 1\n" + kStart);
    ASSERT_EQ(two.errors.size(), 2u);
    EXPECT_EQ(two.errors[1], "t.level:2:12: expected a point (x, y, z) for position, found '1'");
    EXPECT_TRUE(two.level.calls.empty()) << "a refused file hands out nothing to build";

    std::string many;
    for (int i = 0; i < 100; ++i)
        many += "nothing\n";
    const LevelReading stopped = readLevel("t.level", many);
    ASSERT_EQ(stopped.errors.size(), std::size_t(LevelLimits::kMaxErrors) + 1);
    EXPECT_EQ(stopped.errors.back(), "t.level: too many errors; the rest of the file was not read");
    // The limit holds for a line with several problems too.
    const LevelReading crowded = readLevel("t.level", many.substr(0, 8 * 19) + "setQuadratTextures x a b c d e f\n");
    EXPECT_EQ(crowded.errors.size(), std::size_t(LevelLimits::kMaxErrors) + 1);

    EXPECT_EQ(firstError(std::string(LevelLimits::kMaxFileBytes + 1, '#')),
              "t.level:1:1: the file is larger than 1048576 bytes");
    std::string boxes;
    for (int i = 0; i <= LevelLimits::kMaxBoxes; ++i)
        boxes += "addQuadrat (0, 0, 0) 1 1 1\n";
    EXPECT_EQ(firstError(boxes + kStart), "t.level:1001:1: too many boxes: a level has at most 1000");
}

TEST(LevelReader, ReadsEachNumberAsTheFloatOfTheSameCppLiteral)
{
    struct Row {
        const char *text;
        float literal;
    };
    const Row rows[] = {
        {"0.1", 0.1f},
        {"0.9", 0.9f},
        {"1.1", 1.1f},
        {"1.2", 1.2f},
        {"5.05", 5.05f},
        {"2.35", 2.35f},
        {"-0.25", -0.25f},
        {"60.25", 60.25f},
        {".5", .5f},
        {"5.", 5.f},
        {"+2", 2},
        {"1e-3", 1e-3f},
        {"2.5E1", 2.5E1f},
        {"-100000", -100000},
        {"-0", float(-0)}, // the integer 0 negated: +0
        {"-0.0", -0.0f},
        {"1.0000000596046447753906251", 1.0000000596046447753906251f}, // above a tie: rounded once, upwards
        {"3.4028235e38", 3.4028235e38f},
        {"1e-40", 1e-40f}, // subnormal
    };
    for (const Row &row : rows) {
        float read = 0.0f;
        std::string why;
        EXPECT_TRUE(readLevelNumber(row.text, read, why)) << row.text << ": " << why;
        EXPECT_TRUE(sameBits(read, row.literal)) << row.text << " read as " << read;
    }
}

TEST(LevelReader, ResolvesNamesToTheIndicesTheBuildingReturns)
{
    const LevelReading reading = readLevel("t.level", "  # comment only\r\n"
                                                      "t0 = loadTexture a.bmp\r\n"
                                                      "t1 = loadTexture b-c_1.bmp # a texture\n"
                                                      "s0 = addSurface (0, 1, 0) (1, 1, 0) (0, 1, 1)\n"
                                                      "\n"
                                                      "h1 = addHazardousSurface (0, 2, 0) (1, 2, 0) (0, 2, 1)\n"
                                                      "addPath (1, 1, 1)\n"
                                                      "p1 = addPath (2, 2, 2) (3, 3, 3)\n"
                                                      "m0 = addMovingQuadrat (0, 0, 0) 1 1 1 p1 0\n"
                                                      "g0 = addTrigger (0, 0, 0) (1, 0, 0) (0, 0, 1) m0 p1 -1\n"
                                                      "setSurfaceTexture h1 t1\n"
                                                      "disablePlayerTrigger g0\n"
                                                      "addBoulder (5, 5, 5) 1 true\n"
                                                      "setStartPosition (1, 2, 3)\n");
    ASSERT_TRUE(reading.ok()) << reading.errors.front();
    const std::vector<LevelCall> &calls = reading.level.calls;
    ASSERT_EQ(calls.size(), 12u);
    EXPECT_EQ(calls[1].textureFile, "b-c_1.bmp");
    EXPECT_EQ(calls[1].line, 3);
    EXPECT_EQ(calls[5].points.size(), 2u);
    EXPECT_EQ(calls[6].integers, std::vector<int>{1}) << "the second path";
    EXPECT_EQ(calls[7].integers, (std::vector<int>{0, 1, -1})) << "moving box, path, delay";
    EXPECT_EQ(calls[8].integers, (std::vector<int>{1, 1})) << "the hazardous surface counts with the plain one";
    EXPECT_TRUE(calls[10].harmless);
    EXPECT_EQ(phaseOf(calls[0].operation), LevelPhase::Textures);
    EXPECT_EQ(phaseOf(calls[9].operation), LevelPhase::Building);
    EXPECT_EQ(phaseOf(calls[11].operation), LevelPhase::Actors);
}
