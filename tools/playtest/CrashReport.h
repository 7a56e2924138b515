#pragma once

// A driver that crashes inside a test run leaves only "Aborted" behind.
// reportCrashes() makes a crash print the call stack on standard error
// first (raw addresses where a library keeps its symbols hidden: resolve
// them with addr2line against the library named in front), then end the
// process with the same signal. Signals that something else already
// handles, such as a sanitizer, are left to it.
void reportCrashes();
