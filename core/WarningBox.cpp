#include "core/WarningBox.h"

#include <cstdio>

namespace {
WarningBoxHook &hookSlot()
{
    static WarningBoxHook hook;
    return hook;
}
} // namespace

void printWarning(const std::string &caption, const std::string &text)
{
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    std::fflush(stderr);
}

void setWarningBoxHook(WarningBoxHook hook) { hookSlot() = std::move(hook); }

void sendWarningsToStandardError() { setWarningBoxHook({}); }

void showWarningBox(const std::string &caption, const std::string &text)
{
    if (hookSlot())
        hookSlot()(caption, text);
    else
        printWarning(caption, text);
}
