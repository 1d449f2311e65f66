#include "ui_test_support.h"

#include "ui/focus_lost_queue.h"
#include "ui/main_window.h"
#include "ui/qt_form.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QSettings>
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

void expectLaidOut(MainWindow& window, PageId pageId)
{
    QWidget* page = window.page(pageId);
    const int previewLeft = window.previewFrame()->geometry().left();
    const QList<QWidget*> controls = page->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (qsizetype i = 0; i < controls.size(); ++i) {
        const QRect place = controls[i]->geometry();
        const char* kind = controls[i]->metaObject()->className();
        EXPECT_TRUE(page->rect().contains(place)) << kind << " cut off";
        if (pageId != PageId::Configurations) {
            EXPECT_LT(page->mapTo(&window, place.topRight()).x(), previewLeft) << kind << " under the preview";
        }
        for (qsizetype j = i + 1; j < controls.size(); ++j) {
            // A group holds controls, and two buttons of which one is shown at a time share a place.
            const bool grouping = qobject_cast<QGroupBox*>(controls[i]) || qobject_cast<QGroupBox*>(controls[j]);
            const bool sharing = place == controls[j]->geometry();
            EXPECT_TRUE(grouping || sharing || !place.intersects(controls[j]->geometry()))
                << "controls " << i << " and " << j;
        }
    }
}

void UiTest::SetUp()
{
    HomeDirTest::SetUp();
    FocusLostQueue::instance().reset();
    // What the window remembers per user starts empty in every test.
    const QString userFolder = QString::fromStdString(home.file("user-settings"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, userFolder);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, userFolder);
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

void pick(QtForm& form, ControlId list, int row)
{
    auto* box = qobject_cast<QComboBox*>(form.control(list));
    box->setCurrentIndex(row);
    emit box->activated(row);
}
