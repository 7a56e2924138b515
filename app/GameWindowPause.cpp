// The game window's own keys and its pause: P pauses and resumes, G shows
// and hides the ghost, F5 reads a level file again, F10 opens the settings
// from the paused game.
#include "app/KeyBindings.h"
#include "app/QtFenster.h"
#include "app/SettingsStore.h"
#include "app/SettingsWindow.h"
#include "core/FrameSchedule.h"
#include "render/RunNotice.h"
#include "run/RunSession.h"
#include "sim/World.h"
#include "sim/WorldProxy.h"

#include <QCursor>
#include <algorithm>
#include <cstdio>

namespace {
const char *const kPausedHint = "P or a click: play on    F10: settings    Esc: quit";
// A bad level file's errors shown over the picture; the rest are counted
// (standard error has them all).
constexpr std::size_t kErrorsShown = 4;
} // namespace

bool QtFenster::isPaused() const { return session && session->isPaused(); }

void QtFenster::setPaused(bool paused)
{
    if (!session || paused == isPaused())
        return;
    if (paused)
        releaseEverything();
    session->setPaused(paused);
    setCursor(paused ? Qt::ArrowCursor : Qt::BlankCursor);
    if (paused) {
        pausedPictureDue = true;
    } else {
        // The time away is no time to catch up: the next repaint takes one
        // step, as when the window opened.
        lastRepaintUs = repaintClock.isValid() ? repaintClock.nsecsElapsed() / 1000 : 0;
        carryUs = FrameSchedule::kStepUs;
    }
    update();
}

void QtFenster::releaseEverything()
{
    for (int key : std::set<int>(heldKeys))
        releaseKey(key, 0);
    for (int button : std::set<int>(heldButtons))
        changeButton(button, false);
}

bool QtFenster::windowAction(int key)
{
    const KeyBindings defaults;
    const KeyBindings &keys = controls ? controls->values().keys : defaults;
    switch (keys.actionOf(key)) {
    case KeyBindings::Pause: togglePause(); return true;
    case KeyBindings::Ghost:
        if (TimeTrial *trial = session ? session->timeTrial() : nullptr) {
            trial->toggleGhost();
            pausedPictureDue = true;
            update();
        }
        return true;
    default: break;
    }
    if (key == Qt::Key_F5 && levelReload) {
        reloadLevel();
        return true;
    }
    if (key == Qt::Key_F10 && isPaused() && settingsStore) {
        openSettings();
        return true;
    }
    return false;
}

void QtFenster::drawPausedPicture()
{
    // Drawing changes nothing in the world: the paused picture is the last
    // one, with the veil over it.
    if (!proxy->isBusy())
        proxy->world()->drawFrame();
    drawPausedOverlay(kPausedHint);
    pausedPictureDue = false;
    pictureLost = false;
}

void QtFenster::openSettings()
{
    // Modal: the game stays paused under it, and takes the changes at once.
    auto *window = new SettingsWindow(settingsStore, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->open();
}

void QtFenster::reloadLevel()
{
    // The new level knows nothing of what the old one had held.
    releaseEverything();
    makeCurrent();
    const std::vector<std::string> errors = levelReload();
    doneCurrent();
    for (const std::string &error : errors)
        std::fprintf(stderr, "%s\n", error.c_str());
    if (TimeTrial *trial = session ? session->timeTrial() : nullptr) {
        std::vector<std::string> shown(errors.begin(), errors.begin() + std::ptrdiff_t(std::min(errors.size(), kErrorsShown)));
        if (errors.size() > kErrorsShown)
            shown.push_back("and " + std::to_string(errors.size() - kErrorsShown) + " more on standard error");
        trial->showProblem(shown);
    }
    pictureLost = true;
    pausedPictureDue = true;
    update();
}
