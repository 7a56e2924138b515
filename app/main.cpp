#include "core/ProcessExit.h"
#include "app/Startup.h"

int main(int argc, char **argv) { leaveProcess(runGame(argc, argv)); }
