// The input scripts: what a recording writes, and what a replay reads.
#include "core/InputScript.h"
#include "run/InputRecorder.h"

#include <Qt>
#include <gtest/gtest.h>

namespace {
std::string text(const std::vector<InputEvent> &events)
{
    std::string lines;
    for (const std::string &line : formatInputEvents(events))
        lines += line + "\n";
    return lines;
}
} // namespace

TEST(InputScript, RejectsBadLinesNamingTheLineAndMissingFiles)
{
    const struct {
        const char *text;
        const char *error;
    } cases[] = {
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
        {"-1 key down W\n", "line 1: expected a frame number, got '-1'"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(parseInputScript(c.text).error, c.error) << c.text;
    EXPECT_EQ(loadInputScript("/nonexistent/run.play").error, "cannot read /nonexistent/run.play");
}

TEST(InputScript, TheFirstOfAHeaderCountsAndNamesAreCaseSensitive)
{
    const InputScript script = parseInputScript("# nickname: A B \n"
                                                "# frames: 80\n"
                                                "# frames: 90\n"
                                                "# Not: a header\n");
    ASSERT_EQ(script.error, "");
    EXPECT_EQ(script.header("nickname"), "A B ");
    EXPECT_EQ(script.header("frames"), "80");
    EXPECT_EQ(script.header("not", "none"), "none");
}

TEST(InputScript, FormattedEventsReadBackAsTheSameEvents)
{
    const std::string script = "2 key up Up\n"
                               "3 mouse right x3\n"
                               "3 mouse at 0 0\n"
                               "3 mouse right\n"
                               "3 mouse at -1 1\n"
                               "4 button down left\n"
                               "4 button up right\n"
                               "5 wheel 7/120 x2\n";
    const InputScript parsed = parseInputScript(script);
    ASSERT_EQ(parsed.error, "");
    // Single events, as a recording holds them, merge into the same lines.
    std::vector<InputEvent> single;
    for (const InputEvent &event : parsed.events)
        for (int i = 0; i < event.repeat; ++i) {
            single.push_back(event);
            single.back().repeat = 1;
        }
    EXPECT_EQ(text(single), script);
}

TEST(InputRecorder, WritesWhatTheWorldGotInTheScriptFormat)
{
    // The window reports each move and then the move onto the centre that
    // re-centring causes; the world only looks at the sides of the centre.
    constexpr int c = 100;
    const struct {
        const char *name;
        void (*play)(InputRecorder &);
        const char *expected;
    } rows[] = {
        {"a move and its re-centring make one line", [](InputRecorder &r) {
             r.mouseMoved(5, c + 7, c, c, c);
             r.mouseMoved(5, c, c, c, c);
             r.mouseMoved(5, c + 2, c, c, c);
             r.mouseMoved(5, c, c, c, c);
         }, "5 mouse right x2\n"},
        {"a diagonal move, a lone centre and a re-centring a step later stay apart", [](InputRecorder &r) {
             r.mouseMoved(1, c - 3, c + 9, c, c);
             r.mouseMoved(1, c, c, c, c);
             r.mouseMoved(2, c, c, c, c);
             r.mouseMoved(3, c, c - 1, c, c);
             r.mouseMoved(4, c, c, c, c);
         }, "1 mouse at -1 1\n1 mouse at 0 0\n2 mouse at 0 0\n3 mouse at 0 -1\n4 mouse at 0 0\n"},
        {"keys and buttons no world reacts to are left out", [](InputRecorder &r) {
             r.keyPressed(0, Qt::Key_Q);
             r.keyPressed(0, Qt::Key_Space);
             r.keyReleased(1, Qt::Key_F1);
             r.keyReleased(1, Qt::Key_Space);
             r.mouseButton(2, 4, true);
             r.mouseButton(2, 2, true);
         }, "0 key down Space\n1 key up Space\n2 button down right\n"},
        {"wheel turns in notches or parts of one", [](InputRecorder &r) {
             r.wheelTurned(3, -120);
             r.wheelTurned(3, -120);
             r.wheelTurned(4, 15);
         }, "3 wheel -1 x2\n4 wheel 15/120\n"},
    };
    for (const auto &row : rows) {
        InputRecorder recorder;
        row.play(recorder);
        EXPECT_EQ(text(recorder.events()), row.expected) << row.name;
    }
}
