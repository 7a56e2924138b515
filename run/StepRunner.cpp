#include "run/StepRunner.h"

#include "sim/World.h"
#include "sim/WorldProxy.h"

int runSteps(WorldProxy &proxy, int steps, StepObserver *observer)
{
    if (proxy.isBusy() || steps <= 0)
        return 0;
    World &world = *proxy.world();
    StepObserver quiet;
    StepObserver &watch = observer ? *observer : quiet;
    for (int i = 1;; ++i) {
        watch.beforeStep();
        world.step();
        watch.stepped();
        const bool last = i >= steps || proxy.hasRequest();
        if (last)
            world.drawFrame();
        proxy.switchIfRequested();
        watch.afterStep();
        if (last)
            return i;
    }
}
