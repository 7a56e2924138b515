#pragma once
#include "app/KeyBindings.h"

#include <QDialog>
#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSlider;
class SettingsStore;
struct GameSettings;

// The settings window: mouse feel, volume, outline style and the player's
// keys. Every change applies at once (through the settings store, which
// keeps it in the file). A key is bound by clicking its action's button and
// pressing the key; Escape, or leaving the button, keeps the old one. A key
// that another action holds is swapped: that action takes the old key of
// this one, and the window says so. "Defaults" gives back the game's keys.
class SettingsWindow : public QDialog {
    Q_OBJECT
public:
    explicit SettingsWindow(SettingsStore *settings, QWidget *parent = nullptr);

    // The button that shows (and, clicked, captures) the action's key.
    QPushButton *keyButton(KeyBindings::Action action) const { return keyButtons[action]; }
    // What the last binding did, or why a key was refused.
    QString notice() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *feelRows();
    QWidget *keyRows();
    void change(const std::function<void(GameSettings &)> &edit);
    void startCapture(KeyBindings::Action action);
    void capture(int key);
    void stopCapture();
    void restoreKeys();
    void showKeys();

    SettingsStore *settings;
    std::array<QPushButton *, KeyBindings::ActionCount> keyButtons{};
    QLabel *noticeLabel = nullptr;
    // The action waiting for its key; ActionCount when none.
    KeyBindings::Action capturing = KeyBindings::ActionCount;
};
