// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

// The controls of frmAbout, as Qt's uic would declare them; only frmAbout.cpp
// includes this.

class QLabel;
class QPushButton;

namespace grimlark::ui {

class Ui_frmAbout {
public:
    QLabel *picIcon = nullptr;
    QLabel *lblTitle = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *lblDescription = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *lblDisclaimer = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdSysInfo = nullptr;
};

} // namespace grimlark::ui
