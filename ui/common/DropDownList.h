// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include <QComboBox>

namespace grimlark {
struct CodeList;
} // namespace grimlark

namespace grimlark::ui {

/// An editable drop-down list whose program-facing value is only its selected
/// position. Typed text never becomes an entry and never selects one; while no
/// entry is selected the list shows its caption ("Scale", "Race", ...), which
/// also serves as its accessible name.
class DropDownList : public QComboBox {
    Q_OBJECT
public:
    explicit DropDownList(const QString &caption, QWidget *parent = nullptr);

    /// Adds the entries of `codes`, each at the next position; selects none.
    void addEntries(const CodeList &codes);

    /// The selected position, -1 for none.
    int position() const { return currentIndex(); }
    /// Selects `position`; -1 (or any position outside the list) selects none
    /// and shows the caption again.
    void setPosition(int position);

    QString caption() const { return m_caption; }

    void showPopup() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString m_caption;
};

} // namespace grimlark::ui
