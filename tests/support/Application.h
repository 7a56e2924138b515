#pragma once
#include <QApplication>

// The one QApplication of a test program, created on first use (so that
// listing the tests needs no display). Requests the same compatibility
// GL context as the game.
QApplication *ensureApplication();
