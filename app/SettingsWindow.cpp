#include "app/SettingsWindow.h"

#include "app/SettingsStore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace {
// The spin box's step and the decimals it shows, in degrees.
constexpr double kTurnStepDegrees = 0.5;
constexpr int kTurnDecimals = 2;
} // namespace

SettingsWindow::SettingsWindow(SettingsStore *store, QWidget *parent) : QDialog(parent), settings(store)
{
    setWindowTitle(tr("Torch Hero settings"));
    noticeLabel = new QLabel;
    noticeLabel->setWordWrap(true);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(feelRows());
    layout->addWidget(keyRows());
    layout->addWidget(noticeLabel);
    layout->addWidget(buttons);
    showKeys();
}

QString SettingsWindow::notice() const { return noticeLabel->text(); }

QWidget *SettingsWindow::feelRows()
{
    const GameSettings &values = settings->values();
    auto *turn = new QDoubleSpinBox;
    turn->setRange(GameSettings::kMinTurnDegrees, GameSettings::kMaxTurnDegrees);
    turn->setDecimals(kTurnDecimals);
    turn->setSingleStep(kTurnStepDegrees);
    turn->setSuffix(tr(" degrees"));
    turn->setValue(values.turnDegrees);
    connect(turn, &QDoubleSpinBox::valueChanged, this, [this](double degrees) { change([&](GameSettings &s) { s.turnDegrees = degrees; }); });

    auto *invert = new QCheckBox(tr("Moving the mouse up tilts the camera down"));
    invert->setChecked(values.invertPitch);
    connect(invert, &QCheckBox::toggled, this, [this](bool on) { change([&](GameSettings &s) { s.invertPitch = on; }); });

    auto *volume = new QSlider(Qt::Horizontal);
    volume->setRange(0, GameSettings::kMaxVolumePercent);
    volume->setValue(values.volumePercent);
    auto *percentShown = new QLabel(tr("%1 %").arg(values.volumePercent));
    connect(volume, &QSlider::valueChanged, this, [this, percentShown](int percent) {
        percentShown->setText(tr("%1 %").arg(percent));
        change([&](GameSettings &s) { s.volumePercent = percent; });
    });
    auto *volumeRow = new QHBoxLayout;
    volumeRow->addWidget(volume);
    volumeRow->addWidget(percentShown);

    auto *outlines = new QComboBox;
    outlines->addItems({tr("smooth"), tr("fast")});
    outlines->setCurrentIndex(values.fastOutlines ? 1 : 0);
    connect(outlines, &QComboBox::currentIndexChanged, this, [this](int index) { change([&](GameSettings &s) { s.fastOutlines = index == 1; }); });

    auto *box = new QGroupBox(tr("Mouse, sound and looks"));
    auto *form = new QFormLayout(box);
    form->addRow(tr("Mouse turn per move"), turn);
    form->addRow(tr("Invert the pitch"), invert);
    form->addRow(tr("Master volume"), volumeRow);
    form->addRow(tr("Outlines"), outlines);
    return box;
}

QWidget *SettingsWindow::keyRows()
{
    auto *box = new QGroupBox(tr("Keys (the arrow keys always walk too)"));
    auto *grid = new QGridLayout(box);
    for (int a = 0; a < KeyBindings::ActionCount; ++a) {
        const auto action = KeyBindings::Action(a);
        keyButtons[a] = new QPushButton;
        keyButtons[a]->setAutoDefault(false);
        keyButtons[a]->installEventFilter(this);
        connect(keyButtons[a], &QPushButton::clicked, this, [this, action] { startCapture(action); });
        grid->addWidget(new QLabel(KeyBindings::title(action)), a, 0);
        grid->addWidget(keyButtons[a], a, 1);
    }
    auto *defaults = new QPushButton(tr("Defaults"));
    defaults->setObjectName(QStringLiteral("defaults"));
    defaults->setAutoDefault(false);
    connect(defaults, &QPushButton::clicked, this, &SettingsWindow::restoreKeys);
    grid->addWidget(defaults, KeyBindings::ActionCount, 1);
    return box;
}

void SettingsWindow::change(const std::function<void(GameSettings &)> &edit)
{
    GameSettings values = settings->values();
    edit(values);
    settings->change(values);
}

void SettingsWindow::startCapture(KeyBindings::Action action)
{
    stopCapture();
    capturing = action;
    keyButtons[action]->setText(tr("Press a key..."));
    keyButtons[action]->setFocus();
    noticeLabel->setText(tr("Press the key for %1, or Escape to keep %2.")
                             .arg(KeyBindings::title(action), KeyBindings::keyName(settings->values().keys.key(action))));
}

void SettingsWindow::capture(int key)
{
    const KeyBindings::Action action = capturing;
    stopCapture();
    if (key == Qt::Key_Escape) {
        noticeLabel->clear();
        return;
    }
    if (const QString why = KeyBindings::whyNotBindable(key); !why.isEmpty()) {
        noticeLabel->setText(tr("Not bound: %1.").arg(why));
        return;
    }
    KeyBindings keys = settings->values().keys;
    const int oldKey = keys.key(action);
    const KeyBindings::Action swapped = keys.bind(action, key);
    change([&](GameSettings &s) { s.keys = keys; });
    showKeys();
    if (swapped == KeyBindings::ActionCount)
        noticeLabel->setText(tr("%1: %2.").arg(KeyBindings::title(action), KeyBindings::keyName(key)));
    else
        noticeLabel->setText(tr("%1 was the key for %2, which takes %3 in exchange.")
                                 .arg(KeyBindings::keyName(key), KeyBindings::title(swapped), KeyBindings::keyName(oldKey)));
}

void SettingsWindow::stopCapture()
{
    capturing = KeyBindings::ActionCount;
    showKeys();
}

void SettingsWindow::restoreKeys()
{
    stopCapture();
    change([](GameSettings &s) { s.keys.restoreDefaults(); });
    showKeys();
    noticeLabel->setText(tr("The game's own keys are back."));
}

void SettingsWindow::showKeys()
{
    for (int a = 0; a < KeyBindings::ActionCount; ++a)
        keyButtons[a]->setText(KeyBindings::keyName(settings->values().keys.key(KeyBindings::Action(a))));
}

// While a button waits for its key, every key pressed on it is the key:
// Tab, Return, Space and shortcuts included.
bool SettingsWindow::eventFilter(QObject *watched, QEvent *event)
{
    const bool waiting = capturing != KeyBindings::ActionCount && watched == keyButtons[capturing];
    if (!waiting)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::ShortcutOverride: event->accept(); return true;
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        if (!key->isAutoRepeat())
            capture(key->key());
        return true;
    }
    case QEvent::KeyRelease: return true;
    case QEvent::FocusOut: stopCapture(); return false;
    default: return QDialog::eventFilter(watched, event);
    }
}
