#pragma once
#include <functional>
#include <string>

// A blocking warning box (warning icon, one OK button, no owner window).
// Tests and tools must never hang on a modal dialog, so the box goes
// through one replaceable hook: the game installs the real dialog
// (app/WarningDialog.h), tests install a recorder, and without a hook (the
// tools, anything headless) each warning is one line on standard error.
using WarningBoxHook = std::function<void(const std::string &caption, const std::string &text)>;

void showWarningBox(const std::string &caption, const std::string &text);

// Installs a replacement; an empty hook restores the line on standard
// error.
void setWarningBoxHook(WarningBoxHook hook);

// Drops any hook: each warning is one line on standard error ("caption:
// text") instead of a box.
void sendWarningsToStandardError();
void printWarning(const std::string &caption, const std::string &text);

// The caption every warning of the game carries.
inline constexpr const char *kErrorCaption = "An Error occured";
