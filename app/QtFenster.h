#pragma once
#include "app/TurnScaler.h"

#include <QElapsedTimer>
#include <QOpenGLWidget>
#include <QTime>

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

class Gamepad;
class InputRecorder;
class QTimer;
class RunSession;
class SettingsStore;
class WorldProxy;

// The game's one OpenGL window. It owns the 20 ms frame clock and the
// play-time clock and turns Qt's callbacks into calls on the world proxy;
// it never talks to a world directly. Each repaint runs as many simulation
// steps as the wall clock asks for (FrameSchedule), then draws once, so the
// game keeps its speed when repaints are slow.
class QtFenster : public QOpenGLWidget {
    Q_OBJECT
public:
    explicit QtFenster(WorldProxy *proxy, QWidget *parent = nullptr);

    QTime getPlayTime() const { return playTime; }

    // Tests: runs at the end of every repaint (to make repaints slow).
    void setRepaintHook(std::function<void()> hook) { repaintHook = std::move(hook); }

    // Records, replays and traces through the session (not owned). While
    // it replays, the player's input is ignored except Escape, and the
    // window closes itself when the replay is over.
    void setSession(RunSession *runSession) { session = runSession; }

    // The player's keys and mouse feel (not owned): a bound key reaches the
    // world as the level's key for its action, a mouse move as the number of
    // level moves the player's degrees ask for. Without them the keyboard
    // and the mouse reach the world as they are.
    void setControls(const SettingsStore *settings) { controls = settings; }
    // The gamepad's input, already in the levels' keys and mouse moves (dx,
    // dy each -1, 0 or 1, scaled like the mouse's); ignored while a replay
    // plays, like the player's. A tilt needs the right button held, as with
    // the mouse: the move is wrapped in its press and release unless the
    // player holds it already.
    void padKey(int key, bool pressed);
    void padMove(int dx, int dy);

    // The pause (held by the session; without one there is none). Pausing
    // lets go of every key and button held, as losing the focus does, and
    // stops the steps and the play clock; the picture stays, dimmed, with
    // "PAUSED". P (or its binding), the gamepad's Start and a click resume;
    // the click reaches no world.
    void setPaused(bool paused);
    bool isPaused() const;
    // Where the settings window opened from the paused game (F10) makes its
    // changes; null: F10 does nothing.
    void setSettings(SettingsStore *store) { settingsStore = store; }
    // F5 reads the level file again (LevelFilePlay::reload, with the GL
    // context current): the file's errors, empty when the new level plays.
    void setLevelReload(std::function<std::vector<std::string>()> reload) { levelReload = std::move(reload); }

public slots:
    void timeUpdate();
    void togglePause() { setPaused(!isPaused()); }

protected:
    void initializeGL() override;
    void paintGL() override;
    void resizeGL(int width, int height) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    // Releases every key and button still held (see heldKeys), and pauses.
    void focusOutEvent(QFocusEvent *event) override;

private:
    WorldProxy *proxy;
    QTimer *timer;
    QTime playTime;
    long long lastTick;

    // Wall-clock time of the repaints, and the step time carried from one
    // repaint to the next (FrameSchedule).
    QElapsedTimer repaintClock;
    std::int64_t lastRepaintUs = 0;
    std::int64_t carryUs;
    // The framebuffer was (re)created and holds no picture yet.
    bool pictureLost = true;
    std::function<void()> repaintHook;
    RunSession *session = nullptr;
    const SettingsStore *controls = nullptr;
    TurnScaler turnScaler;
    std::map<int, int> worldKeyPressedFor;
    // Keys (other than the window's own) and mouse buttons pressed and not
    // yet released, so that losing the focus can release them.
    std::set<int> heldKeys;
    std::set<int> heldButtons;
    SettingsStore *settingsStore = nullptr;
    std::function<std::vector<std::string>()> levelReload;
    // The paused picture is to be drawn (once: the framebuffer keeps it).
    bool pausedPictureDue = false;
    // The button whose click resumed: its release reaches no world either.
    int swallowedButton = 0;

    // A replay plays in place of the player.
    bool replaying() const;
    // Where the player's input that reaches the world is written down; null
    // when nothing is recorded.
    InputRecorder *recorder() const;
    // The player's key and button changes as they reach the world: kept in
    // heldKeys/heldButtons, written down when recording, then forwarded.
    void pressKey(int key, int modifiers);
    void releaseKey(int key, int modifiers);
    void changeButton(int button, bool pressed);
    // The key that reaches the world for one the player pressed (0 for
    // none); its release reaches the world as the key its press did, even
    // when the bindings changed in between.
    int pressedWorldKey(int key);
    int releasedWorldKey(int key);
    // A mouse move at (x, y) beside the centre, handed to the world as the
    // player's mouse feel turns it into level moves.
    void moveMouse(int x, int y, int centreX, int centreY);
    // One move as it reaches the world: written down, then forwarded.
    void deliverMove(int x, int y, int centreX, int centreY);
    // The keys the window answers itself: the pause, the ghost, F5 and
    // F10; true when the key was one of them.
    bool windowAction(int key);
    void releaseEverything();
    void drawPausedPicture();
    void openSettings();
    void reloadLevel();
};

// How the game window opens: Qt's default size when width or height is 0.
struct GameWindowSetup {
    int width = 0;
    int height = 0;
    bool fullScreen = false;
    RunSession *session = nullptr;
    // The player's settings (their keys and mouse feel, and where the
    // window's size is kept) and the gamepad; either may be null.
    SettingsStore *settings = nullptr;
    Gamepad *gamepad = nullptr;
    // Whether the window's size and full-screen state, as the player leaves
    // them, are kept in the settings (not when the command line set them).
    bool keepWindowState = false;
    // Playing a level file: F5 reads it again (QtFenster::setLevelReload).
    std::function<std::vector<std::string>()> levelReload = nullptr;
};

// Creates the game window on the proxy and shows it as the setup asks.
QtFenster *openGameWindow(WorldProxy *proxy, const GameWindowSetup &setup);
