#include "app/Startup.h"
#include "core/ProcessExit.h"

int main(int argc, char **argv) { leaveProcess(runGame(argc, argv)); }
