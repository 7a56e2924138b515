#include "app/SettingsStartup.h"

#include "app/CommandLine.h"
#include "app/SettingsStore.h"
#include "audio/MasterVolume.h"
#include "render/Outline.h"
#include "sim/GameRegistry.h"

#include <cstdio>

namespace {
OutlineLines outlineLines(bool fast)
{
    return fast ? OutlineLines::Fast : OutlineLines::Smooth;
}
} // namespace

void reportSettingsProblems(const SettingsStore &settings)
{
    for (const std::string &problem : settings.problems())
        std::fprintf(stderr, "torchhero: %s\n", problem.c_str());
}

void followSettings(SettingsStore &settings, const CommandLine &options)
{
    const GameSettings &values = settings.values();
    setMasterVolume(values.volumePercent);
    setOutlineLines(outlineLines(options.hasOutlines ? options.fastOutlines : values.fastOutlines));
    QObject::connect(&settings, &SettingsStore::changed, [](const GameSettings &before, const GameSettings &now) {
        if (now.volumePercent != before.volumePercent)
            setMasterVolume(now.volumePercent);
        if (now.fastOutlines != before.fastOutlines)
            setOutlineLines(outlineLines(now.fastOutlines));
    });
}

GameWindowSetup gameWindowSetup(const CommandLine &options, SettingsStore &settings, Gamepad *gamepad,
                                RunSession *session)
{
    GameWindowSetup setup;
    setup.session = session;
    setup.settings = &settings;
    setup.gamepad = gamepad;
    setup.keepWindowState = options.width == 0 && !options.fullScreen;
    const GameSettings &values = settings.values();
    setup.width = setup.keepWindowState ? values.windowWidth : options.width;
    setup.height = setup.keepWindowState ? values.windowHeight : options.height;
    setup.fullScreen = setup.keepWindowState ? values.fullScreen : options.fullScreen;
    return setup;
}
