// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "frmMain.h"

#include "BackgroundItems.h"
#include "FileOpener.h"
#include "ItemBoxes.h"
#include "core/DatabaseFile.h"
#include "core/EntryLoader.h"
#include "core/HerculesEntry.h"
#include "core/LegacyEncoding.h"
#include "core/OutputNotes.h"
#include "core/RathenaYamlEntry.h"
#include "core/SqlEntry.h"
#include "core/TextEntry.h"
#include "ui/common/Appearance.h"
#include "ui/common/Background.h"
#include "ui/common/FileDrop.h"
#include "ui/common/FileNames.h"
#include "ui/common/Placement.h"
#include "ui/common/Platform.h"
#include "ui/common/Settings.h"
#include "ui/common/Text.h"
#include "ui/frmAbout/frmAbout.h"
#include "ui/frmBrowser/frmBrowser.h"
#include "ui/frmOutput/frmOutput.h"
#include "ui_frmMain.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <new>
#include <vector>

namespace grimlark::ui {

frmMain::frmMain(QWidget *parent) : QMainWindow(parent), m_ui(std::make_unique<Ui_frmMain>())
{
    // A title bar with system menu and close box only: no minimize, no maximize.
    setUpWindow(*this, QStringLiteral("frmMain"), Qt::Window,
                Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint,
                QStringLiteral("Grimlark [Freya/eAthena] "));
    // Database files dropped from a file manager, on the window or any field.
    FileDrop::acceptOn(*this);
    connect(new FileDrop(this), &FileDrop::filesDropped, this, &frmMain::openFiles);
    m_opener = new FileOpener(this);
    connect(m_opener, &FileOpener::opened, this, &frmMain::listFile);
    connect(m_opener, &FileOpener::refused, this, &frmMain::refuseFile);
    // SQL dumps are database files too.
    CommonDialog1.Filter = QStringLiteral("Database files (*.txt *.sql *.yml)|*.txt;*.sql;*.yml|"
                                          "Text files (*.txt)|*.txt|All Files (*.*)|*.*");

    m_ui->setupUi(this);
    paintModeBoxes();
    qApp->installEventFilter(this); // for the palette a theme sets later
    connectMenus();
    Form_Load();
    showEntry(grimlark::startupEntry());

    centralWidget()->setFixedSize(px(8895), px(7170));
    setFixedSize(px(8895), px(7170) + menuBar()->sizeHint().height());
    restorePlace(*this, QStringLiteral("editor"));
    CommonDialog1.FileName = Settings::lastFile();
    m_addDialog.Filter = CommonDialog1.Filter;
    m_addDialog.DialogTitle = QStringLiteral("Add To File");
    m_itemDialog.Filter = QStringLiteral("Item databases (item_db*.yml item_db*.txt)|"
                                         "item_db*.yml;item_db*.txt|All Files (*.*)|*.*");
    m_itemBoxes = new ItemBoxes(
        {m_ui->txtDropID1, m_ui->txtDropID2, m_ui->txtDropID3, m_ui->txtDropID4, m_ui->txtDropID5,
         m_ui->txtDropID6, m_ui->txtDropID7, m_ui->txtDropID8, m_ui->txtDropID9,
         m_ui->txtDropCardID, m_ui->txtMVP1ID, m_ui->txtMVP2ID, m_ui->txtMVP3ID},
        [this] { return m_carried.layout == grimlark::Layout::RathenaYaml; }, this);
    readChosenItems(Settings::itemFiles(), false);
    applyChosenDefaults();
    m_recent = new RecentFiles(this);
    connect(m_recent, &RecentFiles::changed, this, &frmMain::showRecentFiles);
    showRecentFiles();
    m_ui->txtID->setFocus();
}

void frmMain::applyChosenDefaults()
{
    setLayout(Settings::layout().layout);
    setNamesEncoding(Settings::namesIn());
}

void frmMain::showRecentFiles()
{
    m_ui->mnuRecent->clear();
    const QStringList recent = m_recent->paths();
    for (const QString &path : recent) {
        QAction *item = m_ui->mnuRecent->addAction(displayPath(path));
        connect(item, &QAction::triggered, this, [this, path] { OpenDatabasePath(path); });
    }
    m_ui->mnuRecent->setEnabled(!recent.isEmpty());
}

frmMain::~frmMain() = default;

void frmMain::paintModeBoxes()
{
    // Mode boxes draw on the menu colour, with the window-text colour for their
    // captions; under a dark theme on the window's own colour, not a light patch.
    QPalette modePalette = QApplication::palette(this);
    if (!isDark(modePalette))
        modePalette.setColor(QPalette::Window,
                             QApplication::palette("QMenu").color(QPalette::Window));
    else // a box fills with its button colour, lighter than a dark window's
        modePalette.setColor(QPalette::Button, modePalette.color(QPalette::Window));
    for (QCheckBox *box : m_ui->modeBoxes())
        box->setPalette(modePalette);
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    // A theme may set its palette after start-up (qt6ct does): the boxes follow
    // at once. (The window's own palette change comes later, posted.)
    if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange)
        paintModeBoxes();
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::connectMenus()
{
    connect(m_ui->mnuOpen, &QAction::triggered, this, &frmMain::mnuOpen_Click);
    connect(m_ui->mnuNew, &QAction::triggered, this, &frmMain::mnuNew_Click);
    connect(m_ui->mnuSaveIntoFile, &QAction::triggered, this, &frmMain::mnuSaveIntoFile_Click);
    connect(m_ui->mnuAddToFile, &QAction::triggered, this, &frmMain::mnuAddToFile_Click);
    connect(m_ui->mnuUndoLoad, &QAction::triggered, this, &frmMain::mnuUndoLoad_Click);
    connect(m_ui->mnuItemDatabase, &QAction::triggered, this, &frmMain::mnuItemDatabase_Click);
    connect(m_ui->mnuExit, &QAction::triggered, this, &frmMain::mnuExit_Click);
    connect(m_ui->mnuTextGen, &QAction::triggered, this, &frmMain::mnuTextGen_Click);
    connect(m_ui->mnuSQLGen, &QAction::triggered, this, &frmMain::mnuSQLGen_Click);
    connect(m_ui->mnuAbout, &QAction::triggered, this, &frmMain::mnuAbout_Click);
    connect(m_ui->mnuDropsByIndex, &QAction::toggled, this,
            [this](bool byIndex) { m_carried.dropsByIndex = byIndex; });
    for (QAction *choice : m_ui->mnuLayout->actions()) {
        const auto layout = grimlark::Layout(choice->data().toInt());
        connect(choice, &QAction::triggered, this, [this, layout] {
            // The monster as the layout means it: YAML's names the other way
            // round, its drops by item name (as far as the items go).
            grimlark::MonsterEntry entry = readEntry();
            if (const grimlark::ItemDatabase *items = m_itemBoxes->items())
                grimlark::translateDrops(entry, layout, items, nullptr);
            grimlark::moveIntoLayout(entry, layout);
            if (entry != readEntry())
                showEntry(entry);
            setLayout(layout);
            Settings::setLayout(grimlark::formatOf(layout));
        });
    }
    for (QAction *choice : m_ui->mnuNamesIn->actions()) {
        const grimlark::LegacyEncoding *encoding = nullptr;
        for (const grimlark::LegacyEncoding &legacy : grimlark::kLegacyEncodings)
            if (choice->data().toString() == QLatin1String(legacy.label))
                encoding = &legacy;
        connect(choice, &QAction::triggered, this, [this, encoding] {
            setNamesEncoding(encoding);
            Settings::setNamesIn(encoding);
        });
    }
}

void frmMain::Form_Load()
{
    // Said once, when the editor is up: a box in here would run its loop
    // inside the window's making.
    QTimer::singleShot(0, this, [this] {
        if (const QString notKept = Platform::current().settingsNotKept(); !notKept.isEmpty())
            Platform::current().message(this, notKept);
    });
}

grimlark::MonsterEntry frmMain::readEntry() const
{
    grimlark::MonsterEntry entry = m_ui->entry();
    entry.carried = m_carried;
    return entry;
}

void frmMain::showEntry(const grimlark::MonsterEntry &entry)
{
    m_ui->showEntry(entry);
    m_carried = entry.carried;
    m_carried.dropsByIndex = m_ui->mnuDropsByIndex->isChecked(); // a choice of writing, kept
    setLayout(entry.carried.layout);
}

void frmMain::BuildTextEntry()
{
    strGen = fromUtf8(grimlark::BuildTextEntry(readEntry()));
}

void frmMain::mnuOpen_Click()
{
    OpenDatabaseFile();
}

void frmMain::OpenDatabaseFile()
{
    const QPointer<frmMain> self = this;
    const QStringList paths = CommonDialog1.ShowOpen(this);
    if (paths.isEmpty() || !self)
        return; // a cancelled dialog ends the command silently
    Settings::setLastFile(paths.constFirst());
    for (auto path = paths.crbegin(); path != paths.crend(); ++path) // in the order chosen
        OpenDatabasePath(chosenPath(*path));
}

void frmMain::mnuSaveIntoFile_Click()
{
    const frmBrowser *browser = m_browser.existing();
    const QString path = pathOf(m_loadedFrom);
    if (!browser || path.isEmpty()) {
        mnuAddToFile_Click(); // composed here, or its file closed since: asked where
        return;
    }
    SaveRequest request;
    request.path = path;
    request.record = m_loadedFrom.line;
    startSave(std::move(request));
}

void frmMain::mnuAddToFile_Click()
{
    const QPointer<frmMain> self = this;
    m_addDialog.FileName = pathOf(m_loadedFrom);
    const QStringList paths = m_addDialog.ShowOpen(this);
    if (paths.isEmpty() || !self)
        return;
    SaveRequest request;
    request.path = chosenPath(paths.constFirst());
    startSave(std::move(request));
}

void frmMain::startSave(SaveRequest request)
{
    if (const frmBrowser *browser = m_browser.existing()) {
        // A file listed is saved into only while it holds what is listed.
        const int listed = browser->model()->fileIdOfPath(request.path);
        request.listed = browser->model()->fingerprintOf(listed);
        if (browser->model()->chosenEncodingOf(listed))
            request.namesIn =
                browser->model()->namesEncodingAt(browser->model()->rowOf({listed, 0}));
    }
    request.entry = readEntry();
    request.items = m_itemBoxes->sharedItems();
    m_ui->mnuSaveIntoFile->setEnabled(false);
    m_ui->mnuAddToFile->setEnabled(false);
    if (!runInBackground<SaveOutcome>(
            this, [request] { return saveIntoFile(request); },
            [this, request](SaveOutcome &outcome) { saveDone(request, outcome); })) {
        m_ui->mnuSaveIntoFile->setEnabled(true);
        m_ui->mnuAddToFile->setEnabled(true);
        refuseSave(request.path, QStringLiteral("no thread could be started to write it"));
    }
}

void frmMain::refuseSave(const QString &path, const QString &reason)
{
    Platform::current().message(
        this, QStringLiteral("The monster could not be saved into \"%1\": %2. The file is as it "
                             "was.")
                  .arg(displayPath(path), reason));
}

void frmMain::saveDone(SaveRequest request, SaveOutcome &outcome)
{
    m_ui->mnuSaveIntoFile->setEnabled(true);
    m_ui->mnuAddToFile->setEnabled(true);
    const QPointer<frmMain> self = this;
    const QString name = displayPath(request.path);
    switch (outcome.status) {
    case SaveOutcome::Status::Confirm: {
        QString text = QStringLiteral("Saving the monster into \"%1\" also does this:\n").arg(name);
        for (const std::string &note : outcome.notes)
            text += QStringLiteral("\n- ") + fromUtf8(note);
        if (Platform::current().choose(this, text,
                                       {QStringLiteral("Save"), QStringLiteral("Cancel")}) == 0 &&
            self) {
            request.confirmed = true;
            startSave(std::move(request));
        }
        return;
    }
    case SaveOutcome::Status::Changed:
        if (Platform::current().choose(
                this,
                QStringLiteral("The file \"%1\" has changed since it was listed: the monster was "
                               "not saved, and nothing was written. Reload the file, and save "
                               "again.")
                    .arg(name),
                {QStringLiteral("Reload"), QStringLiteral("Cancel")}) == 0 &&
            self)
            m_opener->open(request.path, true);
        return;
    case SaveOutcome::Status::Refused:
        refuseSave(request.path, fromUtf8(outcome.reason));
        return;
    case SaveOutcome::Status::Unchanged:
        Platform::current().message(
            this, QStringLiteral("The file \"%1\" holds this monster as it is already: nothing "
                                 "was written.")
                      .arg(name));
        return;
    case SaveOutcome::Status::Saved:
        break;
    }
    // Listed anew, in place where it was listed, the monster's record selected.
    const std::size_t line = outcome.listing.file.sourceLine(outcome.record) + 1;
    const std::string backup = grimlark::backupPathOf(nativePath(request.path));
    auto file = std::make_shared<OpenedFile>();
    file->path = request.path;
    file->lines = std::move(outcome.listing.file);
    file->encoding = outcome.listing.encoding;
    file->reload = true;
    if (const auto items = m_fileItems.find(request.path); items != m_fileItems.end())
        file->items = items->second;
    const grimlark::LegacyEncoding *chosen = nullptr;
    if (const frmBrowser *browser = m_browser.existing())
        chosen = browser->model()->chosenEncodingOf(browser->model()->fileIdOfPath(request.path));
    listFile(file);
    if (frmBrowser *browser = m_browser.existing()) {
        const int id = browser->model()->fileIdOfPath(request.path);
        if (chosen)
            browser->model()->setEncodingOfFile(id, *chosen);
        if (id >= 0) {
            m_loadedFrom = {id, outcome.record};
            browser->showLine(m_loadedFrom);
        }
    }
    strGen = fromUtf8(outcome.written);
    showGenerated(
        outcome.form,
        QStringLiteral("Saved into \"%1\", line %2; the file as it was is \"%3\".")
            .arg(name)
            .arg(line)
            .arg(displayPath(pathFromNative(QByteArray(backup.data(), qsizetype(backup.size()))))));
}

void frmMain::mnuItemDatabase_Click()
{
    const QPointer<frmMain> self = this;
    const QStringList paths = m_itemDialog.ShowOpen(this);
    if (paths.isEmpty() || !self)
        return;
    Settings::setItemFiles(paths);
    readChosenItems(paths, true);
}

void frmMain::readChosenItems(const QStringList &paths, bool tell)
{
    delete m_itemsRead.data(); // a read still running is abandoned
    if (paths.isEmpty())
        return;
    m_itemsRead = new BackgroundItems(paths, this);
    connect(m_itemsRead, &BackgroundItems::finished, this,
            [this, tell](const std::shared_ptr<const grimlark::ItemDatabase> &items,
                         const QStringList &problems) {
                m_itemsRead->deleteLater();
                m_chosenItems = items;
                if (!m_itemBoxes->items() || !m_fileItems.count(pathOf(m_loadedFrom)))
                    m_itemBoxes->setItems(m_chosenItems);
                if (tell && !problems.isEmpty())
                    Platform::current().message(
                        this, QStringLiteral("These item databases could not be read:\n") +
                                  problems.join(QLatin1Char('\n')));
            });
}

QString frmMain::pathOf(ListedLine line)
{
    const frmBrowser *browser = m_browser.existing();
    return browser ? browser->model()->pathOf(line.file) : QString();
}

void frmMain::useItemsOf(ListedLine source)
{
    const auto found = m_fileItems.find(pathOf(source));
    m_itemBoxes->setItems(found != m_fileItems.end() ? found->second : m_chosenItems);
}

void frmMain::mnuNew_Click()
{
    // The start-up values, in the layout and names' encoding chosen last.
    replaceEntry(grimlark::startupEntry(), {});
    applyChosenDefaults();
}

void frmMain::mnuUndoLoad_Click()
{
    if (!m_undo)
        return;
    const Snapshot before = *m_undo;
    m_undo.reset();
    m_ui->mnuUndoLoad->setEnabled(false);
    showEntry(before.entry);
    m_loadNotes = before.notes;
    m_loadedFrom = before.loadedFrom;
    setNamesEncoding(before.namesEncoding);
    markOutputStale();
}

void frmMain::replaceEntry(const grimlark::MonsterEntry &entry, const QStringList &notes)
{
    // What the editor held is kept for Undo Load.
    m_undo = Snapshot{readEntry(), m_loadNotes, m_namesEncoding, m_loadedFrom};
    showEntry(entry);
    m_loadNotes = notes;
    m_loadedFrom = {};
    m_ui->mnuUndoLoad->setEnabled(true);
    markOutputStale();
}

void frmMain::markOutputStale()
{
    if (frmOutput *output = m_output.existing(); output && output->isVisible()) {
        strGen.clear();
        output->showLine(QString());
        output->showWarnings(
            {QStringLiteral("The editor holds another monster now: Generate again for its line.")});
    }
}

void frmMain::OpenDatabasePath(const QString &path)
{
    m_opener->open(path);
}

bool frmMain::isReading() const
{
    return m_opener->isBusy();
}

void frmMain::refuseFile(const QString &path, const QString &reason, bool whileReading)
{
    if (!QFileInfo::exists(path))
        m_recent->remove(path); // gone: it leaves the list, and the message says so
    Platform::current().message(
        this, QStringLiteral("The file \"%1\" could not be %2: %3.")
                  .arg(displayPath(path),
                       whileReading ? QStringLiteral("read") : QStringLiteral("opened"), reason));
}

void frmMain::listFile(const std::shared_ptr<OpenedFile> &file)
{
    // The browser is made by the first file read, so a file that cannot be
    // listed leaves no window behind; an empty file still shows it.
    frmBrowser *browser = m_browser.existing();
    const bool made = !browser;
    if (made) {
        browser = m_browser.use();
        connect(browser, &frmBrowser::loadRequested, this,
                [this, browser](const QByteArray &line, const grimlark::LegacyEncoding *names,
                                ListedLine source) {
                    if (!loadLine(line, browser, browser->model()->overriddenBy(source)))
                        return;
                    setNamesEncoding(names); // a loaded monster keeps its file's
                    m_loadedFrom = source;
                    useItemsOf(source);
                });
        // Asked for: read again without a word.
        connect(browser, &frmBrowser::reloadRequested, this,
                [this](const QString &path) { m_opener->open(path, true); });
        connect(browser, &frmBrowser::fileClosed, m_opener, &FileOpener::drop);
    }
    const char *fault = nullptr;
    bool reloaded = false;
    try {
        if (!browser->addFile(std::move(file->lines), *file->encoding,
                              displayPath(QFileInfo(file->path).fileName()), file->path, &reloaded))
            fault = "it has more lines than the list can hold";
    } catch (const std::bad_alloc &) {
        fault = "there is not enough memory to hold it";
    }
    if (fault) {
        if (made)
            delete browser; // never shown, and nothing to show
        refuseFile(file->path, QString::fromLatin1(fault), false);
        return;
    }
    m_recent->add(file->path);
    if (file->items)
        m_fileItems[file->path] = file->items;
    else
        m_fileItems.erase(file->path);
    if (reloaded && !file->reload)
        Platform::current().message(
            browser, QStringLiteral("The file \"%1\" was open already: it was read again, in its "
                                    "place in the list.")
                         .arg(displayPath(file->path)));
    if (!browser->isVisible() && !restorePlace(*browser, QStringLiteral("browser")))
        placeBeside(*browser, *this, keptInSight(), Side::Right);
    bringToFront(*browser);
}

bool frmMain::loadLine(const QByteArray &line, QWidget *asker,
                       const std::optional<DatabaseListModel::Overridden> &overrides)
{
    // A line's text is held many times over on its way into the boxes and,
    // once generated, into "Code Output" (UTF-16, the boxes' own copies and
    // layouts, the line, its warnings), and Qt's widgets end the program when
    // memory runs out: the room for all of it is asked for first. Measured
    // with a 30 MB name: some 87 times the line at the peak.
    constexpr std::size_t kCopiesOnTheWay = 96;
    QString refusal;
    try {
        if (!grimlark::haveRoomFor(std::size_t(line.size()) * kCopiesOnTheWay))
            throw std::bad_alloc();
        grimlark::MonsterEntry entry = readEntry();
        const std::string_view text(line.constData(), std::size_t(line.size()));
        // An import file's entry, or a group that inherits, as the server
        // makes it of the monster before.
        const std::string_view base = overrides
                                          ? std::string_view(overrides->entry.constData(),
                                                             std::size_t(overrides->entry.size()))
                                          : std::string_view();
        const std::string where = overrides ? toUtf8(overrides->where) : std::string();
        const grimlark::LoadResult result =
            !overrides ? grimlark::LoadEntryIntoEditor(text, entry)
            : grimlark::isConfigEntry(text)
                ? grimlark::loadHerculesInherit(text, base, where, entry)
                : grimlark::loadYamlOverride(text, base, where, entry);
        if (result.loaded()) {
            QStringList notes;
            for (const std::string &note : result.notes)
                notes << fromUtf8(note);
            replaceEntry(entry, notes);
        } else
            refusal = fromUtf8(result.message());
    } catch (const std::bad_alloc &) {
        // Nothing is half-shown: showEntry fills the boxes only from a whole entry,
        // and a box that could not take its text keeps its old one.
        refusal = QStringLiteral("There is not enough memory to load this line. The line was "
                                 "not loaded.");
    }
    if (refusal.isEmpty())
        return true;
    Platform::current().message(asker, refusal);
    return false;
}

void frmMain::openFiles(const QStringList &paths)
{
    // Each file read is listed above the ones before it: read in reverse, the
    // files stand in the list in the order they were named.
    for (auto path = paths.crbegin(); path != paths.crend(); ++path)
        OpenDatabasePath(QDir::isRelativePath(*path) ? QDir::current().absoluteFilePath(*path)
                                                     : *path);
}

void frmMain::mnuTextGen_Click()
{
    BuildTextEntry();
    showGenerated(grimlark::Output::Text);
}

void frmMain::setLayout(grimlark::Layout layout)
{
    m_carried.layout = layout;
    m_ui->mnuDropsByIndex->setEnabled(layout == grimlark::Layout::RathenaYaml);
    if (m_ui->mnuLayout)
        for (QAction *choice : m_ui->mnuLayout->actions())
            choice->setChecked(choice->data().toInt() == int(layout));
}

void frmMain::setNamesEncoding(const grimlark::LegacyEncoding *encoding)
{
    m_namesEncoding = encoding;
    const QString label = encoding ? QString::fromLatin1(encoding->label) : QStringLiteral("UTF-8");
    for (QAction *choice : m_ui->mnuNamesIn->actions())
        choice->setChecked(choice->data().toString() == label);
}

void frmMain::mnuSQLGen_Click()
{
    std::vector<std::string> unwritable; // warned again, with the rest, as it is shown
    const grimlark::MonsterEntry entry = readEntry();
    const grimlark::NameBytes names =
        grimlark::namesInEncoding(entry, m_namesEncoding, encodeLegacy, unwritable);
    strGen = fromUtf8(grimlark::BuildSqlEntry(entry, &names));
    showGenerated(grimlark::Output::Sql);
}

void frmMain::showGenerated(grimlark::Output form, const QString &said)
{
    // What the server will not take as meant, the line left as it is.
    const QPointer<frmBrowser> browser = m_browser.existing();
    const ListedLine loadedFrom = m_loadedFrom;
    const auto where = [browser, loadedFrom](const std::string &id) -> std::optional<std::string> {
        const QString found = browser ? browser->whereIsId(fromUtf8(id), loadedFrom) : QString();
        return found.isEmpty() ? std::nullopt : std::optional<std::string>(toUtf8(found));
    };
    std::vector<std::string> loadNotes;
    for (const QString &note : m_loadNotes)
        loadNotes.push_back(toUtf8(note));
    QStringList warnings;
    if (!said.isEmpty())
        warnings << said;
    for (const std::string &note :
         grimlark::outputNotes(readEntry(), form, m_namesEncoding, encodeLegacy, where, loadNotes,
                               m_itemBoxes->items()))
        warnings << fromUtf8(note);

    const bool made = !m_output.existing();
    frmOutput *output = m_output.use();
    if (made) // its reference empties as soon as it closes
        connect(output, &frmOutput::closing, this, [this] { m_output.release(); });
    const int before = output->height();
    output->showWarnings(warnings); // its size, before it is placed
    if (!output->isVisible() && !restorePlace(*output, QStringLiteral("output"))) {
        placeBeside(*output, *this, keptInSight(), Side::Below);
    } else if (output->isVisible() && output->height() > before) {
        // Grown by its warnings: placed afresh where it now runs off the
        // screen or over the editor's title, menu, ID and names.
        const QRect frame = output->frameGeometry();
        const QScreen *screen = output->screen();
        if (frame.intersects(keptInSight()) ||
            (screen && !screen->availableGeometry().contains(frame)))
            placeBeside(*output, *this, keptInSight(), Side::Below);
    }
    // Shown before the text is set, so that the text is laid out once, at the
    // box's real width; nothing is drawn in between.
    output->showInFront();
    output->showLine(strGen);
}

QRect frmMain::keptInSight() const
{
    // The title and menu bars and the top band of fields, down to the names.
    const QRect frame = frameGeometry();
    const QWidget *names = m_ui->txtJName;
    const int bottom = names->mapToGlobal(QPoint(0, names->height() - 1)).y();
    return {frame.topLeft(), QPoint(frame.right(), std::max(frame.top(), bottom))};
}

void frmMain::mnuAbout_Click()
{
    frmAbout *about = m_about.use();
    bringToFront(*about);
}

void frmMain::mnuExit_Click()
{
    close(); // the one way out: the closing runs Form_Unload
}

void frmMain::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept(); // closing cannot be refused
}

void frmMain::Form_Unload()
{
    rememberPlace(*this, QStringLiteral("editor"));
    m_opener->abandon(); // a read stuck in the system does not hold the ending
    if (frmOutput *output = m_output.existing())
        output->close();
    if (frmAbout *about = m_about.existing())
        about->close();
    if (frmBrowser *browser = m_browser.existing())
        browser->close();
    // This window is closing already: every way of ending (File > Exit, the close
    // box, a termination signal) closes it, and its closing runs this routine.
    m_output.release();
    m_about.release();
    m_browser.release();
}

} // namespace grimlark::ui
