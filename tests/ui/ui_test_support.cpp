#include "ui_test_support.h"

#include "ui/focus_lost_queue.h"

#include <QApplication>
#include <QDialog>
#include <QTest>

#include <gtest/gtest.h>

bool waitUntil(const std::function<bool()>& condition, int timeoutMs)
{
    return QTest::qWaitFor(condition, timeoutMs);
}

void settle()
{
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

bool showActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

void UiTest::SetUp()
{
    HomeDirTest::SetUp();
    FocusLostQueue::instance().reset();
}

void UiTest::TearDown()
{
    settle();
    FocusLostQueue::instance().reset();
    HomeDirTest::TearDown();
}

ModalAnswerer::ModalAnswerer(QWidget* window) : window_(window)
{
    QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
    timer_.start(10);
}

void ModalAnswerer::answer()
{
    int open = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (qobject_cast<QDialog*>(w) && w->isVisible())
            ++open;
    }
    mostOpen_ = std::max(mostOpen_, open);
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        ++boxes_;
        dialog->accept();
        window_->activateWindow();
        if (!QTest::qWaitForWindowActive(window_))
            ADD_FAILURE() << "the window did not come back after the box";
    }
}
