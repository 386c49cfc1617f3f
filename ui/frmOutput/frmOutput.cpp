// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "frmOutput.h"

#include "LineTextBox.h"
#include "ui/common/Appearance.h"
#include "ui/common/Placement.h"

#include <QCloseEvent>
#include <QLabel>
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

    lblWarnings = new QLabel(this);
    lblWarnings->setObjectName(QStringLiteral("lblWarnings"));
    lblWarnings->setTextFormat(Qt::PlainText); // quotes the user's values
    lblWarnings->setWordWrap(true);
    lblWarnings->hide();
}

void frmOutput::showLine(const QString &text)
{
    txtMobInfo->setPlainText(QString());
    txtMobInfo->setLine(text);
}

void frmOutput::showWarnings(const QStringList &warnings)
{
    // Below the drawn window, which grows by what the warnings take.
    constexpr int kMargin = 8;
    const int width = px(8295) - 2 * kMargin;
    lblWarnings->setText(warnings.join(QLatin1Char('\n')));
    const int height = warnings.isEmpty() ? 0 : lblWarnings->heightForWidth(width);
    lblWarnings->setGeometry(kMargin, px(3675), width, height);
    lblWarnings->setVisible(!warnings.isEmpty());
    setFixedSize(px(8295), px(3675) + (warnings.isEmpty() ? 0 : height + kMargin));
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
    Form_Unload();
    event->accept(); // an unload once begun always completes
}

void frmOutput::Form_Unload()
{
    grimlark::ui::rememberPlace(*this, QStringLiteral("output"));
    hide();
    emit closing(); // the closing under way destroys the window (delete on close)
}
