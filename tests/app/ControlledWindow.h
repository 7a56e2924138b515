#pragma once
// A game window on a world that records what reaches it, with the player's
// settings in a file of its own and the gamepad hooked up.
#include "render/GL.h" // GLEW before Qt's GL headers

#include "app/Gamepad.h"
#include "app/QtFenster.h"
#include "app/SettingsStore.h"
#include "sim/GameRegistry.h"
#include "sim/WorldProxy.h"
#include "support/Application.h"
#include "support/Files.h"
#include "support/RecordingWorld.h"

#include <QTest>
#include <gtest/gtest.h>
#include <memory>

struct ControlledWindowTest : ::testing::Test {
    GameRegistry registry;
    RecordingWorld world;
    std::unique_ptr<WorldProxy> proxy;
    TempDir dir;
    std::unique_ptr<SettingsStore> settings;
    std::unique_ptr<Gamepad> gamepad;
    QtFenster *window = nullptr;

    void SetUp() override
    {
        ensureApplication();
        proxy = std::make_unique<WorldProxy>(&world);
        GameRegistry::setWorlds({&world});
        GameRegistry::setWorldProxy(proxy.get());
        settings = std::make_unique<SettingsStore>(QString::fromStdString(dir.path("torchhero.conf")));
        gamepad = std::make_unique<Gamepad>();
        GameWindowSetup setup;
        setup.width = 400;
        setup.height = 300;
        setup.settings = settings.get();
        setup.gamepad = gamepad.get();
        window = openGameWindow(proxy.get(), setup);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        takeCalls();
    }

    void TearDown() override
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            delete w;
    }

    // The key, button and mouse calls since the last look ("; " after each),
    // a mouse move as the side of the centre it lands on: "move 1 0".
    std::string takeCalls()
    {
        std::string calls;
        for (const std::string &call : world.calls) {
            int x = 0, y = 0, cx = 0, cy = 0;
            if (std::sscanf(call.c_str(), "mouseMoved %d %d %d %d", &x, &y, &cx, &cy) == 4)
                calls += "move " + std::to_string((x > cx) - (x < cx)) + " " + std::to_string((y > cy) - (y < cy)) + "; ";
            else if (call.rfind("key", 0) == 0 || call.rfind("mouse", 0) == 0)
                calls += call + "; ";
        }
        world.calls.clear();
        return calls;
    }
};
