#pragma once
#include <QString>
#include <array>

// The player's keys for the game's actions. Every action has exactly one key
// of the player's choosing, by default the key the levels take for it; the
// arrow keys stay second keys of the four walk actions and cannot be taken.
//
// The levels only know their own keys (W, A, S, D, the arrows, Shift,
// Space, ...). The game window hands each key through worldKey before the
// event reaches the world, so that the world, recordings and replays see
// nothing but the levels' keys, whatever the player has bound.
class KeyBindings {
public:
    enum Action { Forward, Back, Left, Right, Run, Jump, Pause, Ghost, ActionCount };

    // The levels' keys.
    KeyBindings();

    // The key the levels take for the action.
    static int gameKey(Action action);
    // The action's name in the settings file ("forward", ...) and for the
    // player ("Walk forward", ...).
    static const char *settingName(Action action);
    static QString title(Action action);

    int key(Action action) const { return keys[action]; }
    // The action the key is bound to, ActionCount for none.
    Action actionOf(int key) const;

    // Binds a bindable key to the action. When another action holds the key,
    // that action takes this action's old key in exchange, so that no action
    // is ever left without one; returns that action, or ActionCount when no
    // other action was touched (or the key is not bindable).
    Action bind(Action action, int key);
    void restoreDefaults() { *this = KeyBindings(); }

    // The key that reaches the world for a key the player pressed or
    // released: the level's key of the action it is bound to; an arrow as it
    // is; 0 (nothing) for a level key that no action is bound to any more, so
    // that a key given away does not act behind the player's back; any other
    // key as it is.
    int worldKey(int key) const;

    // A key may be bound when it has a name that reads back as the same key,
    // and is neither one of the window's own keys (Escape, F1 to F5, F10) nor an
    // arrow. Why not, for the player; empty when it may.
    static QString whyNotBindable(int key);
    static bool isBindable(int key) { return whyNotBindable(key).isEmpty(); }

    // A key's name as the settings file and the settings window write it
    // ("W", "Shift", "Space", "F5"), and back; 0 for a name of no key.
    static QString keyName(int key);
    static int keyFromName(const QString &name);

    bool operator==(const KeyBindings &other) const { return keys == other.keys; }
    bool operator!=(const KeyBindings &other) const { return keys != other.keys; }

private:
    std::array<int, ActionCount> keys;
};
