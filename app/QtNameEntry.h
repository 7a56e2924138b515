#pragma once
#include <QWidget>

class QLineEdit;
class WorldProxy;

// The first window: asks for a nickname of up to seven characters, stores
// it in the registry and replaces itself by the game window.
class QtNameEntry : public QWidget {
    Q_OBJECT
public:
    explicit QtNameEntry(WorldProxy *proxy);

    static constexpr int kMaxNicknameLength = 7;

public slots:
    void acceptName();

private:
    QLineEdit *lineEdit;
    WorldProxy *proxy;
};
