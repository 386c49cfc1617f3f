// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include <QWidget>
#include <cstdint>
#include <memory>

namespace grimlark::ui {

class Ui_frmOutput;

/// "Code Output": shows the last generated line so that the user can copy it.
/// A top-level window of its own, not owned by the editor; closing it destroys it
/// and empties its reference, so the next Text Entry builds a fresh one.
class frmOutput : public QWidget {
    Q_OBJECT
public:
    explicit frmOutput(QWidget *parent = nullptr);
    ~frmOutput() override;
    frmOutput(const frmOutput &) = delete;
    frmOutput &operator=(const frmOutput &) = delete;

    /// Shows the window, or brings it to the front when shown, with the keyboard
    /// focus in the text box.
    void showInFront();
    /// Shows, under the text, what the server will not take as meant, one
    /// warning a line; the window grows by what they take (no warnings, no
    /// extra space), so this comes before the window is placed.
    void showWarnings(const QStringList &warnings);
    /// Shows `text` in the box, replacing all it held.
    void showLine(const QString &text);

signals:
    /// The window is closing (Close, the close box, the editor's shutdown): its
    /// owner lets go of it.
    void closing();

public slots:
    void cmdClose_Click();
    /// Copy: the whole line or statement onto the clipboard, exactly.
    void cmdCopy_Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    /// Remembers its place, hides the window and says it is closing; runs within
    /// the window's closing (Close, the close box, the editor's shutdown), which
    /// destroys it.
    void Form_Unload();

private:
    const std::unique_ptr<Ui_frmOutput> m_ui;
};

} // namespace grimlark::ui
