// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "Placement.h"

#include "Platform.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <optional>
#include <vector>

namespace grimlark::ui {

void placeBeside(QWidget &window, const QWidget &editor, Side preferred)
{
    const QScreen *screen = editor.screen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    const QRect beside = editor.frameGeometry();
    // The frame's size once shown: the client size plus the editor's own frame.
    const QSize frame = window.size() + (beside.size() - editor.size());
    constexpr int kGap = 8;
    const QPoint right{beside.right() + 1 + kGap, beside.top()};
    const QPoint left{beside.left() - kGap - frame.width(), beside.top()};
    const QPoint below{beside.left(), beside.bottom() + 1 + kGap};
    const std::vector<QPoint> candidates = preferred == Side::Below
                                               ? std::vector<QPoint>{below, right, left}
                                               : std::vector<QPoint>{right, left, below};
    // Nor over another window of the program that is shown already.
    auto clear = [&window, &editor](QRect place) {
        const QWidgetList shown = QApplication::topLevelWidgets();
        return std::none_of(shown.begin(), shown.end(), [&](const QWidget *other) {
            return other != &window && other != &editor && other->isVisible() &&
                   other->frameGeometry().intersects(place);
        });
    };
    // Of the places kept on the screen, the first that covers the least of the
    // editor: none of it where a side has room; where none has (an editor in the
    // middle of a small screen), as little as may be, rather than wherever the
    // system would put the window (over the fields).
    const auto covered = [&beside](QRect place) {
        const QRect both = place.intersected(beside);
        return both.isEmpty() ? 0LL : qint64(both.width()) * both.height();
    };
    const auto onScreen = [&room, &frame](QPoint at) {
        return QPoint(std::clamp(at.x(), room.left(),
                                 std::max(room.left(), room.right() + 1 - frame.width())),
                      std::clamp(at.y(), room.top(),
                                 std::max(room.top(), room.bottom() + 1 - frame.height())));
    };
    // Nor over the editor's title bar, whose buttons stay in reach.
    const QRect titleBar(beside.topLeft(), QPoint(beside.right(), editor.geometry().top() - 1));
    std::optional<QRect> best;
    for (const QPoint &at : candidates) {
        QRect place(onScreen(at), frame);
        if (place.intersects(titleBar))
            place.moveTopLeft(onScreen(QPoint(place.left(), titleBar.bottom() + 1)));
        if (clear(place) && (!best || covered(place) < covered(*best)))
            best = place;
    }
    if (best)
        window.move(best->topLeft());
}

bool restorePlace(QWidget &window, const QString &key)
{
    const QByteArray place =
        Platform::current().setting(QStringLiteral("Places/") + key).toByteArray();
    return !place.isEmpty() && window.restoreGeometry(place);
}

void rememberPlace(const QWidget &window, const QString &key)
{
    Platform::current().setSetting(QStringLiteral("Places/") + key, window.saveGeometry());
}

namespace {

/// Waits for the first expose of a window, then runs its task once.
class ExposeWatch : public QObject {
    Q_OBJECT
public:
    ExposeWatch(QWidget &widget, std::function<void()> then)
        : QObject(&widget), m_then(std::move(then))
    {
        widget.windowHandle()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, parent(), std::move(m_then));
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> m_then;
};

} // namespace

void whenOnScreen(QWidget &window, std::function<void()> then)
{
    if (!window.windowHandle() || window.windowHandle()->isExposed()) {
        QTimer::singleShot(0, &window, std::move(then));
        return;
    }
    new ExposeWatch(window, std::move(then));
}

} // namespace grimlark::ui

#include "Placement.moc"
