#include "app/WarningDialog.h"

#include "core/WarningBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

void showWarningDialog(const std::string &caption, const std::string &text)
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance())) {
        printWarning(caption, text);
        return;
    }
    QMessageBox box(QMessageBox::Warning, QString::fromLatin1(caption.c_str()), QString::fromLatin1(text.c_str()),
                    QMessageBox::Ok);
    box.exec();
}
