// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "frmBrowser.h"

#include "DatabaseListModel.h"
#include "ui/common/Appearance.h"
#include "ui/common/FileDrop.h"
#include "ui/common/Platform.h"

#include <QListView>
#include <QMenu>
#include <QPushButton>

#include <new>

using grimlark::ui::px;

frmBrowser::frmBrowser(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmBrowser"));
    setAttribute(Qt::WA_DeleteOnClose);
    // A tool window: small title bar with the close box only.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Database Browser"));
    setWindowIcon(grimlark::ui::programIcon());
    setFixedSize(px(5310), px(4770));
    // Files dropped anywhere on the browser are opened by the editor.
    connect(new grimlark::ui::FileDrop(this), &grimlark::ui::FileDrop::filesDropped, this,
            &frmBrowser::filesDropped);

    m_model = new grimlark::ui::DatabaseListModel(this);
    lstDB = new QListView(this);
    lstDB->setObjectName(QStringLiteral("lstDB"));
    lstDB->setAccessibleName(QStringLiteral("Database lines"));
    lstDB->setGeometry(0, 0, px(5295), px(4350));
    // Every row is one text line of the same height: the view then lays out
    // hundreds of thousands of rows without measuring each.
    lstDB->setUniformItemSizes(true);
    lstDB->setSelectionMode(QAbstractItemView::SingleSelection);
    lstDB->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstDB->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstDB->setModel(m_model);

    cmdLoad = new QPushButton(QStringLiteral("Load Monster Into Editor"), this);
    cmdLoad->setObjectName(QStringLiteral("cmdLoad"));
    cmdLoad->setGeometry(px(120), px(4440), px(5055), px(255));
    cmdLoad->setAutoDefault(true); // Enter presses it when it has the focus
    connect(cmdLoad, &QPushButton::clicked, this, &frmBrowser::cmdLoad_Click);

    QWidget::setTabOrder(lstDB, cmdLoad);

    // Where the guessed encoding of a file's non-UTF-8 lines is wrong, the user
    // picks the right one, as text editors let them.
    lstDB->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(lstDB, &QWidget::customContextMenuRequested, this, &frmBrowser::showLineMenu);
}

void frmBrowser::showLineMenu(const QPoint &at)
{
    const QModelIndex index = lstDB->indexAt(at);
    if (!index.isValid())
        return;
    const int row = index.row();
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("mnuLine"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QMenu *encodings = menu->addMenu(QStringLiteral("Encoding of This File"));
    encodings->setObjectName(QStringLiteral("mnuEncoding"));
    for (const grimlark::LegacyEncoding &encoding : grimlark::kLegacyEncodings) {
        QAction *choice = encodings->addAction(QString::fromLatin1(encoding.label));
        choice->setCheckable(true);
        choice->setChecked(m_model->encodingAt(row) == &encoding);
        connect(choice, &QAction::triggered, this,
                [this, row, &encoding] { m_model->setEncodingAt(row, encoding); });
    }
    menu->popup(lstDB->viewport()->mapToGlobal(at)); // no event loop of its own
}

bool frmBrowser::addFile(grimlark::DatabaseFile file)
{
    if (!m_model->addFile(std::move(file)))
        return false;
    lstDB->scrollToTop(); // the new file's first line in view
    return true;
}

void frmBrowser::cmdLoad_Click()
{
    const QModelIndexList selected = lstDB->selectionModel()->selectedIndexes();
    QByteArray line;
    try {
        if (!selected.isEmpty())
            line = m_model->lineUtf8(selected.first().row());
    } catch (const std::bad_alloc &) {
        grimlark::ui::Platform::current().message(
            this, QStringLiteral("There is not enough memory to load this line. The line was "
                                 "not loaded."));
        return;
    }
    if (!selected.isEmpty() && line.isEmpty()) {
        grimlark::ui::Platform::current().message(
            this, QStringLiteral("The selected line is empty: there is no monster on it to load."));
        return;
    }
    emit loadRequested(line); // empty: nothing selected
}
