#include "app/QtFenster.h"

#include "app/GameWindowControls.h"
#include "core/FrameSchedule.h"
#include "core/Paths.h"
#include "core/PlayClock.h"
#include "render/GlewInit.h"
#include "run/RunSession.h"
#include "run/StepRunner.h"
#include "sim/GameRegistry.h"
#include "sim/WorldProxy.h"

#include <QCursor>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QWheelEvent>
#include <cstdlib>
#include <ctime>

QtFenster::QtFenster(WorldProxy *worldProxy, QWidget *parent)
    : QOpenGLWidget(parent), proxy(worldProxy),
      // The first repaint takes one step, as the window opens.
      carryUs(FrameSchedule::kStepUs)
{
    // A repaint that is due no step draws nothing and keeps the last
    // picture, which needs the framebuffer kept between repaints.
    setUpdateBehavior(QOpenGLWidget::PartialUpdate);
    setMouseTracking(true);
    timer = new QTimer(this);
    timer->setTimerType(Qt::PreciseTimer);
    playTime = QTime(0, 0, 0, 0);
    GameRegistry::setPlayTime(playTime);
    lastTick = static_cast<long long>(std::time(nullptr));
    connect(timer, &QTimer::timeout, this, &QtFenster::timeUpdate);
    timer->start(FrameSchedule::kStepMs);
    setWindowIcon(QIcon(QString::fromStdString(hostPath("Texturen\\Hero.ico"))));
    setCursor(Qt::BlankCursor);
}

void QtFenster::timeUpdate()
{
    // The play time follows the wall clock in whole seconds, independent of
    // how many frames were actually painted.
    const long long now = static_cast<long long>(std::time(nullptr));
    // Paused, the clock stands and the picture stays as it is.
    if (isPaused()) {
        lastTick = now;
        return;
    }
    playTime = PlayClock::advance(playTime, now - lastTick);
    lastTick = static_cast<long long>(std::time(nullptr));
    GameRegistry::setPlayTime(playTime);
    update();
}

void QtFenster::initializeGL()
{
    // The extension entry points, once for this context.
    initGlew();
    proxy->initializeGL();
}

void QtFenster::paintGL()
{
    if (isPaused()) {
        if (pausedPictureDue || pictureLost)
            drawPausedPicture();
        return;
    }
    if (!repaintClock.isValid())
        repaintClock.start();
    const std::int64_t nowUs = repaintClock.nsecsElapsed() / 1000;
    const StepsDue due = stepsDue(nowUs - lastRepaintUs, carryUs, pictureLost);
    lastRepaintUs = nowUs;
    carryUs = due.carryUs;
    const int steps = session ? session->stepsAllowed(due.steps) : due.steps;
    if (steps > 0) {
        runSteps(*proxy, steps, session);
        pictureLost = false;
    }
    if (session && session->replayOver())
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    if (repaintHook)
        repaintHook();
}

bool QtFenster::replaying() const { return session && session->isReplaying(); }

InputRecorder *QtFenster::recorder() const
{
    // Input that arrives while the proxy switches worlds never reaches one.
    return session && !proxy->isBusy() ? session->recorder() : nullptr;
}

void QtFenster::resizeGL(int width, int height)
{
    pictureLost = true;
    proxy->resize(width, height);
}

void QtFenster::keyPressEvent(QKeyEvent *event)
{
    if (windowAction(event->key()))
        return;
    // A replay plays in the player's place and a paused game takes no
    // input: only Escape and the window's sizes act then.
    const bool windowKey = event->key() == Qt::Key_Escape ||
                           (event->key() >= Qt::Key_F1 && event->key() <= Qt::Key_F4);
    if (!windowKey && (replaying() || isPaused()))
        return;
    const int key = pressedWorldKey(event->key());
    switch (key) {
    case 0:
        break;
    case Qt::Key_Escape:
        close();
        break;
    case Qt::Key_F1:
        showFullScreen();
        break;
    case Qt::Key_F2:
        showMaximized();
        break;
    case Qt::Key_F3:
        showNormal();
        break;
    case Qt::Key_F4:
        setPaused(true);
        showMinimized();
        break;
    default:
        pressKey(key, static_cast<int>(event->modifiers()));
    }
}

void QtFenster::keyReleaseEvent(QKeyEvent *event)
{
    // Paused, nothing is held: the pause let go of it all.
    if (isPaused())
        return;
    if (const int key = releasedWorldKey(event->key()); key && !replaying())
        releaseKey(key, static_cast<int>(event->modifiers()));
}

void QtFenster::mousePressEvent(QMouseEvent *event)
{
    if (isPaused()) {
        swallowedButton = static_cast<int>(event->button());
        setPaused(false);
        return;
    }
    if (!replaying())
        changeButton(static_cast<int>(event->button()), true);
}

void QtFenster::mouseReleaseEvent(QMouseEvent *event)
{
    const int button = static_cast<int>(event->button());
    if (button == swallowedButton) {
        swallowedButton = 0;
        return;
    }
    if (!replaying() && !isPaused())
        changeButton(button, false);
}

void QtFenster::focusOutEvent(QFocusEvent *event)
{
    // The releases of whatever is held now go to the window that took the
    // focus: the world gets them here, or the hero would walk on alone. A
    // recording writes them down too, so that its replay lets go as well.
    // Whoever looks away finds the game waiting.
    setPaused(true);
    releaseEverything();
    QOpenGLWidget::focusOutEvent(event);
}

void QtFenster::pressKey(int key, int modifiers)
{
    heldKeys.insert(key);
    if (InputRecorder *recording = recorder())
        recording->keyPressed(session->stepsRun(), key);
    proxy->keyPressed(key, 0, 0, modifiers);
}

void QtFenster::releaseKey(int key, int modifiers)
{
    heldKeys.erase(key);
    if (InputRecorder *recording = recorder())
        recording->keyReleased(session->stepsRun(), key);
    proxy->keyReleased(key, modifiers);
}

void QtFenster::changeButton(int button, bool pressed)
{
    if (pressed)
        heldButtons.insert(button);
    else
        heldButtons.erase(button);
    if (InputRecorder *recording = recorder())
        recording->mouseButton(session->stepsRun(), button, pressed);
    proxy->mouseButton(button, pressed);
}

void QtFenster::mouseMoveEvent(QMouseEvent *event)
{
    // Paused, the cursor is the player's.
    if (replaying() || isPaused())
        return;
    // Every move is reported relative to a fixed centre point, and the
    // cursor is put back there, so the world sees each move as "left of" or
    // "right of" the centre; the re-centring move itself lands on it.
    const int centreX = pos().x() + width() / 2;
    const int centreY = pos().y() + height() / 2;
    const QPoint global = event->globalPosition().toPoint();
    moveMouse(global.x(), global.y(), centreX, centreY);
    QCursor::setPos(centreX, centreY);
}

// The one delta the world takes, as the wheel events of old gave it: the
// vertical turn, or the horizontal one when it is the larger (a tilt wheel,
// a touchpad swiped sideways), so that any scroll zooms.
void QtFenster::wheelEvent(QWheelEvent *event)
{
    if (replaying() || isPaused())
        return;
    const QPoint angle = event->angleDelta();
    const int delta = std::abs(angle.x()) > std::abs(angle.y()) ? angle.x() : angle.y();
    if (InputRecorder *recording = recorder())
        recording->wheelTurned(session->stepsRun(), delta);
    proxy->wheelTurned(delta);
}

QtFenster *openGameWindow(WorldProxy *proxy, const GameWindowSetup &setup)
{
    auto *game = new QtFenster(proxy, nullptr);
    game->setSession(setup.session);
    attachControls(game, setup);
    if (setup.width > 0 && setup.height > 0)
        game->resize(setup.width, setup.height);
    if (setup.fullScreen)
        game->showFullScreen();
    else
        game->show();
    return game;
}
