#include "Platform.h"

#include "Registry.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>

namespace grimlark::ui {

namespace {

class DesktopPlatform final : public Platform {
public:
    QString openFileName(QWidget *parent, const QString &filter, const QString &startPath) override
    {
        return QFileDialog::getOpenFileName(parent, QString(), startPath, filter);
    }

    void message(QWidget *parent, const QString &text) override
    {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Grimlark"), text, QMessageBox::Ok,
                        parent);
        box.exec();
    }

    bool startDetached(const QString &commandLine) override
    {
        // The whole text is the program: a tool path may hold blanks and comes unquoted.
        if (commandLine.isEmpty())
            return false;
        QProcess process;
        process.setProgram(commandLine);
        return process.startDetached();
    }

    bool fileExists(const QString &path) override
    {
        const QFileInfo info(path);
        return info.isFile() && !info.isHidden();
    }

    Registry &registry() override
    {
#ifdef _WIN32
        return windowsRegistry();
#else
        static NoRegistry none;
        return none;
#endif
    }
};

Platform *g_override = nullptr;

} // namespace

Platform &Platform::current()
{
    static DesktopPlatform desktop;
    return g_override ? *g_override : desktop;
}

void Platform::setCurrent(Platform *platform) { g_override = platform; }

} // namespace grimlark::ui
