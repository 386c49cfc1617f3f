// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include <QWidget>

class QListView;
class QPushButton;

namespace grimlark {
class DatabaseFile;
namespace ui {
class DatabaseListModel;
}
} // namespace grimlark

/// "Database Browser": the lines of the database files opened so far, newest
/// file first, from which one line is loaded into the editor. It knows nothing
/// of the editor: it says which line to load, and which files were dropped on
/// it, through signals that the editor connects when it makes the browser.
class frmBrowser : public QWidget {
    Q_OBJECT
public:
    explicit frmBrowser(QWidget *parent = nullptr);

    /// Lists the lines of a file above those listed so far and scrolls to the new
    /// first line. False, adding nothing, when the list would pass the rows a
    /// view can count; throws std::bad_alloc when they cannot be held.
    bool addFile(grimlark::DatabaseFile file);

    grimlark::ui::DatabaseListModel *model() const { return m_model; }

    QListView *lstDB = nullptr;
    QPushButton *cmdLoad = nullptr;

signals:
    /// The user asked to load `line` (UTF-8; empty when no line is selected).
    void loadRequested(const QByteArray &line);
    /// Files were dropped on the browser, to be opened as File > Open does.
    void filesDropped(const QStringList &paths);

public slots:
    /// Asks for the selected line to be loaded into the editor; a blank line is
    /// refused here with a message.
    void cmdLoad_Click();

private:
    /// The menu of a line: the encoding its file's non-UTF-8 lines are read in.
    void showLineMenu(const QPoint &at);

    grimlark::ui::DatabaseListModel *m_model = nullptr;
};
