// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "Platform.h"

#include "core/Registry.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

#include <cstdio>
#include <memory>
#include <vector>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

namespace grimlark::ui {

namespace {

class DesktopPlatform final : public Platform {
    /// ~/.config/Grimlark/Grimlark.conf on Linux, HKCU\Software\Grimlark\Grimlark
    /// on Windows; null when the file is there but no regular file (a FIFO
    /// would block start-up for good, a folder or device is nothing to read):
    /// the program then starts with its defaults and keeps nothing, and says
    /// so once on standard error.
    static QSettings *settings()
    {
        static const std::unique_ptr<QSettings> store = []() -> std::unique_ptr<QSettings> {
#ifndef Q_OS_WIN
            const QString path =
                QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                QStringLiteral("/Grimlark/Grimlark.conf");
            struct stat info {};
            if (::stat(QFile::encodeName(path).constData(), &info) == 0 && !S_ISREG(info.st_mode)) {
                (void)std::fprintf(stderr,
                                   "grimlark: %s is not a regular file; the settings are "
                                   "neither read nor kept.\n",
                                   QFile::encodeName(path).constData());
                return nullptr;
            }
#endif
            return std::make_unique<QSettings>(QSettings::UserScope, QStringLiteral("Grimlark"),
                                               QStringLiteral("Grimlark"));
        }();
        return store.get();
    }

public:
    // Each dialog is made on the heap and watched: the windows close with delete
    // on close, so shutting down while a dialog is open (a termination signal, a
    // screen reader's File > Exit) destroys the parent, and with it the dialog,
    // inside the dialog's own event loop. A dialog on the stack would then be
    // freed twice.

    QStringList openFileNames(QWidget *parent, const QString &filter, const QString &startPath,
                              const QString &title) override
    {
#ifdef Q_OS_WIN
        const QPointer<QFileDialog> dialog = new QFileDialog(parent, title, startPath, filter);
#else
        // Match as Windows does ("All Files" shows files without a dot, "Text
        // files" any letter case); the rewritten patterns stay out of sight.
        const QPointer<QFileDialog> dialog =
            new QFileDialog(parent, title, startPath, windowsLikeFilter(filter));
        dialog->setOption(QFileDialog::HideNameFilterDetails);
#endif
        dialog->setFileMode(QFileDialog::ExistingFiles);
        dialog->setAcceptMode(QFileDialog::AcceptOpen);
        QStringList paths;
        if (dialog->exec() == QDialog::Accepted && dialog)
            paths = dialog->selectedFiles();
        delete dialog.data(); // null when its parent has gone, taking it along
        return paths;
    }

    void message(QWidget *parent, const QString &text) override
    {
        const QPointer<QMessageBox> box = new QMessageBox(
            QMessageBox::NoIcon, QStringLiteral("Grimlark"), text, QMessageBox::Ok, parent);
        // Messages quote values and paths from files: never read as markup.
        box->setTextFormat(Qt::PlainText);
        const QPointer<QWidget> asker = parent;
        box->exec();
        delete box.data();
        // The keyboard back to the window that asked, also without a window
        // manager to give it.
        if (asker)
            asker->window()->activateWindow();
    }

    int choose(QWidget *parent, const QString &text, const QStringList &choices) override
    {
        const QPointer<QMessageBox> box = new QMessageBox(
            QMessageBox::NoIcon, QStringLiteral("Grimlark"), text, QMessageBox::NoButton, parent);
        box->setTextFormat(Qt::PlainText);
        std::vector<QPushButton *> buttons;
        for (const QString &choice : choices)
            buttons.push_back(box->addButton(choice, buttons.empty() ? QMessageBox::AcceptRole
                                                                     : QMessageBox::RejectRole));
        if (!buttons.empty()) {
            box->setDefaultButton(buttons.front());
            box->setEscapeButton(buttons.back());
        }
        const QPointer<QWidget> asker = parent;
        box->exec();
        int chosen = -1;
        if (box)
            for (std::size_t i = 0; i < buttons.size(); ++i)
                if (box->clickedButton() == buttons[i])
                    chosen = int(i);
        delete box.data();
        if (asker)
            asker->window()->activateWindow();
        return chosen;
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

    QVariant setting(const QString &key) override
    {
        QSettings *store = settings();
        return store ? store->value(key) : QVariant();
    }
    void setSetting(const QString &key, const QVariant &value) override
    {
        if (QSettings *store = settings())
            store->setValue(key, value);
    }
    QString settingsNotKept() override
    {
        QSettings *store = settings();
        if (!store || store->isWritable())
            return {}; // no store at all was said on standard error already
        return QStringLiteral("Grimlark cannot write its settings in \"%1\": the places of "
                              "its windows, the recent files and the choices made now are not "
                              "kept for the next run.")
            .arg(QDir::toNativeSeparators(store->fileName()));
    }

    bool hasSystemInfo() override
    {
#ifdef Q_OS_WIN
        return true;
#else
        return false; // no MSINFO32 and no registry to find it in
#endif
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

// The one seam tests turn.
// NOLINTNEXTLINE(cppcoreguidelines-avoid-non-const-global-variables)
Platform *g_override = nullptr;

} // namespace

QString windowsLikeFilter(const QString &qtFilter)
{
    QStringList choices = qtFilter.split(QStringLiteral(";;"));
    for (QString &choice : choices) {
        const qsizetype open = choice.lastIndexOf(QLatin1Char('('));
        if (open < 0 || !choice.endsWith(QLatin1Char(')')))
            continue;
        QStringList patterns =
            choice.mid(open + 1, choice.size() - open - 2).split(QLatin1Char(' '));
        for (QString &pattern : patterns) {
            if (pattern == QLatin1String("*.*")) {
                pattern = QStringLiteral("*");
                continue;
            }
            QString anyCase;
            for (const QChar c : std::as_const(pattern))
                anyCase += c.isLetter() && c.toLower() != c.toUpper()
                               ? QStringLiteral("[%1%2]").arg(c.toLower(), c.toUpper())
                               : QString(c);
            pattern = anyCase;
        }
        choice = choice.left(open + 1) + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return choices.join(QStringLiteral(";;"));
}

Platform &Platform::current()
{
    static DesktopPlatform desktop;
    return g_override ? *g_override : desktop;
}

void Platform::setCurrent(Platform *platform)
{
    g_override = platform;
}

} // namespace grimlark::ui
