#include "frmBrowser.h"

#include "DatabaseListModel.h"
#include "EntryLoader.h"
#include "FileReader.h"
#include "common/Appearance.h"
#include "common/Platform.h"
#include "common/AppWindows.h"
#include "common/DroppedFiles.h"
#include "common/Placement.h"
#include "frmMain/frmMain.h"

#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QListView>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>

#include <functional>
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
    setAcceptDrops(true);

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
}

namespace {

/// Reading that is still going after this long shows its progress.
constexpr int kProgressDelayMs = 500;

/// The read's progress callback: keeps the window thread answering signals and
/// shows a progress dialog with Cancel once the read has taken a while. It stops
/// the read when the user cancels or the editor is closing (the program is
/// ending). Before the dialog shows, only non-input events are handled, so the
/// editor cannot be used meanwhile.
class ReadProgressDialog {
public:
    ReadProgressDialog(QWidget *editor, const QString &path) : m_editor(editor), m_path(path)
    {
        m_clock.start();
    }
    ~ReadProgressDialog() { delete m_dialog.data(); }
    ReadProgressDialog(const ReadProgressDialog &) = delete;
    ReadProgressDialog &operator=(const ReadProgressDialog &) = delete;

    bool operator()(std::uint64_t done, std::uint64_t total)
    {
        if (!m_dialog && m_clock.elapsed() >= kProgressDelayMs && editorOpen()) {
            m_dialog = new QProgressDialog(
                QStringLiteral("Reading %1").arg(QFileInfo(m_path).fileName()),
                QStringLiteral("Cancel"), 0, 1000, m_editor);
            m_dialog->setObjectName(QStringLiteral("dlgProgress"));
            m_dialog->setWindowTitle(QStringLiteral("Grimlark"));
            m_dialog->setWindowModality(Qt::ApplicationModal);
            m_dialog->setMinimumDuration(0);
            m_dialog->setAutoClose(false);
            m_dialog->setAutoReset(false);
            m_dialog->show();
        }
        if (m_dialog)
            m_dialog->setValue(total ? int(done * 1000 / total) : 0);
        QCoreApplication::processEvents(m_dialog ? QEventLoop::AllEvents
                                                 : QEventLoop::ExcludeUserInputEvents);
        return editorOpen() && !(m_dialog && m_dialog->wasCanceled());
    }

private:
    bool editorOpen() const { return m_editor && m_editor->isVisible(); }

    QPointer<QWidget> m_editor;
    QString m_path;
    QElapsedTimer m_clock;
    QPointer<QProgressDialog> m_dialog;
};

} // namespace

void frmBrowser::OpenDatabaseFile(frmMain &editor)
{
    const QPointer<frmMain> owner = &editor;
    const QString path = editor.CommonDialog1.ShowOpen(&editor);
    if (!path.isEmpty() && owner) // a cancelled dialog ends the command silently
        OpenDatabasePath(editor, path);
}

void frmBrowser::OpenDatabasePath(frmMain &editor, const QString &path)
{
    using namespace grimlark::ui;
    const QPointer<frmMain> owner = &editor;
    std::string bytes;
    grimlark::ReadResult result;
    {
        ReadProgressDialog progress(&editor, path);
        result = grimlark::readFile(path.toStdString(), bytes, std::ref(progress));
    }
    if (!owner || result.status == grimlark::ReadStatus::Cancelled)
        return; // the program is ending, or the user chose to stop
    auto refuse = [&](const std::string &reason) {
        const QString verb = result.status == grimlark::ReadStatus::ReadFailed
                                 ? QStringLiteral("read")
                                 : QStringLiteral("opened");
        Platform::current().message(&editor, QStringLiteral("The file \"%1\" could not be %2: %3.")
                                                 .arg(QDir::toNativeSeparators(path), verb,
                                                      QString::fromStdString(reason)));
    };
    if (result.status != grimlark::ReadStatus::Done) {
        refuse(grimlark::describe(result)); // nothing is added, the browser not shown
        return;
    }

    // The browser is created by the first line read, so a file that cannot be
    // listed leaves no window behind; an empty file still shows it.
    const bool existed = AppWindows::existingBrowser() != nullptr;
    frmBrowser *browser = AppWindows::browser();
    const char *fault = nullptr;
    try {
        if (!browser->m_model->addFile(std::move(bytes)))
            fault = "it has more lines than the list can hold";
    } catch (const std::bad_alloc &) {
        fault = "there is not enough memory to hold it";
    }
    if (fault) {
        if (!existed)
            delete browser; // never shown, and nothing to show
        refuse(fault);
        return;
    }
    browser->lstDB->scrollToTop(); // the new file's first line in view
    if (!browser->isVisible())
        placeBeside(*browser, editor);
    browser->show();
    browser->raise();
    browser->activateWindow();
}

void frmBrowser::dragEnterEvent(QDragEnterEvent *event)
{
    if (!grimlark::ui::droppedFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void frmBrowser::dropEvent(QDropEvent *event)
{
    // The editor opens them, as File > Open does.
    const QStringList paths = grimlark::ui::droppedFiles(event->mimeData());
    event->acceptProposedAction();
    if (frmMain *editor = grimlark::ui::AppWindows::existingEditor())
        QTimer::singleShot(0, editor, [editor, paths] { editor->openFiles(paths); });
}

void frmBrowser::cmdLoad_Click()
{
    std::string line;
    const QModelIndexList selected = lstDB->selectionModel()->selectedIndexes();
    if (!selected.isEmpty())
        line = m_model->lineUtf8(selected.first().row());
    if (!selected.isEmpty() && line.empty()) {
        grimlark::ui::Platform::current().message(
            this, QStringLiteral("The selected line is empty: there is no monster on it to load."));
        return;
    }

    frmMain *editor = grimlark::ui::AppWindows::editor();
    grimlark::MonsterEntry entry = editor->readEntry();
    const grimlark::LoadResult result = grimlark::LoadEntryIntoEditor(line, entry);
    if (result.loaded())
        editor->showEntry(entry);
    else
        grimlark::ui::Platform::current().message(this, QString::fromStdString(result.message()));
}
