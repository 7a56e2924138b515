#pragma once
#include <QOpenGLWidget>
#include <QTime>

class QTimer;
class WorldProxy;

// The game's one OpenGL window. It owns the 20 ms frame clock and the
// play-time clock and turns Qt's callbacks into calls on the world proxy;
// it never talks to a world directly.
class QtFenster : public QOpenGLWidget {
    Q_OBJECT
public:
    explicit QtFenster(WorldProxy *proxy, QWidget *parent = nullptr);

    // The frame timer's interval, in milliseconds.
    static constexpr int kFrameIntervalMs = 20;

    QTime getPlayTime() const { return playTime; }

public slots:
    void timeUpdate();

protected:
    void initializeGL() override;
    void paintGL() override;
    void resizeGL(int width, int height) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    WorldProxy *proxy;
    QTimer *timer;
    QTime playTime;
    long long lastTick;
};
