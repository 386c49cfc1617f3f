// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include "OpenDialog.h"
#include "core/EntryWarnings.h"
#include "core/ItemDatabase.h"
#include "core/MonsterEntry.h"
#include "ui/common/RecordSave.h"
#include "ui/common/WindowReference.h"
#include "ui/frmBrowser/DatabaseListModel.h"

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <optional>

namespace grimlark {
struct LegacyEncoding;
} // namespace grimlark

namespace grimlark::ui {

class BackgroundItems;
class DropDownList;
class FileOpener;
class ItemBoxes;
class RecentFiles;
struct OpenedFile;
class Ui_frmMain;
class frmAbout;
class frmBrowser;
class frmOutput;

/// The editor: the start-up window, which holds the one monster being edited in
/// its controls and carries the menus from which all other work starts. Closing
/// it closes every other window and ends the program.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(QWidget *parent = nullptr);
    ~frmMain() override;
    frmMain(const frmMain &) = delete;
    frmMain &operator=(const frmMain &) = delete;

    /// The controls' values gathered as one record: each text box's text, each
    /// list's selected position (never its text) and each mode box's state.
    grimlark::MonsterEntry readEntry() const;
    /// Puts `entry` into the controls.
    void showEntry(const grimlark::MonsterEntry &entry);

    /// Builds the line from the controls into strGen.
    void BuildTextEntry();

    /// File > Open: asks for a file and opens it as OpenDatabasePath does; a
    /// cancelled dialog ends the command silently.
    void OpenDatabaseFile();
    /// Lists the lines of the file at `path` at the top of the browser (made on
    /// first use), which is shown once the whole file is read, beside the editor
    /// and with the new first line in view. A file that cannot be read (missing,
    /// a folder, pipe or device, no permission, too large to hold, a read error)
    /// is reported in a message naming it and the reason; nothing is added and
    /// the browser is not shown. The file is read off the window thread: this
    /// returns at once. A read that takes over half a second shows its progress,
    /// with Cancel (nothing of that file added; the files waiting are read
    /// next). A file asked for while another is read waits for it.
    void OpenDatabasePath(const QString &path);
    /// Opens each file exactly as File > Open does with a chosen file (messages
    /// included), so that they stand in the list in the order named: the files
    /// named on the command line or dropped on a window.
    void openFiles(const QStringList &paths);
    /// True while a file is read or waits to be.
    bool isReading() const;
    /// Loads a database line (UTF-8) into the controls, all or nothing, or tells
    /// the user why it cannot be, in a message over `asker`; true when loaded.
    /// Loads `line` into the boxes, as an override of `overrides` where given.
    bool loadLine(const QByteArray &line, QWidget *asker,
                  const std::optional<DatabaseListModel::Overridden> &overrides);

    /// The last generated line or statement; empty until the first Generate.
    QString strGen;

    /// The Open dialog of File > Open; remembers the last chosen path.
    OpenDialog CommonDialog1;

public slots:
    /// File > New: the start-up values back, undoable as a load is.
    void mnuNew_Click();
    /// File > Undo Load: the values the editor held before the last load (or New).
    void mnuUndoLoad_Click();
    void mnuOpen_Click();
    /// File > Save Into File: the monster in place of the record it was
    /// loaded from, in that file (see saveIntoFile); one that was loaded
    /// from none is added to a file chosen, as Add To File does it.
    void mnuSaveIntoFile_Click();
    /// File > Add To File...: the monster as the last of a database file chosen.
    void mnuAddToFile_Click();
    /// File > Item Database...: the item files to name drops by where a
    /// monster's file has none beside it; kept between runs.
    void mnuItemDatabase_Click();
    void mnuExit_Click();
    void mnuTextGen_Click();
    /// Generate > SQL Entry: the monster as a statement for the servers' SQL
    /// table, shown in "Code Output" as Text Entry shows its line.
    void mnuSQLGen_Click();
    void mnuAbout_Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    /// Closes the output window, the About dialog and the browser, then releases
    /// all four references. Runs within this window's closing, which every way of
    /// ending the program goes through, so it runs once per shutdown.
    void Form_Unload();

private:
    void Form_Load();
    void connectMenus();
    /// The Mode boxes' background for the palette in use.
    void paintModeBoxes();
    /// The layout and names' encoding chosen last (settings), put in place.
    void applyChosenDefaults();
    /// File > Recent Files, as the recent files are now.
    void showRecentFiles();
    /// Shows `entry` in place of what the editor holds, which Undo Load gives back.
    void replaceEntry(const grimlark::MonsterEntry &entry, const QStringList &notes);
    /// Code Output, when shown, no longer shows the editor's monster: cleared, and says so.
    void markOutputStale();
    /// The layout lines are written in from now on, ticked in Generate > Layout.
    void setLayout(grimlark::Layout layout);
    /// The names' encoding from now on (null: UTF-8), ticked in Names In.
    void setNamesEncoding(const grimlark::LegacyEncoding *encoding);
    /// What of the editor the windows beside it leave in sight (global
    /// coordinates): its title and menu bars and its ID, names and level.
    QRect keptInSight() const;
    /// Shows strGen in "Code Output", made on first use, in front, with what
    /// the servers will not take as meant in it (`form`: the line or the statement),
    /// after `said` (where it was saved).
    void showGenerated(grimlark::Output form, const QString &said = {});
    /// Lists a file that was read at the top of the browser and shows it.
    void listFile(const std::shared_ptr<OpenedFile> &file);
    /// Tells the user that the file at `path` cannot be listed, and why.
    void refuseFile(const QString &path, const QString &reason, bool whileReading);
    /// Reads the item files chosen (off the window thread); `tell`: says what
    /// could not be read.
    void readChosenItems(const QStringList &paths, bool tell);
    /// The item boxes name the items of the file `source` is in, or those chosen.
    void useItemsOf(ListedLine source);
    /// The path of the listed file `line` is in; empty where none is.
    QString pathOf(ListedLine line);
    /// Saves as `request` says, off the window thread (the editor's monster
    /// as it is now); the menus that save wait meanwhile.
    void startSave(SaveRequest request);
    /// What became of a save: the file listed anew and Code Output showing
    /// what was written, or the user asked or told why not.
    void saveDone(SaveRequest request, SaveOutcome &outcome);
    /// Tells the user that the monster was not saved into the file at `path`, and why.
    void refuseSave(const QString &path, const QString &reason);

    const std::unique_ptr<Ui_frmMain> m_ui;
    // The windows the editor opens, one of each; its unload closes them.
    WindowReference<frmOutput> m_output;
    WindowReference<frmAbout> m_about;
    WindowReference<frmBrowser> m_browser;
    FileOpener *m_opener;    ///< reads the files asked for, one at a time
    RecentFiles *m_recent;   ///< the files opened last
    QStringList m_loadNotes; ///< what the last line loaded did not carry as written
    const grimlark::LegacyEncoding *m_namesEncoding = nullptr; ///< the names'; null: UTF-8
    /// What the monster shown holds beyond its boxes: its layout, the later
    /// layout's other name, Mode flags above the boxes.
    grimlark::MonsterEntry::Carried m_carried;
    /// What the editor held before the last load or New.
    struct Snapshot {
        grimlark::MonsterEntry entry;
        QStringList notes;
        const grimlark::LegacyEncoding *namesEncoding;
        ListedLine loadedFrom;
    };
    /// The browser's line the editor's monster was loaded from (none after New):
    /// its own ID there is no other monster's.
    ListedLine m_loadedFrom;
    std::optional<Snapshot> m_undo;
    /// The items of each file listed that has its server's beside it, by path;
    /// those chosen with File > Item Database...; the boxes that name them.
    std::map<QString, std::shared_ptr<const grimlark::ItemDatabase>> m_fileItems;
    std::shared_ptr<const grimlark::ItemDatabase> m_chosenItems;
    QPointer<BackgroundItems> m_itemsRead;
    OpenDialog m_itemDialog;
    OpenDialog m_addDialog; ///< Add To File's choice of file
    ItemBoxes *m_itemBoxes;
};

} // namespace grimlark::ui
