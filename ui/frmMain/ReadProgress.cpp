// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "ReadProgress.h"

#include "ui/common/FileNames.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace grimlark::ui {

ReadProgressDialog::ReadProgressDialog(const QString &path, QWidget *editor) : QDialog(editor)
{
    setObjectName(QStringLiteral("dlgProgress"));
    setWindowTitle(QStringLiteral("Grimlark"));
    // Modeless: a read blocks nothing (files asked for meanwhile wait their
    // turn), so the editor stays in use, and its close box and Ctrl+Q end the
    // program, abandoning the read.
    setWindowModality(Qt::NonModal);
    auto *label =
        new QLabel(QStringLiteral("Reading %1").arg(displayPath(QFileInfo(path).fileName())), this);
    label->setTextFormat(Qt::PlainText); // a file may be named like markup
    label->setObjectName(QStringLiteral("lblReading"));
    m_bar = new QProgressBar(this);
    m_bar->setRange(0, 1000);
    m_bar->setValue(0);
    m_bar->setTextVisible(false);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_bar);
    layout->addWidget(buttons);
    setMinimumWidth(320);
}

void ReadProgressDialog::setPerMille(int perMille)
{
    m_bar->setValue(perMille);
}

} // namespace grimlark::ui
