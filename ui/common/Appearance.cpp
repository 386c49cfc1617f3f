// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "Appearance.h"

#include <QApplication>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionComboBox>

#include "core/Version.h"
#include "resources/grimlark.xpm"

namespace grimlark::ui {

namespace {

/// Fusion with a narrower drop-down button, so that the editor's small lists
/// (57 to 73 pixels wide) show their entries whole, also where Windows rounds
/// each glyph of the face to whole pixels ("Demihuman" takes 55 of them there).
// QApplication::setStyle owns it: it takes no parent.
class GrimlarkStyle final : public QProxyStyle { // clazy:exclude=ctor-missing-parent-argument
    Q_OBJECT

public:
    GrimlarkStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl part,
                         const QWidget *widget) const override
    {
        if (control == CC_ComboBox) {
            constexpr int kButton = 11, kFrame = 2;
            const QRect r = option->rect;
            switch (part) {
            case SC_ComboBoxArrow:
                return visualRect(option->direction, r,
                                  QRect(r.right() - kButton + 1, r.top(), kButton, r.height()));
            case SC_ComboBoxEditField:
                return visualRect(option->direction, r,
                                  QRect(r.left() + kFrame, r.top() + kFrame,
                                        r.width() - kButton - kFrame - 1, r.height() - 2 * kFrame));
            default:
                break;
            }
        }
        return QProxyStyle::subControlRect(control, option, part, widget);
    }

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        // Alt pressed and released alone puts the keyboard in the menu bar, as on
        // the platform the program comes from.
        if (hint == SH_MenuBar_AltKeyNavigation)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

/// Drops Alt+key presses that carry a character: the menus have no access keys,
/// so without this Alt+F would type "f" into the focused field. Alt with Ctrl is
/// AltGr on Windows and still types its character; shortcuts (the About
/// dialog's Alt+S) are matched before a key press is delivered, so they still work.
class AltLetterFilter final : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            const Qt::KeyboardModifiers mods = key->modifiers();
            if (mods.testFlag(Qt::AltModifier) && !mods.testFlag(Qt::ControlModifier) &&
                !key->text().isEmpty() && key->text().front().isPrint())
                return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

/// Keeps the program's own face and size on every control. A platform theme
/// sets fonts per widget class (KDE Plasma, qt6ct with its own fonts), some of
/// them after start-up; the windows are drawn for one face, so whatever font
/// arrives is put back to it, all classes at once.
class FontKeeper final : public QObject {
    Q_OBJECT

public:
    FontKeeper(QObject *parent, const QFont &font) : QObject(parent), m_font(font) {}

    /// True when some class would not draw in the program's font.
    bool drifted() const
    {
        if (QApplication::font() != m_font)
            return true;
        for (const char *name : kClasses)
            if (QApplication::font(name) != m_font)
                return true;
        return false;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ApplicationFontChange && !m_busy && drifted()) {
            m_busy = true;
            QApplication::setFont(m_font); // with no class: every class's font goes
            m_busy = false;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    // The classes platform themes give fonts of their own.
    static constexpr const char *kClasses[] = {
        "QLabel",      "QPushButton", "QCheckBox",   "QRadioButton",
        "QMenu",       "QMenuBar",    "QMessageBox", "QAbstractItemView",
        "QListView",   "QComboBox",   "QGroupBox",   "QLineEdit",
        "QToolButton", "QTipLabel",   "QHeaderView", "QComboMenuItem"};
    QFont m_font;
    bool m_busy = false;
};

} // namespace

QFont applicationFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(10);
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

bool isDark(const QPalette &palette)
{
    return palette.color(QPalette::Window).lightness() <
           palette.color(QPalette::WindowText).lightness();
}

QString programVersion()
{
    return QString::fromLatin1(kVersion);
}

void applyAppearance(QApplication &app)
{
#ifdef Q_OS_WIN
    // The face that the Linux package takes from fonts-liberation comes with the
    // program here.
    for (const char *face :
         {":/fonts/LiberationSans-Regular.ttf", ":/fonts/LiberationSans-Bold.ttf"})
        QFontDatabase::addApplicationFont(QString::fromLatin1(face));
#endif
    QApplication::setStyle(new GrimlarkStyle); // the application takes ownership
    // Frames carry their caption on an etched border line, as desktop editors of
    // this kind draw them; the controls inside are placed for that look.
    app.setStyleSheet(QStringLiteral(
        "QGroupBox { border: 2px groove palette(mid); margin-top: 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
        " left: 6px; top: -1px; padding: 0px 2px; }"));
    // The font after the style sheet: set before, Windows gives menus, message
    // boxes and lists the system theme's face instead.
    QApplication::setFont(applicationFont());
    app.installEventFilter(new FontKeeper(&app, applicationFont()));
    app.installEventFilter(new AltLetterFilter(&app));
    QApplication::setWindowIcon(programIcon());
    QApplication::setApplicationName(QStringLiteral("Grimlark"));
    QApplication::setApplicationVersion(programVersion());
}

void setUpWindow(QWidget &window, const QString &objectName, Qt::WindowFlags kind,
                 Qt::WindowFlags buttons, const QString &title)
{
    window.setObjectName(objectName);
    window.setAttribute(Qt::WA_DeleteOnClose);
    window.setWindowFlags(kind | Qt::CustomizeWindowHint | Qt::WindowTitleHint | buttons);
    window.setWindowTitle(title);
    window.setWindowIcon(programIcon());
}

void bringToFront(QWidget &window)
{
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace grimlark::ui

#include "Appearance.moc"
