// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "FindDialog.h"

#include "ui/common/FileDrop.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace grimlark::ui {

FindDialog::FindDialog(QWidget *browser) : QDialog(browser)
{
    setObjectName(QStringLiteral("dlgFind"));
    setWindowTitle(QStringLiteral("Find"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    FileDrop::acceptOn(*this); // files dropped here open, as on the editor

    auto *label = new QLabel(QStringLiteral("Fi&nd what:"), this);
    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("txtFindWhat"));
    label->setBuddy(m_text);
    m_matchCase = new QCheckBox(QStringLiteral("Match &case"), this);
    m_matchCase->setObjectName(QStringLiteral("chkMatchCase"));
    auto *direction = new QGroupBox(QStringLiteral("Direction"), this);
    auto *up = new QRadioButton(QStringLiteral("&Up"), direction);
    up->setObjectName(QStringLiteral("optUp"));
    m_down = new QRadioButton(QStringLiteral("&Down"), direction);
    m_down->setObjectName(QStringLiteral("optDown"));
    m_down->setChecked(true);
    auto *directions = new QHBoxLayout(direction);
    directions->addWidget(up);
    directions->addWidget(m_down);

    m_findNext = new QPushButton(QStringLiteral("&Find Next"), this);
    m_findNext->setObjectName(QStringLiteral("cmdFindNext"));
    m_findNext->setDefault(true);
    m_findNext->setEnabled(false);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));

    auto *grid = new QGridLayout(this);
    grid->addWidget(label, 0, 0);
    grid->addWidget(m_text, 0, 1, 1, 2);
    grid->addWidget(m_findNext, 0, 3);
    grid->addWidget(m_matchCase, 1, 0, 1, 2, Qt::AlignBottom);
    grid->addWidget(direction, 1, 2);
    grid->addWidget(cancel, 1, 3, Qt::AlignTop);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("lblStatus"));
    m_status->setTextFormat(Qt::PlainText);
    grid->addWidget(m_status, 2, 0, 1, 4);

    connect(m_text, &QLineEdit::textChanged, this,
            [this](const QString &text) { m_findNext->setEnabled(!text.isEmpty()); });
    connect(m_findNext, &QPushButton::clicked, this, &FindDialog::findNext);
    connect(cancel, &QPushButton::clicked, this, &QDialog::close);
}

QString FindDialog::text() const
{
    return m_text->text();
}

Qt::CaseSensitivity FindDialog::matchCase() const
{
    return m_matchCase->isChecked() ? Qt::CaseSensitive : Qt::CaseInsensitive;
}

bool FindDialog::down() const
{
    return m_down->isChecked();
}

void FindDialog::setStatus(const QString &text)
{
    m_status->setText(text);
}

} // namespace grimlark::ui
