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

    /// File > Open: asks for a file and opens it as OpenDatabasePath does; a
    /// cancelled dialog ends the command silently.
    static void OpenDatabaseFile(frmMain &editor);
    /// Lists the lines of the file at `path` at the top of the browser, which is
    /// shown once the whole file is read, with the new first line in view. A file
    /// that cannot be read (missing, a folder, pipe or device, no permission, too
    /// large to hold, a read error) is reported in a message naming it and the
    /// reason; nothing is added and the browser is not shown. A read that takes
    /// over half a second shows its progress, with Cancel (nothing added).
    static void OpenDatabasePath(frmMain &editor, const QString &path);

    grimlark::ui::DatabaseListModel *model() const { return m_model; }

    QListView *lstDB = nullptr;
    QPushButton *cmdLoad = nullptr;

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

public slots:
    /// Loads the selected line into the editor, or tells the user why it cannot be.
    void cmdLoad_Click();

private:
    grimlark::ui::DatabaseListModel *m_model = nullptr;
};
