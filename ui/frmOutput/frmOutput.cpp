// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "frmOutput.h"
#include "ui_frmOutput.h"

#include "LineTextBox.h"
#include "ui/common/Appearance.h"
#include "ui/common/FileDrop.h"
#include "ui/common/Placement.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <limits>

namespace grimlark::ui {

frmOutput::frmOutput(QWidget *parent) : QWidget(parent), m_ui(std::make_unique<Ui_frmOutput>())
{
    setUpWindow(*this, QStringLiteral("frmOutput"), Qt::Window,
                Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint,
                QStringLiteral("Code Output"));
    FileDrop::acceptOn(*this); // files dropped here open, as on the editor
    setFixedSize(px(8295), px(3675));

    m_ui->txtMobInfo = new LineTextBox(this);
    m_ui->txtMobInfo->setObjectName(QStringLiteral("txtMobInfo"));
    m_ui->txtMobInfo->setGeometry(0, 0, px(8295), px(3135));
    m_ui->txtMobInfo->setFont(outputFont());
    // A line has few blanks: wrap at the right edge, between words where there are any.
    m_ui->txtMobInfo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_ui->txtMobInfo->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    m_ui->txtMobInfo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_ui->txtMobInfo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_ui->txtMobInfo->setTabChangesFocus(true);
    m_ui->txtMobInfo->setAccessibleName(QStringLiteral("Text Entry"));

    m_ui->cmdClose = new QPushButton(QStringLiteral("Close"), this);
    m_ui->cmdClose->setObjectName(QStringLiteral("cmdClose"));
    m_ui->cmdClose->setGeometry(px(120), px(3240), px(1335), px(375));
    // Not the default button: Enter stays with the text box (Escape closes the
    // window, see keyPressEvent);
    // Enter presses it only when it has the focus itself.
    m_ui->cmdClose->setAutoDefault(true);
    m_ui->cmdClose->setDefault(false);
    connect(m_ui->cmdClose, &QPushButton::clicked, this, &frmOutput::cmdClose_Click);

    // Beside Close: the line onto the clipboard in one click.
    m_ui->cmdCopy = new QPushButton(QStringLiteral("Copy"), this);
    m_ui->cmdCopy->setObjectName(QStringLiteral("cmdCopy"));
    m_ui->cmdCopy->setGeometry(px(1575), px(3240), px(1335), px(375));
    m_ui->cmdCopy->setAutoDefault(true);
    connect(m_ui->cmdCopy, &QPushButton::clicked, this, &frmOutput::cmdCopy_Click);

    QWidget::setTabOrder(m_ui->txtMobInfo, m_ui->cmdClose);
    QWidget::setTabOrder(m_ui->cmdClose, m_ui->cmdCopy);

    m_ui->lblWarnings = new QLabel(this);
    m_ui->lblWarnings->setObjectName(QStringLiteral("lblWarnings"));
    m_ui->lblWarnings->setTextFormat(Qt::PlainText); // quotes the user's values
    m_ui->lblWarnings->setWordWrap(true);
    m_ui->lblWarnings->hide();
}

frmOutput::~frmOutput() = default;

void frmOutput::showLine(const QString &text)
{
    m_ui->txtMobInfo->setPlainText(QString());
    m_ui->txtMobInfo->setLine(text);
}

void frmOutput::showWarnings(const QStringList &warnings)
{
    // Below the drawn window, which grows by what the warnings take.
    constexpr int kMargin = 8;
    const int width = px(8295) - 2 * kMargin;
    // Never taller than the screen: what does not fit is counted instead, and
    // the window's title bar, line and Close stay in reach.
    constexpr int kFrameRoom = 80; // the title bar and frame the system adds
    const QScreen *where = screen();
    const int room = where ? where->availableGeometry().height() - px(3675) - kMargin - kFrameRoom
                           : std::numeric_limits<int>::max();
    QStringList shown = warnings;
    m_ui->lblWarnings->setText(shown.join(QLatin1Char('\n')));
    int height = warnings.isEmpty() ? 0 : m_ui->lblWarnings->heightForWidth(width);
    for (qsizetype kept = warnings.size() - 1; height > room && kept > 0; --kept) {
        shown = warnings.mid(0, kept);
        shown << QStringLiteral("\u2026 and %1 more.").arg(warnings.size() - kept);
        m_ui->lblWarnings->setText(shown.join(QLatin1Char('\n')));
        height = m_ui->lblWarnings->heightForWidth(width);
    }
    height = std::min(height, std::max(room, 0));
    m_ui->lblWarnings->setGeometry(kMargin, px(3675), width, height);
    m_ui->lblWarnings->setVisible(!warnings.isEmpty());
    setFixedSize(px(8295), px(3675) + (warnings.isEmpty() ? 0 : height + kMargin));
}

void frmOutput::showInFront()
{
    bringToFront(*this);
    m_ui->txtMobInfo->setFocus();
}

void frmOutput::keyPressEvent(QKeyEvent *event)
{
    // Escape closes the window, as it closes About and Find; the text box
    // passes it on.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cmdClose_Click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmOutput::cmdCopy_Click()
{
    m_ui->txtMobInfo->copyAll();
}

void frmOutput::cmdClose_Click()
{
    close(); // the same way out as the close box: the closing runs Form_Unload
}

void frmOutput::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept(); // an unload once begun always completes
}

void frmOutput::Form_Unload()
{
    rememberPlace(*this, QStringLiteral("output"));
    hide();
    emit closing(); // the closing under way destroys the window (delete on close)
}

} // namespace grimlark::ui
