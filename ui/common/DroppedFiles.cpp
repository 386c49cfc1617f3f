#include "DroppedFiles.h"

#include <QMimeData>
#include <QUrl>

namespace grimlark::ui {

QStringList droppedFiles(const QMimeData *data)
{
    QStringList paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl &url : data->urls()) {
        if (!url.isLocalFile())
            return {};
        paths << url.toLocalFile();
    }
    return paths;
}

} // namespace grimlark::ui
