#pragma once
#include <QElapsedTimer>
#include <QTest>

// Processes events until the condition holds or the time runs out; whether
// it holds at the end.
template <typename Condition> bool waitFor(Condition condition, int timeoutMs = 3000)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < timeoutMs)
        QTest::qWait(10);
    return condition();
}
