#include "app/WarningBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

#include <cstdio>

namespace {
WarningBoxHook &hookSlot()
{
    static WarningBoxHook hook;
    return hook;
}

void printWarning(const std::string &caption, const std::string &text)
{
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    std::fflush(stderr);
}
} // namespace

void setWarningBoxHook(WarningBoxHook hook) { hookSlot() = std::move(hook); }

void sendWarningsToStandardError() { setWarningBoxHook(printWarning); }

void showWarningBox(const std::string &caption, const std::string &text)
{
    if (hookSlot()) {
        hookSlot()(caption, text);
        return;
    }
    // A widget without a QApplication aborts the process.
    if (!qobject_cast<QApplication *>(QCoreApplication::instance())) {
        printWarning(caption, text);
        return;
    }
    // The texts are 8-bit; show them as the readable Latin-1 they are.
    QMessageBox box(QMessageBox::Warning, QString::fromLatin1(caption.c_str()),
                    QString::fromLatin1(text.c_str()), QMessageBox::Ok);
    box.exec();
}
