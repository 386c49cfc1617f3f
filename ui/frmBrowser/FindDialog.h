// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace grimlark::ui {

/// "Find": the small find dialog of the platform's usual kind, over the
/// browser (Find what, Match case, Up or Down, Find Next). It only asks; the
/// browser searches. Modeless, so the list stays usable beside it.
class FindDialog : public QDialog {
    Q_OBJECT
public:
    explicit FindDialog(QWidget *browser);

    QString text() const;
    Qt::CaseSensitivity matchCase() const;
    bool down() const;
    /// Says something of the last search under the buttons ("Passed the end of
    /// the list: found from the top."); empty clears it.
    void setStatus(const QString &text);

signals:
    /// Find Next was pressed (or Enter in the text).
    void findNext();

private:
    QLineEdit *m_text;
    QCheckBox *m_matchCase;
    QRadioButton *m_down;
    QPushButton *m_findNext;
    QLabel *m_status;
};

} // namespace grimlark::ui
