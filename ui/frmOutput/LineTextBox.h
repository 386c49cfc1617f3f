// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include <QPlainTextEdit>

namespace grimlark::ui {

/// The output window's text box: a plain text box whose copy (and drag) gives
/// exactly the characters it was given, where QTextDocument's plain-text export
/// would turn a no-break space into a blank and U+2028, U+2029 and U+FDD0/U+FDD1
/// into line breaks, so that the line copied out is the line generated.
class LineTextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    using QPlainTextEdit::QPlainTextEdit;

    /// Replaces the whole content with `text`. A text with a run of characters
    /// too long for word wrapping to search (a field of thousands of characters
    /// without a blank) wraps anywhere instead, so it lays out at once.
    void setLine(const QString &text);

    /// The characters between two positions of the document, as they were given.
    QString exactText(int from, int to) const;
    /// Puts the whole text on the clipboard, as a copy of all of it would.
    void copyAll();

protected:
    QMimeData *createMimeDataFromSelection() const override;
    void insertFromMimeData(const QMimeData *source) override;
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace grimlark::ui
