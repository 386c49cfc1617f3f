// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include "core/ItemDatabase.h"

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

class QLineEdit;
class QStringListModel;

namespace grimlark::ui {

/// The editor's drop and MVP item boxes with an item database: each names
/// its item in its tool tip, and typing offers the items whose AegisName or
/// name begins so (the AegisName where the layout names items, the ID where
/// it numbers them).
class ItemBoxes : public QObject {
    Q_OBJECT
public:
    /// `namesWanted` tells whether the monster's layout names its drops' items.
    ItemBoxes(std::vector<QLineEdit *> boxes, std::function<bool()> namesWanted, QObject *parent);

    /// The items the boxes name (null: none; the tool tips and offers go).
    void setItems(std::shared_ptr<const ItemDatabase> items);
    const ItemDatabase *items() const { return m_items.get(); }
    const std::shared_ptr<const ItemDatabase> &sharedItems() const { return m_items; }

private:
    void showTip(QLineEdit *box) const;

    std::vector<QLineEdit *> m_boxes;
    std::function<bool()> m_namesWanted;
    std::shared_ptr<const ItemDatabase> m_items;
    QStringListModel *m_offers;
};

} // namespace grimlark::ui
