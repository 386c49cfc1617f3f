// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

// The editor's controls, by the names its description gives them, as Qt's uic
// would declare them; only frmMain.cpp (and ui_frmMain.cpp, which makes them) includes this, so no
// other window or test can reach a control but by its object name.

#include "core/MonsterEntry.h"

#include <vector>

class QAction;
class QMainWindow;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;

namespace grimlark::ui {
class DropDownList;
} // namespace grimlark::ui

namespace grimlark::ui {

class Ui_frmMain {
public:
    /// Makes every control of `window`, where each sits (twips), its caption,
    /// its keyboard place, the lists' entries and the menus (their actions;
    /// the window connects them).
    void setupUi(QMainWindow *window);
    /// What the boxes, lists and mode boxes hold.
    grimlark::MonsterEntry entry() const;
    /// Shows `entry` in them, whole or not at all.
    void showEntry(const grimlark::MonsterEntry &entry);
    std::vector<QCheckBox *> modeBoxes() const;

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
    QMenu *mnuNamesIn = nullptr;        ///< the names' encoding: UTF-8, then each legacy one
    QMenu *mnuLayout = nullptr;         ///< the layout lines are written in
    QAction *mnuDropsByIndex = nullptr; ///< a YAML entry's drops each with its box's Index
    QAction *mnuNew = nullptr, *mnuUndoLoad = nullptr, *mnuItemDatabase = nullptr;
    QAction *mnuSaveIntoFile = nullptr, *mnuAddToFile = nullptr;
    QMenu *mnuRecent = nullptr; ///< the files opened last
    QAction *mnuAbout = nullptr;
};

} // namespace grimlark::ui
