// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

// The controls of frmBrowser, as Qt's uic would declare them; only frmBrowser.cpp
// includes this.

class QAction;
class QListView;
class QPushButton;

namespace grimlark::ui {

class Ui_frmBrowser {
public:
    QListView *lstDB = nullptr;
    QPushButton *cmdLoad = nullptr;
    QAction *mnuFind = nullptr, *mnuFindNext = nullptr, *mnuFindPrevious = nullptr;
};

} // namespace grimlark::ui
