// The hero's death, and the figure's drawing leaving the GL state as it
// found it in every pose. The restart after the spin, the lives and the
// game over are the replays' (tests/levels/game_over.play).
#include "ActorTestSupport.h"

#include "render/ActorPainter.h"
#include "render/GL.h"

#include <gtest/gtest.h>

#include <functional>

class PlayerLife : public HeroTest {
protected:
    void SetUp() override
    {
        HeroTest::SetUp();
        hero = std::make_unique<Player>(0, 1, 0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
    }

    std::unique_ptr<Player> hero;
};

// A second kill must not start the spin over: the replays where he keeps
// dying in place restart at exact frames (fall_below_zero.play,
// level02_piston.play). Dead, he only spins: gait, keys and jumps change
// nothing.
TEST_F(PlayerLife, ADeadHeroOnlySpins)
{
    hero->kill();
    const SbVec3f at = hero->getPosition();
    hero->walk();
    hero->forwardOn();
    hero->jump();
    hero->move();
    EXPECT_EQ(hero->getPosition(), at);
    EXPECT_EQ(hero->getWalkSpeed(), 0.0f);
    EXPECT_FALSE(hero->isJumping());
}

TEST_F(PlayerLife, EveryPoseLeavesMatricesWindingAndErrorsAsFound)
{
    auto floor = floorAt(0.0f);
    while (glGetError() != GL_NO_ERROR) {
    }
    Player &h = *hero;
    ActorPainter painter;
    auto stepOnFloor = [&] { step(h, {floor.get()}); };
    auto draw = [&] { painter.draw(h, DrawPass::Shaded); };
    // In order, each pose from the one before.
    const struct {
        const char *pose;
        std::function<void()> draw;
    } poses[] = {
        {"standing", [&] { stepOnFloor(); draw(); }},
        {"walking", [&] { h.walk(); h.forwardOn(); h.backOn(); h.leftOn(); h.rightOn(); stepOnFloor(); draw(); }},
        {"jumping", [&] { h.jump(); stepOnFloor(); draw(); }},
        {"outline", [&] { painter.draw(h, DrawPass::Outline); }},
        {"first person", [&] { h.setVisible(false); draw(); }},
        {"dead, first person", [&] { h.kill(); draw(); }},
        {"dead", [&] { h.setVisible(true); draw(); }},
        {"victory", [&] { h.victoryStep(); painter.drawVictory(h, DrawPass::Shaded); }},
        {"defeat", [&] { painter.drawDefeat(h, DrawPass::Shaded); }},
    };
    for (const auto &p : poses) {
        p.draw();
        expectGlStateClean(p.pose);
    }
}
