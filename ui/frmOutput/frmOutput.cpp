// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "frmOutput.h"

#include "LineTextBox.h"
#include "ui/common/AppWindows.h"
#include "ui/common/Appearance.h"

#include <QCloseEvent>
#include <QPushButton>

using grimlark::ui::px;

frmOutput::frmOutput(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmOutput"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Code Output"));
    setWindowIcon(grimlark::ui::programIcon());
    setFixedSize(px(8295), px(3675));

    txtMobInfo = new LineTextBox(this);
    txtMobInfo->setObjectName(QStringLiteral("txtMobInfo"));
    txtMobInfo->setGeometry(0, 0, px(8295), px(3135));
    txtMobInfo->setFont(grimlark::ui::outputFont());
    // A line has few blanks: wrap at the right edge, between words where there are any.
    txtMobInfo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtMobInfo->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    txtMobInfo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtMobInfo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtMobInfo->setTabChangesFocus(true);
    txtMobInfo->setAccessibleName(QStringLiteral("Text Entry"));

    cmdClose = new QPushButton(QStringLiteral("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setGeometry(px(120), px(3240), px(1335), px(375));
    // Neither default nor cancel button: Enter and Esc stay with the text box;
    // Enter presses it only when it has the focus itself.
    cmdClose->setAutoDefault(true);
    cmdClose->setDefault(false);
    connect(cmdClose, &QPushButton::clicked, this, &frmOutput::cmdClose_Click);

    QWidget::setTabOrder(txtMobInfo, cmdClose);
}

void frmOutput::showInFront()
{
    show();
    raise();
    activateWindow();
    txtMobInfo->setFocus();
}

void frmOutput::cmdClose_Click()
{
    close(); // the same way out as the close box: the closing runs Form_Unload
}

void frmOutput::closeEvent(QCloseEvent *event)
{
    std::int16_t cancel = 0;
    Form_Unload(cancel);
    event->setAccepted(cancel == 0);
}

void frmOutput::Form_Unload(std::int16_t & /*Cancel*/)
{
    hide();
    // The closing under way destroys the window (delete on close).
    grimlark::ui::AppWindows::output.release();
}
