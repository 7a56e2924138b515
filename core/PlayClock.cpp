#include "core/PlayClock.h"

namespace PlayClock {

QTime advance(QTime time, long long elapsedSeconds)
{
    if (elapsedSeconds <= 0 || !time.isValid())
        return time;
    const long long left = time.secsTo(kLatest);
    return left <= 0 ? time : time.addSecs(int(elapsedSeconds < left ? elapsedSeconds : left));
}

} // namespace PlayClock
