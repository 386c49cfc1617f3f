// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include "DatabaseListModel.h"

#include <QPointer>
#include <QWidget>
#include <memory>

namespace grimlark {
class DatabaseFile;
struct LegacyEncoding;
namespace ui {
class DatabaseListModel;
} // namespace ui
} // namespace grimlark

namespace grimlark::ui {

class FindDialog;
class Ui_frmBrowser;

/// "Database Browser": the lines of the database files opened so far, newest
/// file first, from which one line is loaded into the editor. It knows nothing
/// of the editor: it says which line to load, and which files were dropped on
/// it, through signals that the editor connects when it makes the browser.
class frmBrowser : public QWidget {
    Q_OBJECT
public:
    explicit frmBrowser(QWidget *parent = nullptr);
    ~frmBrowser() override;
    frmBrowser(const frmBrowser &) = delete;
    frmBrowser &operator=(const frmBrowser &) = delete;

    /// Lists the lines of a file above those listed so far, those that are not
    /// UTF-8 read in `encoding`, and scrolls to the new first line. False,
    /// adding nothing, when the list would pass the rows a view can count;
    /// throws std::bad_alloc when they cannot be held.
    /// A file read from a `path` already listed takes that file's place in the
    /// list (`reloaded` says so) instead of being listed again.
    bool addFile(grimlark::DatabaseFile file, const grimlark::LegacyEncoding &encoding,
                 const QString &name = QString(), const QString &path = QString(),
                 bool *reloaded = nullptr);

    DatabaseListModel *model() const { return m_model; }
    /// Selects `line` and scrolls it into view (nothing where it is not listed).
    void showLine(ListedLine line);

    /// Where a monster of this ID stands in the files listed ("ID 1002 is
    /// "PORING", mob_db.txt line 327"), or an empty text.
    QString whereIsId(const QString &id, ListedLine besides = {}) const;

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    /// The user asked to load `line` (UTF-8; empty when no line is selected),
    /// whose file holds names in `namesEncoding` (null: UTF-8).
    /// `source`: the file and line it is, for whereIsId.
    void loadRequested(const QByteArray &line, const grimlark::LegacyEncoding *namesEncoding,
                       grimlark::ui::ListedLine source);
    /// The user asked to read the file at `path` again (from a line's menu).
    void reloadRequested(const QString &path);
    /// The file read from `path` was taken off the list (Close This File).
    void fileClosed(const QString &path);

public slots:
    /// Asks for the selected line to be loaded into the editor; a blank line is
    /// refused here with a message.
    void cmdLoad_Click();
    /// Ctrl+F: the find dialog; F3 and Shift+F3 find the next or previous line
    /// holding its text (the dialog opens first when there is none yet).
    void mnuFind_Click();
    void mnuFindNext_Click();
    void mnuFindPrevious_Click();

private:
    /// The menu of a line: the encoding its file's non-UTF-8 lines are read in.
    void showLineMenu(QPoint at);
    /// Selects the next line holding the find dialog's text, or says there is none.
    void findNext(bool down);
    class RowDelegate;

    DatabaseListModel *m_model = nullptr;
    RowDelegate *m_rows = nullptr;
    QPointer<FindDialog> m_find;
    const std::unique_ptr<Ui_frmBrowser> m_ui;
};

} // namespace grimlark::ui
