// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "frmAbout.h"
#include "ui_frmAbout.h"

#include "core/SysInfo.h"
#include "core/Version.h"
#include "ui/common/Appearance.h"
#include "ui/common/FileDrop.h"
#include "ui/common/Platform.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace grimlark::ui {

namespace {

constexpr int kMajor = grimlark::kVersionMajor, kMinor = grimlark::kVersionMinor,
              kRevision = grimlark::kVersionPatch;

QLabel *addLabel(QWidget *parent, const char *name, int left, int top, int width, int height,
                 bool black)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(px(left), px(top), px(width), px(height));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    // Black as drawn on a light window; a dark theme's own text colour on a dark one.
    if (black && !isDark(label->palette())) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, Qt::black);
        label->setPalette(palette);
    }
    return label;
}

} // namespace

frmAbout::frmAbout(QWidget *parent) : QDialog(parent), m_ui(std::make_unique<Ui_frmAbout>())
{
    setModal(false);
    // Its title names the program, once Form_Load knows it.
    setUpWindow(*this, QStringLiteral("frmAbout"), Qt::Dialog,
                Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint, QString());
    FileDrop::acceptOn(*this); // files dropped here open, as on the editor
    setFixedSize(px(5730), px(2595));

    m_ui->picIcon = new QLabel(this);
    m_ui->picIcon->setObjectName(QStringLiteral("picIcon"));
    m_ui->picIcon->setPixmap(programIcon().pixmap(32, 32));
    m_ui->picIcon->setGeometry(px(240), px(240), 32, 32); // the box takes the picture's size

    m_ui->lblTitle = addLabel(this, "lblTitle", 1050, 240, 3885, 240, true);
    m_ui->lblVersion = addLabel(this, "lblVersion", 1050, 480, 3885, 225, false);
    m_ui->lblDescription = addLabel(this, "lblDescription", 240, 840, 5325, 450, true);
    m_ui->lblDescription->setText(QStringLiteral(
        "Grimlark is a monster creation automation tool for Ragnarok Online servers running "
        "Freya and Athena server emulation software."));
    m_ui->Label1 = addLabel(this, "Label1", 240, 1320, 5415, 615, false);
    const QString address = QString::fromUtf8(grimlark::kProjectUrl);
    // The licence, and where the source is once the project has an address.
    m_ui->Label1->setText(
        address.isEmpty()
            ? QStringLiteral("Free software under the GNU GPL, version 3 or later "
                             "(GPL-3.0-or-later). Please send requests and suggestions to "
                             "its developers.")
            : QStringLiteral("Free software under the GNU GPL, version 3 or later "
                             "(GPL-3.0-or-later). Its source, and requests and suggestions: %1.")
                  .arg(address));
    // Lies below the client area and is never seen.
    m_ui->lblDisclaimer = addLabel(this, "lblDisclaimer", 360, 2760, 3870, 825, true);
    m_ui->lblDisclaimer->setText(QStringLiteral("Warning: ..."));

    m_ui->cmdOK = new QPushButton(QStringLiteral("OK"), this);
    m_ui->cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_ui->cmdOK->setGeometry(px(480), px(2160), px(1260), px(345));
    m_ui->cmdOK->setDefault(true); // Enter; Esc closes every dialog
    connect(m_ui->cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    m_ui->cmdSysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    m_ui->cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    m_ui->cmdSysInfo->setGeometry(px(3960), px(2160), px(1245), px(345));
    m_ui->cmdSysInfo->setAutoDefault(true); // Enter presses it while it has the focus
    connect(m_ui->cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    QWidget::setTabOrder(m_ui->cmdOK, m_ui->cmdSysInfo);
    // Offered only where it can work: elsewhere it could only say it cannot.
    m_ui->cmdSysInfo->setVisible(Platform::current().hasSystemInfo());
    m_ui->cmdOK->setFocus();
    Form_Load();
}

frmAbout::~frmAbout() = default;

void frmAbout::Form_Load()
{
    const QString title = QStringLiteral("Grimlark");
    setWindowTitle(QStringLiteral("About ") + title);
    m_ui->lblVersion->setText(
        QStringLiteral("Version %1.%2.%3").arg(kMajor).arg(kMinor).arg(kRevision));
    m_ui->lblTitle->setText(title);
}

void frmAbout::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    // The etched rule between the text and the buttons: a grey line with a white
    // one under it.
    QPainter painter(this);
    const int y = px(2040);
    painter.setPen(QPen(QColor(128, 128, 128), 1));
    painter.drawLine(px(120), y, px(5684), y);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawLine(px(120), y + 1, px(5669), y + 1);
}

void frmAbout::cmdOK_Click()
{
    close();
}

void frmAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}

void frmAbout::StartSysInfo()
{
    Platform &platform = Platform::current();
    try {
        const std::optional<std::string> command =
            grimlark::findSysInfoCommand(platform.registry(), [&platform](const std::string &path) {
                return platform.fileExists(QString::fromStdString(path));
            });
        if (command && platform.startDetached(QString::fromStdString(*command)))
            return;
    } catch (const std::exception &) {
        // Any fault in the lookup ends in the same message as a missing tool.
    }
    platform.message(this, QStringLiteral("System Information Is Unavailable At This Time"));
}

} // namespace grimlark::ui
