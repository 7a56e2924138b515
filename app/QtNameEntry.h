#pragma once
#include "app/QtFenster.h"

#include <QWidget>
#include <string>

class QLineEdit;
class WorldProxy;

// The first window: asks for a nickname of up to seven characters, stores
// it in the registry and replaces itself by the game window.
class QtNameEntry : public QWidget {
    Q_OBJECT
public:
    // setup: how the game window opens once a name is entered.
    explicit QtNameEntry(WorldProxy *proxy, GameWindowSetup setup = {});

    static constexpr int kMaxNicknameLength = 7;
    // The nickname as the game keeps it: the first seven characters, one
    // byte each (Latin-1; anything outside becomes '?'), because the
    // overlay's bitmap font and the high-score file are 8-bit. Applies to a
    // name from the command line as to one typed here.
    static std::string nicknameRule(const QString &typed);

public slots:
    void acceptName();
    // The settings window, when the setup names the settings (a second
    // row under the prompt and the field offers it).
    void openSettings();

private:
    QLineEdit *lineEdit;
    WorldProxy *proxy;
    GameWindowSetup setup;
};
