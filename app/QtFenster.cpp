#include "app/QtFenster.h"

#include "app/FrameSchedule.h"
#include "app/GameRegistry.h"
#include "app/Paths.h"
#include "app/PlayClock.h"
#include "app/WorldProxy.h"
#include "render/GlewInit.h"

#include <QCursor>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QWheelEvent>
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
    timer->start(kFrameIntervalMs);
    setWindowIcon(QIcon(QString::fromStdString(hostPath("Texturen\\Hero.ico"))));
    setCursor(Qt::BlankCursor);
}

void QtFenster::timeUpdate()
{
    // The play time follows the wall clock in whole seconds, independent of
    // how many frames were actually painted.
    const long long now = static_cast<long long>(std::time(nullptr));
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
    if (!repaintClock.isValid())
        repaintClock.start();
    const std::int64_t nowUs = repaintClock.nsecsElapsed() / 1000;
    const StepsDue due = stepsDue(nowUs - lastRepaintUs, carryUs, pictureLost);
    lastRepaintUs = nowUs;
    carryUs = due.carryUs;
    if (due.steps > 0) {
        proxy->paintSteps(due.steps);
        pictureLost = false;
    }
    if (repaintHook)
        repaintHook();
}

void QtFenster::resizeGL(int width, int height)
{
    pictureLost = true;
    proxy->resize(width, height);
}

void QtFenster::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
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
        showMinimized();
        break;
    default:
        heldKeys.insert(event->key());
        proxy->keyPressed(event->key(), 0, 0, static_cast<int>(event->modifiers()));
    }
}

void QtFenster::keyReleaseEvent(QKeyEvent *event)
{
    heldKeys.erase(event->key());
    proxy->keyReleased(event->key(), static_cast<int>(event->modifiers()));
}

void QtFenster::mousePressEvent(QMouseEvent *event)
{
    heldButtons.insert(static_cast<int>(event->button()));
    proxy->mouseButton(static_cast<int>(event->button()), true);
}

void QtFenster::mouseReleaseEvent(QMouseEvent *event)
{
    heldButtons.erase(static_cast<int>(event->button()));
    proxy->mouseButton(static_cast<int>(event->button()), false);
}

void QtFenster::focusOutEvent(QFocusEvent *event)
{
    // The releases of whatever is held now go to the window that took the
    // focus: the world gets them here, or the hero would walk on alone.
    for (int key : heldKeys)
        proxy->keyReleased(key, 0);
    for (int button : heldButtons)
        proxy->mouseButton(button, false);
    heldKeys.clear();
    heldButtons.clear();
    QOpenGLWidget::focusOutEvent(event);
}

void QtFenster::mouseMoveEvent(QMouseEvent *event)
{
    // Every move is reported relative to a fixed centre point, and the
    // cursor is put back there, so the world sees each move as "left of" or
    // "right of" the centre; the re-centring move itself lands on it.
    const int centreX = pos().x() + width() / 2;
    const int centreY = pos().y() + height() / 2;
    const QPoint global = event->globalPosition().toPoint();
    proxy->mouseMoved(global.x(), global.y(), centreX, centreY);
    QCursor::setPos(centreX, centreY);
}

void QtFenster::wheelEvent(QWheelEvent *event) { proxy->wheelTurned(event->angleDelta().y()); }
