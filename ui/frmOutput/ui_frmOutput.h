// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

// The controls of frmOutput, as Qt's uic would declare them; only frmOutput.cpp
// includes this.

class QLabel;
class QPushButton;

namespace grimlark::ui {

class LineTextBox;

class Ui_frmOutput {
public:
    LineTextBox *txtMobInfo = nullptr;
    QPushButton *cmdClose = nullptr;
    QPushButton *cmdCopy = nullptr; ///< the whole line onto the clipboard
    QLabel *lblWarnings = nullptr;
};

} // namespace grimlark::ui
