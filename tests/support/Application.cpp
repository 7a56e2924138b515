#include "support/Application.h"

#include "render/BitmapText.h"

#include <QSurfaceFormat>

QApplication *ensureApplication()
{
    static QApplication *app = nullptr;
    if (!app) {
        QSurfaceFormat format;
        format.setRenderableType(QSurfaceFormat::OpenGL);
        format.setProfile(QSurfaceFormat::CompatibilityProfile);
        format.setVersion(2, 1);
        format.setDepthBufferSize(24);
        QSurfaceFormat::setDefaultFormat(format);
        static int argc = 1;
        static char name[] = "tests";
        static char *argv[] = {name, nullptr};
        app = new QApplication(argc, argv);
        initBitmapFont();
    }
    return app;
}
