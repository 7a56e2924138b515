// Measures the game window's achieved repaint rate: opens the real game
// window on the first level (as if a nickname had been typed), lets the
// 20 ms timer drive it for the given number of seconds and prints the
// frames per second. Run it from the run directory:
//
//   framerate [seconds] [width height]
//
// Without a size the window opens at Qt's default size, as in the game.
#include "app/QtFenster.h"
#include "audio/AudioDevice.h"
#include "core/WarningBox.h"
#include "render/BitmapText.h"
#include "render/GlFormat.h"
#include "run/GameObjects.h"
#include "sim/GameRegistry.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    const double seconds = argc > 1 ? std::atof(argv[1]) : 10.0;
    // A benchmark never waits on a warning box: warnings go to standard error.
    sendWarningsToStandardError();
    GameObjects game = createGameObjects();
    requestCompatibilityContext();
    QApplication application(argc, argv);
    initBitmapFont();
    GameRegistry::setNickname("bench");

    QtFenster window(game.proxy);
    if (argc > 3)
        window.resize(std::atoi(argv[2]), std::atoi(argv[3]));
    long frames = 0;
    QElapsedTimer clock;
    QObject::connect(&window, &QOpenGLWidget::frameSwapped, [&] {
        if (frames++ == 0)
            clock.start(); // the first frame includes setting up the level
    });
    window.show();
    QTimer::singleShot(int(seconds * 1000), [&] {
        const double elapsed = clock.elapsed() / 1000.0;
        std::printf("%ld frames in %.2f s: %.1f frames per second (window %dx%d)\n", frames - 1,
                    elapsed, (frames - 1) / elapsed, window.width(), window.height());
        QCoreApplication::quit();
    });
    const int status = application.exec();
    closeAudio();
    return status;
}
