#pragma once
#include <string>

// The game's warning box: a modal Qt dialog with a warning icon and one OK
// button, the texts shown as the Latin-1 they are. Without a QApplication
// (a widget would abort the process) it falls back to the line on standard
// error.
void showWarningDialog(const std::string &caption, const std::string &text);
