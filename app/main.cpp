#include "common/Appearance.h"
#include "common/Windows.h"
#include "frmMain/frmMain.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    grimlark::ui::applyAppearance(app);
    grimlark::ui::Windows::main()->show();
    // The editor's unload closes every other window; with all four gone the program ends.
    return app.exec();
}
