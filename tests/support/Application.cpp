#include "support/Application.h"

#include "core/WarningBox.h"
#include "render/BitmapText.h"
#include "render/GlFormat.h"

QApplication *ensureApplication()
{
    static QApplication *app = nullptr;
    if (!app) {
        requestCompatibilityContext();
        static int argc = 1;
        static char name[] = "tests";
        static char *argv[] = {name, nullptr};
        app = new QApplication(argc, argv);
        // A test never waits on a warning box.
        sendWarningsToStandardError();
        initBitmapFont();
    }
    return app;
}
