#include "app/QtNameEntry.h"

#include "app/GameRegistry.h"
#include "app/Paths.h"
#include "app/QtFenster.h"

#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>

QtNameEntry::QtNameEntry(WorldProxy *worldProxy) : QWidget(nullptr), proxy(worldProxy)
{
    auto *label = new QLabel(tr("Bitte geben sie einen Nickname ein:"));
    lineEdit = new QLineEdit;
    auto *layout = new QGridLayout;
    layout->addWidget(label, 0, 0);
    layout->addWidget(lineEdit, 0, 1);
    setLayout(layout);
    lineEdit->setMaxLength(kMaxNicknameLength);
    connect(lineEdit, &QLineEdit::returnPressed, this, &QtNameEntry::acceptName);
    setWindowIcon(QIcon(QString::fromStdString(hostPath("Texturen\\Hero.ico"))));
}

void QtNameEntry::acceptName()
{
    // The overlay's bitmap font and the high-score file are 8-bit: keep one
    // byte per character (Latin-1; anything outside becomes '?').
    GameRegistry::setNickname(lineEdit->text().toLatin1().toStdString());
    // The game window is shown before this one closes, so that the
    // application never sees a moment without a visible window.
    auto *game = new QtFenster(proxy, nullptr);
    game->show();
    close();
}
