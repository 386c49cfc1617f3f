// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include <QDialog>
#include <memory>

namespace grimlark::ui {

class Ui_frmAbout;

/// "About Grimlark": title, version, description and contact note, and a button
/// that starts the system information tool. Modeless and not owned by the editor;
/// OK, Enter, Esc and the close box destroy it.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget *parent = nullptr);
    ~frmAbout() override;
    frmAbout(const frmAbout &) = delete;
    frmAbout &operator=(const frmAbout &) = delete;

public slots:
    void cmdOK_Click();
    void cmdSysInfo_Click();

public:
    /// Starts the system information tool that the registry leads to, or tells
    /// the user that it is unavailable.
    void StartSysInfo();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void Form_Load();

    const std::unique_ptr<Ui_frmAbout> m_ui;
};

} // namespace grimlark::ui
