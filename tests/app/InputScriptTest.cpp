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
    EXPECT_EQ(script.events[4].delta, -240);
    EXPECT_EQ(script.events[5].kind, InputEvent::KeyUp);
    EXPECT_EQ(script.events[5].frame, 41);
}

TEST(InputScript, RejectsBadLinesNamingTheLineAndMissingFiles)
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
        {"0 wheel 1.5\n", "line 1: expected a whole number of wheel notches (at most 1000) or DELTA/120"},
        {"0 wheel -1001\n", "line 1: expected a whole number of wheel notches (at most 1000) or DELTA/120"},
        {"0 mouse at 2 0\n", "line 1: expected 'mouse at DX DY', each -1, 0 or 1"},
        {"0 mouse left x0\n", "line 1: bad repeat count 'x0' (x1 to x10000)"},
        {"0 mouse left x10001\n", "line 1: bad repeat count 'x10001' (x1 to x10000)"},
        {"0 mouse left x2 x2\n", "line 1: unexpected 'x2' at the end"},
        {"0 mouse left now\n", "line 1: unexpected 'now' at the end"},
        {"-1 key down W\n", "line 1: expected a frame number, got '-1'"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(parseInputScript(c.text).error, c.error) << c.text;
    EXPECT_EQ(loadInputScript("/nonexistent/run.play").error, "cannot read /nonexistent/run.play");
}

TEST(InputScript, RepeatCountsRawMovesWheelPartsAndHeaders)
{
    const InputScript script = parseInputScript("# nickname: A B \n"
                                                "# frames: 80\n"
                                                "# frames: 90\n"
                                                "# Not: a header\n"
                                                "70 mouse right x30\n"
                                                "70 mouse at -1 1\n"
                                                "71 wheel -15/120\n");
    ASSERT_EQ(script.error, "");
    ASSERT_EQ(script.events.size(), 3u);
    EXPECT_EQ(script.events[0].kind, InputEvent::MouseMove);
    EXPECT_EQ(script.events[0].repeat, 30);
    EXPECT_EQ(script.events[1].kind, InputEvent::MouseAt);
    EXPECT_EQ(script.events[1].dx, -1);
    EXPECT_EQ(script.events[1].dy, 1);
    EXPECT_EQ(script.events[2].delta, -15);
    EXPECT_EQ(script.header("nickname"), "A B ");
    EXPECT_EQ(script.header("frames"), "80"); // the first counts
    EXPECT_EQ(script.header("not", "none"), "none");
}

TEST(InputScript, FormattedEventsReadBackAsTheSameEvents)
{
    const std::string text = "0 key down Shift\n"
                             "3 mouse right x3\n"
                             "3 mouse at 0 0\n"
                             "3 mouse right\n"
                             "4 button down left\n"
                             "5 wheel 2\n"
                             "5 wheel 7/120 x2\n";
    const InputScript script = parseInputScript(text);
    ASSERT_EQ(script.error, "");
    // Single events, as a recording holds them, merge into the same lines.
    std::vector<InputEvent> single;
    for (const InputEvent &event : script.events)
        for (int i = 0; i < event.repeat; ++i) {
            single.push_back(event);
            single.back().repeat = 1;
        }
    std::string formatted;
    for (const std::string &line : formatInputEvents(single))
        formatted += line + "\n";
    EXPECT_EQ(formatted, text);
}
