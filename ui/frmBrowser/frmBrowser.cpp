// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "frmBrowser.h"

#include "ui_frmBrowser.h"

#include "DatabaseListModel.h"
#include "FindDialog.h"
#include "core/EntryLoader.h"
#include "core/Utf8.h"
#include "ui/common/Appearance.h"
#include "ui/common/FileDrop.h"
#include "ui/common/Placement.h"
#include "ui/common/Platform.h"
#include "ui/common/Text.h"

#include <QAction>
#include <QKeyEvent>
#include <QListView>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>

#include <new>

namespace grimlark::ui {

/// Draws rows as usual, but gives all of them the width of the widest line, so
/// that the list (which measures one row for all) scrolls sideways.
class frmBrowser::RowDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return {width, QStyledItemDelegate::sizeHint(option, index).height()};
    }
    /// Where another file's lines begin, a line across the row's top.
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        if (index.row() > 0 && index.data(DatabaseListModel::FirstOfFileRole).toBool()) {
            painter->save();
            painter->setPen(option.palette.color(QPalette::Mid));
            painter->drawLine(option.rect.topLeft(), option.rect.topRight());
            painter->restore();
        }
    }
    int width = 0;
};

frmBrowser::frmBrowser(QWidget *parent) : QWidget(parent), m_ui(std::make_unique<Ui_frmBrowser>())
{
    // A window of its own that grows, for long lines and long files: the drawn
    // size is where it starts.
    setUpWindow(*this, QStringLiteral("frmBrowser"), Qt::Window,
                Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint,
                QStringLiteral("Database Browser"));
    resize(px(5310), px(4770));
    setMinimumSize(px(2400), px(1500));
    // Files dropped anywhere on the browser are opened by the editor.
    FileDrop::acceptOn(*this); // the editor opens what is dropped

    m_model = new DatabaseListModel(this);
    m_ui->lstDB = new QListView(this);
    m_ui->lstDB->setObjectName(QStringLiteral("lstDB"));
    m_ui->lstDB->setAccessibleName(QStringLiteral("Database lines"));
    m_ui->lstDB->setGeometry(0, 0, px(5295), px(4350));
    // Every row is one text line of the same height: the view then lays out
    // hundreds of thousands of rows without measuring each.
    m_ui->lstDB->setUniformItemSizes(true);
    m_ui->lstDB->setSelectionMode(QAbstractItemView::SingleSelection);
    m_ui->lstDB->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_ui->lstDB->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_ui->lstDB->setItemDelegate(m_rows = new RowDelegate(m_ui->lstDB));
    m_ui->lstDB->setModel(m_model);
    // Double-click or Enter on a row loads it, as the button does.
    connect(m_ui->lstDB, &QAbstractItemView::doubleClicked, this, &frmBrowser::cmdLoad_Click);
    m_ui->lstDB->installEventFilter(this);

    m_ui->cmdLoad = new QPushButton(QStringLiteral("Load Monster Into Editor"), this);
    m_ui->cmdLoad->setObjectName(QStringLiteral("cmdLoad"));
    m_ui->cmdLoad->setGeometry(px(120), px(4440), px(5055), px(255));
    m_ui->cmdLoad->setAutoDefault(true); // Enter presses it when it has the focus
    connect(m_ui->cmdLoad, &QPushButton::clicked, this, &frmBrowser::cmdLoad_Click);

    QWidget::setTabOrder(m_ui->lstDB, m_ui->cmdLoad);

    // Where the guessed encoding of a file's non-UTF-8 lines is wrong, the user
    // picks the right one, as text editors let them.
    m_ui->lstDB->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_ui->lstDB, &QWidget::customContextMenuRequested, this, &frmBrowser::showLineMenu);

    auto addCommand = [this](QAction *&action, const char *name, const QString &text,
                             const QKeySequence &keys, void (frmBrowser::*handler)()) {
        action = new QAction(text, this);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(keys);
        addAction(action);
        connect(action, &QAction::triggered, this, handler);
    };
    addCommand(m_ui->mnuFind, "mnuFind", QStringLiteral("Find..."), QKeySequence::Find,
               &frmBrowser::mnuFind_Click);
    addCommand(m_ui->mnuFindNext, "mnuFindNext", QStringLiteral("Find Next"), Qt::Key_F3,
               &frmBrowser::mnuFindNext_Click);
    addCommand(m_ui->mnuFindPrevious, "mnuFindPrevious", QStringLiteral("Find Previous"),
               QKeySequence(Qt::SHIFT | Qt::Key_F3), &frmBrowser::mnuFindPrevious_Click);
}

frmBrowser::~frmBrowser() = default;

QString frmBrowser::whereIsId(const QString &id, ListedLine besides) const
{
    return m_model->whereIsId(id, besides);
}

void frmBrowser::closeEvent(QCloseEvent *event)
{
    rememberPlace(*this, QStringLiteral("browser"));
    QWidget::closeEvent(event);
}

void frmBrowser::resizeEvent(QResizeEvent *event)
{
    // The list and the button keep the margins they were drawn with.
    m_ui->lstDB->setGeometry(0, 0, width() - px(15), height() - px(420));
    m_ui->cmdLoad->setGeometry(px(120), height() - px(330), width() - px(255), px(255));
    QWidget::resizeEvent(event);
}

bool frmBrowser::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui->lstDB && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            cmdLoad_Click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmBrowser::mnuFind_Click()
{
    if (!m_find) {
        m_find = new FindDialog(this);
        // F3 and Shift+F3 from the dialog too, where the user typed the text.
        m_find->addAction(m_ui->mnuFindNext);
        m_find->addAction(m_ui->mnuFindPrevious);
        connect(m_find, &FindDialog::findNext, this, [this] { findNext(m_find->down()); });
    }
    bringToFront(*m_find);
}

void frmBrowser::mnuFindNext_Click()
{
    if (m_find && !m_find->text().isEmpty())
        findNext(true);
    else
        mnuFind_Click();
}

void frmBrowser::mnuFindPrevious_Click()
{
    if (m_find && !m_find->text().isEmpty())
        findNext(false);
    else
        mnuFind_Click();
}

void frmBrowser::findNext(bool down)
{
    const QModelIndex current = m_ui->lstDB->currentIndex();
    const int from = current.isValid() ? current.row() : (down ? -1 : m_model->rowCount());
    int row = -1;
    try {
        row = m_model->findRow(m_find->text(), from, down, m_find->matchCase());
    } catch (const std::bad_alloc &) {
        Platform::current().message(
            this, QStringLiteral("There is not enough memory to search the lines for this text."));
        return;
    }
    if (row < 0) {
        // Quoted as every message quotes a value: at most 40 characters.
        Platform::current().message(
            this, QStringLiteral("Cannot find %1.")
                      .arg(fromUtf8(grimlark::quoteValue(toUtf8(m_find->text())))));
        return;
    }
    // Going round the list is said, as text editors say it.
    const bool wrapped = current.isValid() && (down ? row <= from : row >= from);
    if (m_find)
        m_find->setStatus(!wrapped ? QString()
                          : down
                              ? QStringLiteral("Passed the end of the list: found from the top.")
                              : QStringLiteral("Passed the top of the list: found from the end."));
    const QModelIndex found = m_model->index(row);
    m_ui->lstDB->setCurrentIndex(found);
    m_ui->lstDB->scrollTo(found);
}

void frmBrowser::showLineMenu(QPoint at)
{
    const QModelIndex index = m_ui->lstDB->indexAt(at);
    if (!index.isValid())
        return;
    const int row = index.row();
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("mnuLine"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(m_ui->mnuFind);
    // This file alone: read again in its place, or taken off the list.
    const int file = m_model->fileIdAt(row);
    QAction *reload = menu->addAction(QStringLiteral("Reload This File"));
    reload->setObjectName(QStringLiteral("mnuReloadFile"));
    connect(reload, &QAction::triggered, this, [this, file] {
        const QString path = m_model->pathOf(file);
        if (!path.isEmpty())
            emit reloadRequested(path);
    });
    QAction *closeFile = menu->addAction(QStringLiteral("Close This File"));
    closeFile->setObjectName(QStringLiteral("mnuCloseFile"));
    connect(closeFile, &QAction::triggered, this, [this, file] {
        const QString path = m_model->pathOf(file);
        m_model->removeFile(file);
        emit fileClosed(path); // a read of it asked for before is not wanted now
    });
    QMenu *encodings = menu->addMenu(QStringLiteral("Encoding of This File"));
    encodings->setObjectName(QStringLiteral("mnuEncoding"));
    for (const grimlark::LegacyEncoding &encoding : grimlark::kLegacyEncodings) {
        QAction *choice = encodings->addAction(QString::fromLatin1(encoding.label));
        choice->setCheckable(true);
        choice->setChecked(m_model->encodingAt(row) == &encoding);
        const grimlark::LegacyEncoding *chosen = &encoding; // a table entry, never freed
        // The file the menu was opened on, even when another is listed above
        // it while the menu is open.
        connect(choice, &QAction::triggered, this, [this, file = m_model->fileIdAt(row), chosen] {
            m_model->setEncodingOfFile(file, *chosen);
        });
    }
    menu->popup(m_ui->lstDB->viewport()->mapToGlobal(at)); // no event loop of its own
}

bool frmBrowser::addFile(grimlark::DatabaseFile file, const grimlark::LegacyEncoding &encoding,
                         const QString &name, const QString &path, bool *reloaded)
{
    const int listed = m_model->fileIdOfPath(path);
    if (reloaded)
        *reloaded = listed >= 0;
    if (listed >= 0 ? !m_model->replaceFile(listed, std::move(file), encoding)
                    : !m_model->addFile(std::move(file), encoding, name, path))
        return false;
    // Long lines scroll sideways: every row is as wide as the widest.
    m_rows->width = m_ui->lstDB->fontMetrics().averageCharWidth() * m_model->widestLine() + px(150);
    m_ui->lstDB->scrollToTop(); // the new file's first line in view
    return true;
}

void frmBrowser::showLine(ListedLine line)
{
    const int row = m_model->rowOf(line);
    if (row < 0)
        return;
    const QModelIndex index = m_model->index(row);
    m_ui->lstDB->setCurrentIndex(index);
    m_ui->lstDB->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void frmBrowser::cmdLoad_Click()
{
    const QModelIndexList selected = m_ui->lstDB->selectionModel()->selectedIndexes();
    QByteArray line;
    try {
        if (!selected.isEmpty())
            line = m_model->lineUtf8(selected.first().row());
    } catch (const std::bad_alloc &) {
        Platform::current().message(
            this, QStringLiteral("There is not enough memory to load this line. The line was "
                                 "not loaded."));
        return;
    }
    if (!selected.isEmpty() && line.isEmpty()) {
        Platform::current().message(
            this, QStringLiteral("The selected line is empty: there is no monster on it to load."));
        return;
    }
    const int row = selected.isEmpty() ? -1 : selected.first().row();
    emit loadRequested(line, m_model->namesEncodingAt(row), m_model->lineAt(row));
}

} // namespace grimlark::ui

#include "frmBrowser.moc"
