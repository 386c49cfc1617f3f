#pragma once

class QWidget;

namespace grimlark::ui {

/// Moves `window`, about to be shown for the first time, next to `editor` where
/// the editor's screen has room: to its right, else to its left, else below it,
/// so that it does not cover the editor's fields. Left where it is otherwise.
void placeBeside(QWidget &window, const QWidget &editor);

} // namespace grimlark::ui
