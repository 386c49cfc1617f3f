// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "DropDownList.h"

#include "core/CodeTables.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>

namespace grimlark::ui {

DropDownList::DropDownList(const QString &caption, QWidget *parent)
    : QComboBox(parent), m_caption(caption)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // A completer would pick an entry from typed text.
    setCompleter(nullptr);
    setAccessibleName(caption);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    // Enter in the text part would select an entry that matches the typed text.
    lineEdit()->installEventFilter(this);
    setPosition(-1);
}

void DropDownList::addEntries(const CodeList &codes)
{
    const QSignalBlocker blocker(this);
    for (const std::string_view entry : codes)
        addItem(QString::fromLatin1(entry.data(), qsizetype(entry.size())));
    setPosition(-1);
}

void DropDownList::showPopup()
{
    // Entries wider than the closed list still show whole when it drops down. Set
    // here rather than at load: asking for the view builds the popup, which would
    // slow the editor's start for a list that may never be opened.
    view()->setMinimumWidth(view()->sizeHintForColumn(0) + 24);
    QComboBox::showPopup();
}

void DropDownList::setPosition(int position)
{
    if (position < 0 || position >= count()) {
        setCurrentIndex(-1);
        setEditText(m_caption);
    } else {
        setCurrentIndex(position);
    }
    lineEdit()->setCursorPosition(0);
}

bool DropDownList::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lineEdit() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return true;
    }
    return QComboBox::eventFilter(watched, event);
}

} // namespace grimlark::ui
