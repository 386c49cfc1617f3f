#include "frmBrowser.h"

#include "DatabaseListModel.h"
#include "ui/common/Appearance.h"
#include "ui/common/DroppedFiles.h"
#include "ui/common/Platform.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QListView>
#include <QPushButton>
#include <QTimer>

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

bool frmBrowser::addFile(std::string bytes)
{
    if (!m_model->addFile(std::move(bytes)))
        return false;
    lstDB->scrollToTop(); // the new file's first line in view
    return true;
}

void frmBrowser::dragEnterEvent(QDragEnterEvent *event)
{
    if (!grimlark::ui::droppedFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void frmBrowser::dropEvent(QDropEvent *event)
{
    // Opened once the drop is over (by the editor, as File > Open does): the file
    // manager is not kept waiting, and a message box does not open inside the drag.
    const QStringList paths = grimlark::ui::droppedFiles(event->mimeData());
    event->acceptProposedAction();
    QTimer::singleShot(0, this, [this, paths] { emit filesDropped(paths); });
}

void frmBrowser::cmdLoad_Click()
{
    const QModelIndexList selected = lstDB->selectionModel()->selectedIndexes();
    std::string line;
    if (!selected.isEmpty())
        line = m_model->lineUtf8(selected.first().row());
    if (!selected.isEmpty() && line.empty()) {
        grimlark::ui::Platform::current().message(
            this, QStringLiteral("The selected line is empty: there is no monster on it to load."));
        return;
    }
    emit loadRequested(QByteArray::fromStdString(line)); // empty: nothing selected
}
