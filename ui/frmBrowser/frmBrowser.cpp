#include "frmBrowser.h"

#include "DatabaseListModel.h"
#include "EntryLoader.h"
#include "LineReader.h"
#include "common/Appearance.h"
#include "common/LargeBuffer.h"
#include "common/Platform.h"
#include "common/Windows.h"
#include "frmMain/frmMain.h"

#include <QFileInfo>
#include <QListView>
#include <QPushButton>

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
    connect(cmdLoad, &QPushButton::clicked, this, &frmBrowser::cmdLoad_Click);

    QWidget::setTabOrder(lstDB, cmdLoad);
}

void frmBrowser::OpenDatabaseFile(frmMain &editor)
{
    using namespace grimlark::ui;
    const QString path = editor.CommonDialog1.ShowOpen(&editor);
    if (path.isEmpty())
        return;

    const QFileInfo info(path);
    std::string bytes = largeBuffer(info.isFile() ? size_t(info.size()) + 1 : 0);
    const grimlark::ReadStatus status = grimlark::readFile(path.toStdString(), bytes);
    // The browser is created by the first line read, so a file that cannot be
    // read leaves no window behind.
    frmBrowser *browser = Windows::existingBrowser();
    if (!bytes.empty()) {
        if (!browser)
            browser = Windows::browser();
        browser->m_model->addFile(std::move(bytes));
    }
    if (status != grimlark::ReadStatus::Done)
        return; // lines read before the failure stay; the browser is not shown

    if (!browser)
        browser = Windows::browser(); // an empty file still shows the browser
    browser->show();
    browser->raise();
    browser->activateWindow();
}

void frmBrowser::cmdLoad_Click()
{
    std::string line;
    const QModelIndexList selected = lstDB->selectionModel()->selectedIndexes();
    if (!selected.isEmpty())
        line = m_model->lineUtf8(selected.first().row());

    frmMain *editor = grimlark::ui::Windows::main();
    grimlark::MonsterEntry entry = editor->readEntry();
    const grimlark::LoadResult result = grimlark::LoadEntryIntoEditor(line, entry);
    if (result.loaded())
        editor->showEntry(entry);
    else
        grimlark::ui::Platform::current().message(this, QString::fromStdString(result.message()));
}
