#pragma once
#include <QTime>

// The play time is wall-clock seconds added up in a QTime, which the
// registry hands to the heads-up display and the high-score table. A QTime
// wraps at midnight: left alone, a 25-hour game would show, and rank, as a
// 1-hour one. So the clock stops at 23:59:59 and stays there (the display
// shows it frozen, the table writes anything from ten hours on as 9:59:59
// anyway), and a wall clock that is set back never takes time off.
namespace PlayClock {

// The latest time the clock shows.
inline const QTime kLatest(23, 59, 59);

// time plus elapsedSeconds, stopping at kLatest; a negative or zero step
// leaves the time as it is.
QTime advance(QTime time, long long elapsedSeconds);

} // namespace PlayClock
