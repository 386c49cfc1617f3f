#include "OpenDialog.h"

#include "common/Platform.h"

#include <QStringList>

namespace grimlark::ui {

QString toQtFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList choices;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        if (!description.contains(QLatin1Char('(')))
            description += QStringLiteral(" (%1)").arg(patterns);
        choices << description;
    }
    return choices.join(QStringLiteral(";;"));
}

QString OpenDialog::ShowOpen(QWidget *parent)
{
    const QString path = Platform::current().openFileName(parent, toQtFilter(Filter), FileName);
    if (!path.isEmpty())
        FileName = path;
    return path;
}

} // namespace grimlark::ui
