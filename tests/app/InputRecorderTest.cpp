#include "app/InputRecorder.h"

#include <Qt>
#include <gtest/gtest.h>

namespace {
std::string text(const InputRecorder &recorder)
{
    std::string lines;
    for (const std::string &line : formatInputEvents(recorder.events()))
        lines += line + "\n";
    return lines;
}
} // namespace

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
        EXPECT_EQ(text(recorder), row.expected) << row.name;
    }
}
