#include "ui/window_geometry.h"

#include "ui/user_settings.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

const QString kKey = QStringLiteral("window/geometry");
// A window not yet shown has no frame; this much is kept free for the title bar and borders.
constexpr QMargins kFrameAllowance(4, 32, 4, 4);

QMargins frameOf(const QWidget& window)
{
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    if (frame == client)
        return kFrameAllowance;
    return QMargins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                    frame.bottom() - client.bottom());
}

void keepOnScreen(QWidget& window)
{
    QScreen* screen = QGuiApplication::screenAt(window.geometry().center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry().marginsRemoved(frameOf(window));
    const QRect placed = window.geometry();
    const QSize size = placed.size().boundedTo(area.size()).expandedTo(window.minimumSize());
    const int x = std::clamp(placed.x(), area.left(), std::max(area.left(), area.right() + 1 - size.width()));
    const int y = std::clamp(placed.y(), area.top(), std::max(area.top(), area.bottom() + 1 - size.height()));
    window.setGeometry(QRect(QPoint(x, y), size));
}

} // namespace

void restoreWindowGeometry(QWidget& window)
{
    const QByteArray stored = UserSettings().value(kKey).toByteArray();
    if (!stored.isEmpty())
        window.restoreGeometry(stored);
    if (!window.isMaximized())
        keepOnScreen(window);
}

void storeWindowGeometry(const QWidget& window)
{
    UserSettings().setValue(kKey, window.saveGeometry());
}
