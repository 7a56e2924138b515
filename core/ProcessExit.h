#pragma once

// Ends the process with `status` once the program's own work is done and its
// objects are gone: flushes the C streams, then leaves without running the
// libraries' exit-time teardown. Debian 12's software renderer (Mesa 22.3
// built on LLVM 15) now and then aborts inside that teardown, which turned a
// finished, correct run into "Aborted" and lost the standard output still
// buffered. Nothing of ours needs it: files are written and closed, and the
// audio device is closed, before this is called.
[[noreturn]] void leaveProcess(int status);
