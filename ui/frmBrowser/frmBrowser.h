#pragma once

#include <QWidget>

class QListView;
class QPushButton;
class frmMain;

namespace grimlark::ui {
class DatabaseListModel;
}

/// "Database Browser": the lines of the database files opened so far, newest
/// file first, from which one line is loaded into the editor.
class frmBrowser : public QWidget {
    Q_OBJECT
public:
    explicit frmBrowser(QWidget *parent = nullptr);

    /// File > Open: asks for a file and lists its lines at the top of the browser,
    /// which is shown once the whole file is read. A cancelled dialog, or a path
    /// that is missing, unreadable or not a regular file, ends the command silently;
    /// a file too large to hold is refused with a message naming it. A read that
    /// takes over half a second shows its progress, with Cancel (nothing added).
    static void OpenDatabaseFile(frmMain &editor);

    grimlark::ui::DatabaseListModel *model() const { return m_model; }

    QListView *lstDB = nullptr;
    QPushButton *cmdLoad = nullptr;

public slots:
    /// Loads the selected line into the editor, or tells the user why it cannot be.
    void cmdLoad_Click();

private:
    grimlark::ui::DatabaseListModel *m_model = nullptr;
};
