#include "app/KeyBindings.h"

#include <QCoreApplication>
#include <QKeySequence>

namespace {
struct ActionInfo {
    int gameKey;
    const char *settingName;
    const char *title;
};

// In the order of KeyBindings::Action.
constexpr ActionInfo kActions[KeyBindings::ActionCount] = {
    {Qt::Key_W, "forward", "Walk forward"}, {Qt::Key_S, "back", "Walk back"},
    {Qt::Key_A, "left", "Walk left"},       {Qt::Key_D, "right", "Walk right"},
    {Qt::Key_Shift, "run", "Run (held)"},   {Qt::Key_Space, "jump", "Jump"},
    {Qt::Key_P, "pause", "Pause"},          {Qt::Key_G, "ghost", "Ghost on and off"},
};

bool isArrow(int key) { return key >= Qt::Key_Left && key <= Qt::Key_Down; }

// Escape quits; F1 to F4 size the window; F5 reads a level file again; F10
// opens the settings from the paused game.
bool isWindowKey(int key)
{
    return key == Qt::Key_Escape || (key >= Qt::Key_F1 && key <= Qt::Key_F5) || key == Qt::Key_F10;
}
} // namespace

KeyBindings::KeyBindings()
{
    for (int a = 0; a < ActionCount; ++a)
        keys[a] = kActions[a].gameKey;
}

int KeyBindings::gameKey(Action action) { return kActions[action].gameKey; }

const char *KeyBindings::settingName(Action action) { return kActions[action].settingName; }

QString KeyBindings::title(Action action)
{
    return QCoreApplication::translate("KeyBindings", kActions[action].title);
}

KeyBindings::Action KeyBindings::actionOf(int key) const
{
    for (int a = 0; a < ActionCount; ++a)
        if (keys[a] == key)
            return Action(a);
    return ActionCount;
}

KeyBindings::Action KeyBindings::bind(Action action, int key)
{
    if (!isBindable(key))
        return ActionCount;
    const Action holder = actionOf(key);
    if (holder != ActionCount && holder != action)
        keys[holder] = keys[action];
    keys[action] = key;
    return holder == action ? ActionCount : holder;
}

int KeyBindings::worldKey(int key) const
{
    const Action bound = actionOf(key);
    if (bound != ActionCount)
        return gameKey(bound);
    if (isArrow(key))
        return key;
    for (const ActionInfo &info : kActions)
        if (info.gameKey == key)
            return 0;
    return key;
}

QString KeyBindings::whyNotBindable(int key)
{
    if (isWindowKey(key))
        return QCoreApplication::translate("KeyBindings", "%1 is the window's own key").arg(keyName(key));
    if (isArrow(key))
        return QCoreApplication::translate("KeyBindings", "the arrow keys always walk");
    if (key == 0 || key == Qt::Key_unknown || keyFromName(keyName(key)) != key)
        return QCoreApplication::translate("KeyBindings", "this key has no name the game can keep");
    return {};
}

QString KeyBindings::keyName(int key)
{
    if (key == 0 || key == Qt::Key_unknown)
        return {};
    return QKeySequence(key).toString(QKeySequence::PortableText);
}

int KeyBindings::keyFromName(const QString &name)
{
    const QKeySequence sequence = QKeySequence::fromString(name, QKeySequence::PortableText);
    if (name.isEmpty() || sequence.count() != 1 || sequence[0].keyboardModifiers() != Qt::NoModifier)
        return 0;
    const int key = int(sequence[0].key());
    return key == Qt::Key_unknown ? 0 : key;
}
