// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "Placement.h"

#include "Platform.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#ifdef Q_OS_WIN
#include <dwmapi.h>
#include <windows.h>
#endif

#include <algorithm>
#include <cmath>
#include <optional>
#include <tuple>
#include <vector>

namespace grimlark::ui {

namespace {

/// `frame` moved the least distance that puts it on `screen`: wholly where it
/// fits, else its top left corner (and so its title bar) on it.
QPoint onScreen(QPoint at, QSize frame, QRect screen)
{
    return {std::clamp(at.x(), screen.left(),
                       std::max(screen.left(), screen.right() + 1 - frame.width())),
            std::clamp(at.y(), screen.top(),
                       std::max(screen.top(), screen.bottom() + 1 - frame.height()))};
}

/// The frame as the user sees it. Qt's frame on Windows leaves out the
/// borders it takes for invisible (Windows 10's resize margins); where they are
/// drawn (Wine draws them) the window is wider than Qt says. The window
/// manager's own view is asked: the frame as drawn, else the window's whole
/// rectangle, against the client area, in Qt's units.
QRect visibleFrame(const QWidget &window)
{
#ifdef Q_OS_WIN
    const auto handle = reinterpret_cast<HWND>(window.winId());
    RECT drawn{};
    RECT client{};
    POINT origin{};
    if ((DwmGetWindowAttribute(handle, DWMWA_EXTENDED_FRAME_BOUNDS, &drawn, sizeof drawn) != S_OK &&
         !GetWindowRect(handle, &drawn)) ||
        !GetClientRect(handle, &client) || !ClientToScreen(handle, &origin))
        return window.frameGeometry();
    const qreal ratio = window.devicePixelRatioF();
    auto logical = [ratio](LONG pixels) {
        return int(std::ceil(qreal(std::max(0L, pixels)) / ratio));
    };
    return window.geometry().adjusted(-logical(origin.x - drawn.left),
                                      -logical(origin.y - drawn.top),
                                      logical(drawn.right - (origin.x + client.right)),
                                      logical(drawn.bottom - (origin.y + client.bottom)));
#else
    return window.frameGeometry();
#endif
}

qint64 overlap(QRect a, QRect b)
{
    const QRect both = a.intersected(b);
    return both.isEmpty() ? 0 : qint64(both.width()) * both.height();
}

} // namespace

QPoint placeFor(const PlacementInput &in)
{
    constexpr int kGap = 8;
    const QRect &editor = in.editor;
    const QPoint right{editor.right() + 1 + kGap, editor.top()};
    const QPoint left{editor.left() - kGap - in.window.width(), editor.top()};
    const QPoint below{editor.left(), editor.bottom() + 1 + kGap};
    std::vector<QPoint> sides = in.preferred == Side::Below
                                    ? std::vector<QPoint>{below, right, left}
                                    : std::vector<QPoint>{right, left, below};
    // Where no side has room: each side again just under what must stay in
    // sight, then the screen's corners under it and at its foot.
    const int under = in.keepClear.bottom() + 1 + kGap;
    const int n = int(sides.size());
    for (int i = 0; i < n; ++i)
        sides.emplace_back(sides[std::size_t(i)].x(), under);
    const int farRight = in.screen.right() + 1 - in.window.width();
    sides.insert(sides.end(), {{farRight, under},
                               {in.screen.left(), under},
                               {farRight, in.screen.bottom()},
                               {in.screen.left(), in.screen.bottom()}});
    // Ranked by what is covered: first what must stay in sight, then the other
    // windows, then the rest of the editor; the first of equals wins.
    using Rank = std::tuple<qint64, qint64, qint64>;
    std::optional<std::pair<Rank, QPoint>> best;
    for (const QPoint &side : sides) {
        const QPoint at = onScreen(side, in.window, in.screen);
        const QRect place(at, in.window);
        qint64 others = 0;
        for (const QRect &other : in.others)
            others += overlap(place, other);
        const Rank rank{overlap(place, in.keepClear), others, overlap(place, editor)};
        if (!best || rank < best->first)
            best.emplace(rank, at);
    }
    return best->second;
}

void placeBeside(QWidget &window, const QWidget &editor, QRect keepClear, Side preferred)
{
    const QScreen *screen = editor.screen();
    if (!screen)
        return;
    PlacementInput in{
        screen->availableGeometry(), editor.frameGeometry(), keepClear, {}, preferred, {}};
    // The frame's size once shown: the client size plus the editor's own frame.
    in.window = window.size() + (in.editor.size() - editor.size());
    for (const QWidget *other : QApplication::topLevelWidgets())
        if (other != &window && other != &editor && other->isVisible())
            in.others.push_back(other->frameGeometry());
    window.move(placeFor(in));
    // A window not yet shown has no frame yet, and the frame it gets may be
    // larger than the editor's told (see visibleFrame): once shown, a frame
    // that runs off the screen is moved back the least distance.
    QTimer::singleShot(0, &window, [&window] {
        whenOnScreen(window, [&window] {
            const QScreen *now = window.screen();
            const QRect frame = visibleFrame(window);
            if (now && !now->availableGeometry().contains(frame))
                window.move(window.pos() +
                            onScreen(frame.topLeft(), frame.size(), now->availableGeometry()) -
                            frame.topLeft());
        });
    });
}

bool restorePlace(QWidget &window, const QString &key)
{
    const QByteArray place =
        Platform::current().setting(QStringLiteral("Places/") + key).toByteArray();
    if (place.isEmpty())
        return false;
    const QRect before = window.geometry();
    if (!window.restoreGeometry(place))
        return false;
    // Saved on another screen, or made up: wholly on one of today's, or
    // placed afresh.
    QList<QRect> screens;
    for (const QScreen *screen : QGuiApplication::screens())
        screens << screen->availableGeometry();
    if (isUsablePlace(window.frameGeometry(), screens))
        return true;
    window.setGeometry(before);
    return false;
}

bool isUsablePlace(QRect frame, const QList<QRect> &screens)
{
    return frame.isValid() && std::any_of(screens.begin(), screens.end(),
                                          [frame](QRect screen) { return screen.contains(frame); });
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
