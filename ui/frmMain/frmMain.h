// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include "OpenDialog.h"
#include "core/MonsterEntry.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <cstdint>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QTimer;

namespace grimlark {
class DatabaseFile;
}

namespace grimlark::ui {
class BackgroundRead;
class DropDownList;
class ReadProgressDialog;
} // namespace grimlark::ui

/// The editor: the start-up window, which holds the one monster being edited in
/// its controls and carries the menus from which all other work starts. Closing
/// it closes every other window and ends the program.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(QWidget *parent = nullptr);

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
    /// with Cancel (nothing added, and the files waiting are dropped). A file
    /// asked for while another is read waits for it.
    void OpenDatabasePath(const QString &path);
    /// Opens each file in turn exactly as File > Open does with a chosen file
    /// (messages included): the files named on the command line or dropped on
    /// the editor or the browser.
    void openFiles(const QStringList &paths);
    /// True while a file is read or waits to be.
    bool isReading() const;
    /// Loads a database line (UTF-8) into the controls, all or nothing, or tells
    /// the user why it cannot be, in a message over `asker`.
    void loadLine(const QByteArray &line, QWidget *asker);

    /// The last generated line or statement; empty until the first Generate.
    QString strGen;

    /// The Open dialog of File > Open; remembers the last chosen path.
    grimlark::ui::OpenDialog CommonDialog1;

    // "Basic Properties"
    QGroupBox *Frame1 = nullptr;
    QLineEdit *txtID = nullptr, *txtName = nullptr, *txtJName = nullptr, *txtLvl = nullptr;
    QLineEdit *txtHP = nullptr, *txtSP = nullptr, *txtEXP = nullptr, *txtJEXP = nullptr;
    // "Combat Properties"
    QGroupBox *Frame2 = nullptr;
    QLineEdit *txtATK1 = nullptr, *txtATK2 = nullptr;
    QLineEdit *txtRange1 = nullptr, *txtRange2 = nullptr, *txtRange3 = nullptr;
    QLineEdit *txtDEF = nullptr, *txtMDEF = nullptr;
    QLineEdit *txtSTR = nullptr, *txtAGI = nullptr, *txtVIT = nullptr;
    QLineEdit *txtINT = nullptr, *txtDEX = nullptr, *txtLUK = nullptr;
    grimlark::ui::DropDownList *cmbScale = nullptr, *cmbRace = nullptr;
    grimlark::ui::DropDownList *cmbElement = nullptr, *cmbELvl = nullptr;
    QLineEdit *txtSpeed = nullptr, *txtADelay = nullptr, *txtaMotion = nullptr;
    QLineEdit *txtDMotion = nullptr;
    // "Mode Menu"
    QGroupBox *Frame3 = nullptr;
    QCheckBox *chkCanMove = nullptr, *chkLooter = nullptr, *chkAggressive = nullptr;
    QCheckBox *chkAssist = nullptr, *chkCastSensor = nullptr, *chkBoss = nullptr;
    QCheckBox *chkPlant = nullptr, *chkCanAttack = nullptr, *chkDetector = nullptr;
    QCheckBox *chkChangeTarget = nullptr, *chkChangeChase = nullptr, *chkAngry = nullptr;
    // "Loot Tables", with the divider Frame5
    QGroupBox *Frame4 = nullptr, *Frame5 = nullptr;
    QLineEdit *txtDropID1 = nullptr, *txtDropID2 = nullptr, *txtDropID3 = nullptr;
    QLineEdit *txtDropID4 = nullptr, *txtDropID5 = nullptr, *txtDropID6 = nullptr;
    QLineEdit *txtDropID7 = nullptr, *txtDropID8 = nullptr, *txtDropID9 = nullptr;
    QLineEdit *txtDrop1Per = nullptr, *txtDrop2Per = nullptr, *txtDrop3Per = nullptr;
    QLineEdit *txtDrop4Per = nullptr, *txtDrop5Per = nullptr, *txtDrop6Per = nullptr;
    QLineEdit *txtDrop7Per = nullptr, *txtDrop8Per = nullptr, *txtDrop9Per = nullptr;
    QLineEdit *txtDropCardID = nullptr, *txtDropCardPer = nullptr;
    QLineEdit *txtMVP1ID = nullptr, *txtMVP1Per = nullptr, *txtMVP2ID = nullptr;
    QLineEdit *txtMVP2Per = nullptr, *txtMVP3ID = nullptr, *txtMVP3Per = nullptr;
    QLineEdit *txtMEXP = nullptr, *txtEXPPer = nullptr;
    // One label above each text box (there is no Label33).
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr;
    QLabel *Label5 = nullptr, *Label6 = nullptr, *Label7 = nullptr, *Label8 = nullptr;
    QLabel *Label9 = nullptr, *Label10 = nullptr, *Label11 = nullptr, *Label12 = nullptr;
    QLabel *Label13 = nullptr, *Label14 = nullptr, *Label15 = nullptr, *Label16 = nullptr;
    QLabel *Label17 = nullptr, *Label18 = nullptr, *Label19 = nullptr, *Label20 = nullptr;
    QLabel *Label21 = nullptr, *Label22 = nullptr, *Label23 = nullptr, *Label24 = nullptr;
    QLabel *Label25 = nullptr, *Label26 = nullptr, *Label27 = nullptr, *Label28 = nullptr;
    QLabel *Label29 = nullptr, *Label30 = nullptr, *Label31 = nullptr, *Label32 = nullptr;
    QLabel *Label34 = nullptr, *Label35 = nullptr, *Label36 = nullptr, *Label37 = nullptr;
    QLabel *Label38 = nullptr, *Label39 = nullptr, *Label40 = nullptr, *Label41 = nullptr;
    QLabel *Label42 = nullptr, *Label43 = nullptr, *Label44 = nullptr, *Label45 = nullptr;
    QLabel *Label46 = nullptr, *Label47 = nullptr, *Label48 = nullptr, *Label49 = nullptr;
    QLabel *Label50 = nullptr, *Label51 = nullptr, *Label52 = nullptr, *Label53 = nullptr;
    QLabel *Label54 = nullptr;

    QMenu *mnuFile = nullptr, *mnuGenerate = nullptr, *mnuHelp = nullptr;
    QAction *mnuOpen = nullptr, *mnuExit = nullptr;
    QAction *mnuTextGen = nullptr, *mnuSQLGen = nullptr;
    QAction *mnuAbout = nullptr;

public slots:
    void mnuOpen_Click();
    void mnuExit_Click();
    void mnuTextGen_Click();
    /// Generate > SQL Entry: the monster as a statement for the servers' SQL
    /// table, shown in "Code Output" as Text Entry shows its line.
    void mnuSQLGen_Click();
    void mnuAbout_Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    /// Closes the output window, the About dialog and the browser, then releases
    /// all four references. Runs within this window's closing, which every way of
    /// ending the program goes through, so it runs once per shutdown.
    void Form_Unload();

private:
    void Form_Load();
    void buildControls();
    void buildMenus();
    void setTabOrder();
    /// Shows strGen in "Code Output", made on first use, in front.
    void showGenerated();
    void readNextFile();
    void fileRead();
    void showReadProgress();
    void cancelRead();
    void listFile(const QString &path, grimlark::DatabaseFile file);

    QStringList m_waitingFiles;                    ///< asked for while a read runs
    QPointer<grimlark::ui::BackgroundRead> m_read; ///< the read under way, if any
    QPointer<grimlark::ui::ReadProgressDialog> m_progress;
    QTimer *m_progressTimer = nullptr;
    QElapsedTimer m_readClock;
};
