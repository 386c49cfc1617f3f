// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "LineTextBox.h"

#include <QGuiApplication>

#include <QClipboard>

#include <QKeyEvent>
#include <QMimeData>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace grimlark::ui {

namespace {

// QTextDocument starts a new block at each of these characters; the block keeps
// which one it was in its user state, so that a copy can give it back.
constexpr char16_t kFrameStart = 0xFDD0, kFrameEnd = 0xFDD1;
constexpr int kCrLf = 0x10000;                            // a code no single UTF-16 unit has
constexpr int kBreakProperty = QTextFormat::UserProperty; // what began the block

bool breaksBlock(QChar c)
{
    return c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator || c == kFrameStart ||
           c == kFrameEnd;
}

/// Word wrapping searches back to the last break opportunity on every visual line,
/// so a paragraph with long runs without one lays out in time that grows with the
/// square of the run. Past this run length the box wraps anywhere instead.
constexpr int kLongestWordWrapRun = 1000;

bool hasLongRun(const QString &text)
{
    int run = 0;
    for (const QChar c : text) {
        run = c.isSpace() || c == u'-' ? 0 : run + 1;
        if (run > kLongestWordWrapRun)
            return true;
    }
    return false;
}

} // namespace

void LineTextBox::setLine(const QString &text)
{
    setWordWrapMode(hasLongRun(text) ? QTextOption::WrapAnywhere
                                     : QTextOption::WrapAtWordBoundaryOrAnywhere);
    setPlainText(text);
    // Tag each block after the first with the character(s) that began it, in its
    // block format: when two lines are joined, the joined block keeps the format
    // of the first, whose break is the one still there.
    document()->setUndoRedoEnabled(false); // the tags are not an edit to undo
    QTextBlock block = document()->firstBlock();
    for (qsizetype i = 0; i < text.size() && block.isValid(); ++i) {
        if (!breaksBlock(text[i]))
            continue;
        block = block.next();
        if (!block.isValid())
            break;
        int kind = text[i].unicode();
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            kind = kCrLf;
            ++i;
        }
        QTextBlockFormat format = block.blockFormat();
        format.setProperty(kBreakProperty, kind);
        QTextCursor(block).setBlockFormat(format);
    }
    document()->setUndoRedoEnabled(true);
}

void LineTextBox::copyAll()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return;
    auto *whole = new QMimeData; // the clipboard takes it
    whole->setText(exactText(0, document()->characterCount()));
    clipboard->setMimeData(whole);
}

void LineTextBox::keyPressEvent(QKeyEvent *event)
{
    // Copy with nothing selected copies the whole line: no Ctrl+A first.
    if (event == QKeySequence::Copy && !textCursor().hasSelection()) {
        copyAll();
        return;
    }
    // A line break typed here is a plain one: the new block must not take over
    // the tag of the block it was split from.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !(event->modifiers() & Qt::ShiftModifier) && !isReadOnly()) {
        textCursor().insertBlock(QTextBlockFormat());
        ensureCursorVisible();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void LineTextBox::insertFromMimeData(const QMimeData *source)
{
    // Pasted lines break as typed ones do, for the same reason.
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    static const QRegularExpression kBreak(QStringLiteral("\\r\\n|[\\r\\n\\x{2029}]"));
    const QStringList lines = source->text().split(kBreak);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            cursor.insertBlock(QTextBlockFormat());
        cursor.insertText(lines[i]);
    }
    cursor.endEditBlock();
    setTextCursor(cursor);
}

QString LineTextBox::exactText(int from, int to) const
{
    QString text;
    for (QTextBlock block = document()->findBlock(from); block.isValid() && block.position() <= to;
         block = block.next()) {
        const QString own = block.text();
        const int start = block.position();
        const int begin = qMax(from - start, 0);
        const int end = qMin(to - start, int(own.size()));
        if (end > begin)
            text += QStringView(own).mid(begin, end - begin);
        const QTextBlock next = block.next();
        const int separator = start + int(own.size());
        if (!next.isValid() || separator < from || separator >= to)
            continue;
        const int kind = next.blockFormat().intProperty(kBreakProperty);
        if (kind == kCrLf)
            text += QStringLiteral("\r\n");
        else if (kind > 0)
            text += QChar(char16_t(kind));
        else
            text += u'\n'; // a line break typed into the box
    }
    return text;
}
QMimeData *LineTextBox::createMimeDataFromSelection() const
{
    const QTextCursor cursor = textCursor();
    auto *mime = new QMimeData;
    mime->setText(exactText(cursor.selectionStart(), cursor.selectionEnd()));
    return mime;
}

} // namespace grimlark::ui
