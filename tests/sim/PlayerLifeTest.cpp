// The hero's death. The restart after the spin, the lives and the game
// over are the replays' (tests/levels/game_over.play).
#include "support/ActorTestSupport.h"

#include <gtest/gtest.h>

class PlayerLife : public HeroTest {
protected:
    void SetUp() override
    {
        HeroTest::SetUp();
        hero = std::make_unique<Player>(0, 1, 0);
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
