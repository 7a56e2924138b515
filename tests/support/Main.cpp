// The test programs' entry point: GoogleTest's usual one, except that the
// process leaves through leaveProcess, past the software renderer's
// exit-time teardown that now and then aborted a program whose tests had
// all passed.
#include "core/ProcessExit.h"

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    leaveProcess(RUN_ALL_TESTS());
}
