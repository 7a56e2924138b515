#pragma once
#include <string>

// Each generator writes its files below the run directory `root`
// (created beforehand) and returns false with a message on stderr when a
// file cannot be written.
bool writeIcon(const std::string &root);
