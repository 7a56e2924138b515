#pragma once
#include <functional>
#include <string>

// A blocking warning box (warning icon, one OK button, no owner window).
// Tests and tools must never hang on a modal dialog, so the box goes
// through one replaceable hook: tests install a recorder, the tools send
// warnings to standard error, the game keeps the default.
using WarningBoxHook = std::function<void(const std::string &caption, const std::string &text)>;

void showWarningBox(const std::string &caption, const std::string &text);

// Installs a replacement; an empty hook restores the real dialog.
void setWarningBoxHook(WarningBoxHook hook);

// Installs the hook that writes each warning as one line on standard
// error ("caption: text") instead of showing a box. The real dialog also
// falls back to this line when there is no QApplication to show it in.
void sendWarningsToStandardError();

// The caption every warning of the game carries.
inline constexpr const char *kErrorCaption = "An Error occured";
