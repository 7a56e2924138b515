#include "app/QtNameEntry.h"

#include "app/QtFenster.h"
#include "app/SettingsWindow.h"
#include "core/Paths.h"
#include "sim/GameRegistry.h"

#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

QtNameEntry::QtNameEntry(WorldProxy *worldProxy, GameWindowSetup windowSetup)
    : QWidget(nullptr), proxy(worldProxy), setup(windowSetup)
{
    auto *label = new QLabel(tr("Bitte geben sie einen Nickname ein:"));
    lineEdit = new QLineEdit;
    auto *layout = new QGridLayout;
    layout->addWidget(label, 0, 0);
    layout->addWidget(lineEdit, 0, 1);
    if (setup.settings) {
        auto *settingsButton = new QPushButton(tr("Settings..."));
        connect(settingsButton, &QPushButton::clicked, this, &QtNameEntry::openSettings);
        layout->addWidget(settingsButton, 1, 1, Qt::AlignRight);
    }
    setLayout(layout);
    lineEdit->setMaxLength(kMaxNicknameLength);
    connect(lineEdit, &QLineEdit::returnPressed, this, &QtNameEntry::acceptName);
    setWindowIcon(QIcon(QString::fromStdString(hostPath("Texturen\\Hero.ico"))));
}

std::string QtNameEntry::nicknameRule(const QString &typed)
{
    return typed.left(kMaxNicknameLength).toLatin1().toStdString();
}

void QtNameEntry::acceptName()
{
    GameRegistry::setNickname(nicknameRule(lineEdit->text()));
    // The game window is shown before this one closes, so that the
    // application never sees a moment without a visible window.
    openGameWindow(proxy, setup);
    close();
}

void QtNameEntry::openSettings()
{
    // Modal to this window: the game cannot start under it.
    auto *window = new SettingsWindow(setup.settings, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->open();
}
