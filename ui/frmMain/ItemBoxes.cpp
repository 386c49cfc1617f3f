// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "ItemBoxes.h"

#include "core/RathenaYamlEntry.h"
#include "ui/common/Text.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLineEdit>
#include <QStringListModel>

#include <utility>

namespace grimlark::ui {

ItemBoxes::ItemBoxes(std::vector<QLineEdit *> boxes, std::function<bool()> namesWanted,
                     QObject *parent)
    : QObject(parent), m_boxes(std::move(boxes)), m_namesWanted(std::move(namesWanted)),
      m_offers(new QStringListModel(this))
{
    for (QLineEdit *box : m_boxes) {
        connect(box, &QLineEdit::textChanged, this, [this, box] { showTip(box); });
        auto *completer = new QCompleter(m_offers, box);
        completer->setCaseSensitivity(Qt::CaseInsensitive);
        completer->setModelSorting(QCompleter::UnsortedModel);
        // Chosen by name, written as the layout writes it: an ID in a line.
        connect(completer, qOverload<const QString &>(&QCompleter::activated), box,
                [this, box](const QString &chosen) {
                    if (!m_items || m_namesWanted())
                        return;
                    if (const Item *item = m_items->byAegisName(toUtf8(chosen)))
                        box->setText(QString::number(item->id));
                });
        // The boxes are as wide as an ID; the names offered are wider.
        constexpr int kNameCharacters = 30;
        completer->popup()->setMinimumWidth(box->fontMetrics().averageCharWidth() *
                                            kNameCharacters);
        box->setCompleter(completer);
    }
}

void ItemBoxes::setItems(std::shared_ptr<const ItemDatabase> items)
{
    m_items = std::move(items);
    QStringList offers;
    if (m_items)
        for (const Item *item : m_items->all())
            offers << fromUtf8(item->aegisName);
    m_offers->setStringList(offers);
    for (QLineEdit *box : m_boxes)
        showTip(box);
}

void ItemBoxes::showTip(QLineEdit *box) const
{
    // Plain text: an item's name comes from a file.
    const std::string tip = m_items ? itemTip(toUtf8(box->text()), *m_items) : std::string();
    box->setToolTip(tip.empty() ? QString()
                                : QStringLiteral("<p>%1</p>").arg(fromUtf8(tip).toHtmlEscaped()));
}

} // namespace grimlark::ui
