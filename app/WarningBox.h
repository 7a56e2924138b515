#pragma once
#include <functional>
#include <string>

// A blocking warning box (warning icon, one OK button, no owner window).
// Tests must never hang on a modal dialog, so the box goes through one
// replaceable hook: tests install a recorder, the game keeps the default.
using WarningBoxHook = std::function<void(const std::string &caption, const std::string &text)>;

void showWarningBox(const std::string &caption, const std::string &text);

// Installs a replacement; an empty hook restores the real dialog.
void setWarningBoxHook(WarningBoxHook hook);

// The caption every warning of the game carries.
inline constexpr const char *kErrorCaption = "An Error occured";
