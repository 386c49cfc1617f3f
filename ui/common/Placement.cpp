#include "Placement.h"

#include <QScreen>
#include <QWidget>

namespace grimlark::ui {

void placeBeside(QWidget &window, const QWidget &editor)
{
    const QScreen *screen = editor.screen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    const QRect beside = editor.frameGeometry();
    // The frame's size once shown: the client size plus the editor's own frame.
    const QSize frame = window.size() + (beside.size() - editor.size());
    constexpr int kGap = 8;
    const QPoint candidates[] = {
        {beside.right() + 1 + kGap, beside.top()},
        {beside.left() - kGap - frame.width(), beside.top()},
        {beside.left(), beside.bottom() + 1 + kGap},
    };
    for (const QPoint &at : candidates) {
        if (room.contains(QRect(at, frame))) {
            window.move(at);
            return;
        }
    }
}

} // namespace grimlark::ui
