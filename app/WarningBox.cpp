#include "app/WarningBox.h"

#include <QMessageBox>
#include <QString>

namespace {
WarningBoxHook &hookSlot()
{
    static WarningBoxHook hook;
    return hook;
}
} // namespace

void setWarningBoxHook(WarningBoxHook hook) { hookSlot() = std::move(hook); }

void showWarningBox(const std::string &caption, const std::string &text)
{
    if (hookSlot()) {
        hookSlot()(caption, text);
        return;
    }
    // The texts are 8-bit; show them as the readable Latin-1 they are.
    QMessageBox box(QMessageBox::Warning, QString::fromLatin1(caption.c_str()),
                    QString::fromLatin1(text.c_str()), QMessageBox::Ok);
    box.exec();
}
