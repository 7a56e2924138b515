#include "app/InputScript.h"

#include <Qt>
#include <gtest/gtest.h>

TEST(InputScript, ReadsEveryKindOfEventInOrder)
{
    const InputScript script = parseInputScript("# a comment\n"
                                                "\n"
                                                "0 key down W\n"
                                                "0 key down Shift\n"
                                                "12 mouse left\n"
                                                "12 button down right\n"
                                                "40 wheel -2\n"
                                                "41 key up Up\n");
    ASSERT_EQ(script.error, "");
    ASSERT_EQ(script.events.size(), 6u);
    EXPECT_EQ(script.events[0].key, Qt::Key_W);
    EXPECT_EQ(script.events[0].line, 3);
    EXPECT_EQ(script.events[1].key, Qt::Key_Shift);
    EXPECT_EQ(script.events[2].kind, InputEvent::MouseMove);
    EXPECT_EQ(script.events[2].dx, -1);
    EXPECT_EQ(script.events[3].kind, InputEvent::ButtonDown);
    EXPECT_EQ(script.events[3].button, 2);
    EXPECT_EQ(script.events[4].notches, -2);
    EXPECT_EQ(script.events[5].kind, InputEvent::KeyUp);
    EXPECT_EQ(script.events[5].frame, 41);
}

TEST(InputScript, RejectsBadLinesNamingTheLine)
{
    const struct {
        const char *text;
        const char *error;
    } cases[] = {
        {"0 key down Q\n", "line 1: unknown key name 'Q'"},
        {"5 key down W\n3 key up W\n", "line 2: frame 3 comes before frame 5"},
        {"0 key down W\nfive key up W\n", "line 2: expected a frame number, got 'five'"},
        {"0 jump\n", "line 1: unknown event 'jump'"},
        {"0 key W\n", "line 1: expected 'down' or 'up' after 'key'"},
        {"0 wheel 1.5\n", "line 1: expected a whole number of wheel notches"},
        {"0 wheel -1001\n", "line 1: more than 1000 wheel notches"},
        {"0 mouse left now\n", "line 1: unexpected 'now' at the end"},
        {"-1 key down W\n", "line 1: expected a frame number, got '-1'"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(parseInputScript(c.text).error, c.error) << c.text;
}

TEST(InputScript, MissingFileIsAnError)
{
    EXPECT_EQ(loadInputScript("/nonexistent/run.play").error, "cannot read /nonexistent/run.play");
}
