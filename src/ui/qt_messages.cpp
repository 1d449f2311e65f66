#include "ui/qt_messages.h"

#include "ui/focus_lost_queue.h"
#include "ui/text.h"

#include <QApplication>
#include <QMessageBox>

namespace {

int runBox(const QString& caption, const std::string& text, QMessageBox::Icon icon,
           QMessageBox::StandardButtons buttons)
{
    const ModalScope modal;
    QMessageBox box(icon, caption, toQt(text), buttons, QApplication::activeWindow());
    return box.exec();
}

} // namespace

void QtMessages::show(const std::string& text, MessageIcon icon)
{
    runBox(caption_, text, icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::NoIcon,
           QMessageBox::Ok);
}

bool QtMessages::askOkCancel(const std::string& text)
{
    return runBox(caption_, text, QMessageBox::NoIcon, QMessageBox::Ok | QMessageBox::Cancel) ==
           QMessageBox::Ok;
}
