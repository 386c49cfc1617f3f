#pragma once

#include <QStringList>

class QMimeData;

namespace grimlark::ui {

/// The local files that a drag from a file manager carries, in order; empty
/// when it carries anything else (text, a web address), which is then refused.
QStringList droppedFiles(const QMimeData *data);

} // namespace grimlark::ui
