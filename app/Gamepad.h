#pragma once
#include "app/PadState.h"

#include <QObject>
#include <map>
#include <memory>

class QTimer;

// The gamepads, read through SDL's game-controller API. SDL is started for
// game controllers only: no video, no signal handlers; Qt keeps the window,
// the events and Ctrl+C. Pads may be plugged in and out while the game
// runs; one that goes lets go of whatever it held, as the window does when
// it loses the focus. Without SDL's game controllers, or without any pad,
// the game plays on as before.
//
// Every kPollIntervalMs the pads are read and what they do comes out as the
// levels' input (PadState): keyChanged with the levels' keys, moved with one
// mouse move each. Two pads holding the same key hold it once.
//
// Start emits pauseRequested, which nothing answers yet: the pause itself
// is for the game window to do.
class Gamepad : public QObject {
    Q_OBJECT
public:
    static constexpr int kPollIntervalMs = 20;

    explicit Gamepad(QObject *parent = nullptr);
    ~Gamepad() override;
    Gamepad(const Gamepad &) = delete;
    Gamepad &operator=(const Gamepad &) = delete;

    // SDL's game controllers could be started.
    bool isAvailable() const { return available; }
    int padCount() const;

    // Takes SDL's news (pads come and gone, buttons) and reads the sticks;
    // the timer calls it.
    void poll();

signals:
    void keyChanged(int key, bool pressed);
    void moved(int dx, int dy);
    void pauseRequested();

private:
    struct Pads;

    // SDL's device index for a pad come, its instance id for one gone.
    void padAdded(int deviceIndex);
    void padRemoved(int id);
    void buttonChanged(int id, int button, bool pressed);
    void deliver(const PadState::Changes &changes);
    void holdAcrossPads(int key, bool on);

    bool available = false;
    std::unique_ptr<Pads> pads;
    // How many pads hold each level key.
    std::map<int, int> holders;
    QTimer *timer = nullptr;
};
