#include "Appearance.h"

#include <QApplication>
#include <QPixmap>
#include <QStyleFactory>

#include "grimlark.xpm"

namespace grimlark::ui {

QFont applicationFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

QFont outputFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(13);
    font.setBold(true);
    return font;
}

QIcon programIcon()
{
    static const QIcon icon{QPixmap(grimlark_xpm)};
    return icon;
}

void applyAppearance(QApplication &app)
{
    if (QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        app.setStyle(fusion);
    app.setFont(applicationFont());
    // Frames carry their caption on an etched border line, as desktop editors of
    // this kind draw them; the controls inside are placed for that look.
    app.setStyleSheet(QStringLiteral(
        "QGroupBox { border: 2px groove palette(mid); margin-top: 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
        " left: 6px; top: -1px; padding: 0px 2px; }"));
    app.setWindowIcon(programIcon());
    app.setApplicationName(QStringLiteral("Grimlark"));
    app.setApplicationVersion(QStringLiteral("1.0.4"));
}

} // namespace grimlark::ui
