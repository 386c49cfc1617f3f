// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
// The "Database Browser": reading files into the list (newest file first, every
// line ending, silent ends for what cannot be read) and loading a line into the
// editor, all or nothing.

#include "UiTestSupport.h"

#include "core/SqlEntry.h"
#include "tests/TestData.h"
#include "tests/common/Fixtures.h"
#include "ui/common/DropDownList.h"
#include "ui/common/FileNames.h"
#include "ui/frmBrowser/DatabaseListModel.h"
#include "ui/frmBrowser/frmBrowser.h"
#include "ui/frmMain/frmMain.h"
#include "ui/frmOutput/LineTextBox.h"
#include "ui/frmOutput/frmOutput.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <cerrno>
#include <cstring>
#include <memory>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <windows.h>
#endif

using namespace grimlark::test;

frmBrowser *existingBrowser()
{
    return window<frmBrowser>();
}

namespace {

const QByteArray kPoring = QByteArray::fromStdString(grimlark::test::sampleLine("1002"));

QStringList itemsOf(frmBrowser *browser)
{
    QStringList items;
    const QAbstractItemModel *model = control<QListView>(browser, "lstDB")->model();
    for (int row = 0; row < model->rowCount(); ++row)
        items << model->index(row, 0).data().toString();
    return items;
}

void select(frmBrowser *browser, int row)
{
    const QModelIndex index = control<QListView>(browser, "lstDB")->model()->index(row, 0);
    QTest::mouseClick(control<QListView>(browser, "lstDB")->viewport(), Qt::LeftButton, {},
                      control<QListView>(browser, "lstDB")->visualRect(index).center());
}

} // namespace

class BrowserTest : public QObject {
    Q_OBJECT
private slots:
    void everyLineEndingEndsALine_data();
    void everyLineEndingEndsALine();
    void secondFileComesFirst();
    void emptyFileShowsTheBrowser();
    void unreadablePathsAreReported_data();
    void unreadablePathsAreReported();
    void newLinesAreInView();
    void droppedFilesOpenInOrder();
    void dialogRemembersTheLastPath();
    void nonUtf8FileLoadsByteForCharacter();
    void loadingFillsTheEditor();
    void badInputNeverHarmsTheFile_data();
    void badInputNeverHarmsTheFile();
    void refusedLinesLeaveTheEditorAsItWas_data();
    void refusedLinesLeaveTheEditorAsItWas();
    void legacyEncodingsAreDecoded_data();
    void legacyEncodingsAreDecoded();
    void stalledReadIsCancelledAtOnce();
    void failedReadIsReported_data();
    void failedReadIsReported();
    void browserStaysOnScreenWhereNoSideHasRoom();
    void findSelectsTheNextLineHoldingTheText();
    void eachFileStandsApartAndReloadsInPlace();
    void theLoadedLineIsNoOtherMonster();
    void aDumpListsEachRowOfAStatement();
    void aYamlDatabaseListsEachMonster();
    void anImportEntryLoadsOverTheMainOne();
    void aHerculesDatabaseListsEachMonster();
    void saveWritesTheMonsterOverItsRecord();
    void addToFileAsksForTheFileAndListsIt();
    void saveIntoAFileChangedSinceOffersReload();
    void closeAfterReloadDuringAReadStaysClosed();
    void toolTipsSayWhatALineIsAndWrap();
    void doubleClickOrEnterLoadsTheRow();
    void markupIsShownAsText();
};

void BrowserTest::everyLineEndingEndsALine_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("items");
    const QStringList three{"a", "b", "c"};
    QTest::newRow("CRLF") << QByteArray("a\r\nb\r\nc\r\n") << three;
    QTest::newRow("LF") << QByteArray("a\nb\nc\n") << three;
    QTest::newRow("CR") << QByteArray("a\rb\rc\r") << three;
    QTest::newRow("mixed, no final terminator") << QByteArray("a\nb\r\nc") << three;
    QTest::newRow("blank and comment lines are items")
        << QByteArray("// header\n\n1001,A\n") << QStringList{"// header", "", "1001,A"};
}

void BrowserTest::everyLineEndingEndsALine()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, items);
    UiSession session;
    session.open(session.writeFile("db.txt", bytes));
    QVERIFY(existingBrowser() && existingBrowser()->isVisible());
    QCOMPARE(itemsOf(existingBrowser()), items);
    QCOMPARE(existingBrowser()->windowTitle(), QStringLiteral("Database Browser"));
    QVERIFY(!existingBrowser()->parentWidget());
}

void BrowserTest::secondFileComesFirst()
{
    UiSession session;
    session.open(session.writeFile("one.txt", "1\n2\n3\n"));
    // The list model keeps Qt's rules through every insertion.
    QAbstractItemModelTester tester(existingBrowser()->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    session.open(session.writeFile("two.txt", "4\n5\n6\n"));
    QCOMPARE(itemsOf(existingBrowser()), (QStringList{"4", "5", "6", "1", "2", "3"}));
    session.open(session.writeFile("one.txt", "1\n2\n3\n")); // the same file: in its place
    QCOMPARE(itemsOf(existingBrowser()), (QStringList{"4", "5", "6", "1", "2", "3"}));

    existingBrowser()->close();
    flushDeletes();
    session.open(session.writeFile("two.txt", "4\n5\n6\n"));
    QCOMPARE(itemsOf(existingBrowser()), (QStringList{"4", "5", "6"})); // a fresh list
}

void BrowserTest::emptyFileShowsTheBrowser()
{
    UiSession session;
    session.open(session.writeFile("empty.txt", ""));
    QVERIFY(existingBrowser() && existingBrowser()->isVisible());
    QVERIFY(itemsOf(existingBrowser()).isEmpty());
}

void BrowserTest::unreadablePathsAreReported_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message"); // empty: silent
    QTest::newRow("cancelled dialog") << "cancel"
                                      << "";
    QTest::newRow("missing file") << "missing"
                                  << "could not be opened: no such file.";
    QTest::newRow("folder") << "folder"
                            << "could not be opened: it is a folder.";
    QTest::newRow("named pipe") << "fifo"
                                << "could not be opened: it is not a regular file.";
#ifdef Q_OS_WIN
    // Held open by another program that shares it with nobody.
    QTest::newRow("unreadable file") << "unreadable"
                                     << "could not be opened: it is being used by another program.";
#else
    QTest::newRow("unreadable file") << "unreadable"
                                     << "could not be opened: ";
#endif
}

void BrowserTest::unreadablePathsAreReported()
{
    QFETCH(QString, kind);
    QFETCH(QString, message);
    UiSession session;
    QString path;
    if (kind == QLatin1String("missing")) {
        path = session.writeFile("x.txt", "") + QStringLiteral(".gone");
    } else if (kind == QLatin1String("folder")) {
        path = QFileInfo(session.writeFile("x.txt", "")).absolutePath();
    } else if (kind == QLatin1String("fifo")) {
#ifdef Q_OS_UNIX
        path = session.writeFile("x.txt", "") + QStringLiteral(".fifo");
        QVERIFY(mkfifo(path.toLocal8Bit().constData(), 0600) == 0);
#else
        QSKIP("named pipes live outside the file system on Windows");
#endif
    }
#ifdef Q_OS_WIN
    std::unique_ptr<void, decltype(&CloseHandle)> lock(INVALID_HANDLE_VALUE, &CloseHandle);
#endif
    if (kind == QLatin1String("unreadable")) {
        path = session.writeFile("x.txt", "1\n");
#ifdef Q_OS_UNIX
        if (geteuid() == 0)
            QSKIP("root reads every file");
        QVERIFY(chmod(path.toLocal8Bit().constData(), 0) == 0);
#else
        // Held open by another program that shares it with nobody.
        lock.reset(CreateFileW(reinterpret_cast<const wchar_t *>(path.utf16()), GENERIC_READ, 0,
                               nullptr, OPEN_EXISTING, 0, nullptr));
        QVERIFY(lock.get() != INVALID_HANDLE_VALUE);
#endif
    }
    session.open(path); // an empty path is what a cancelled dialog yields
    QVERIFY(!existingBrowser());
    const QStringList told = message.isEmpty() ? QStringList() : QStringList{message};
    auto expectTold = [&] {
        QCOMPARE(session.platform.messages.size(), told.size());
        for (const QString &text : std::as_const(session.platform.messages))
            QVERIFY2(text.contains(message) && text.contains(QDir::toNativeSeparators(path)),
                     qPrintable(text));
        session.platform.messages.clear();
    };
    expectTold();

    // With a browser already open and closed off screen, its lines stay.
    session.open(session.writeFile("db.txt", "1\n2\n"));
    existingBrowser()->hide();
    session.open(path);
    QCOMPARE(itemsOf(existingBrowser()), (QStringList{"1", "2"}));
    QVERIFY(!existingBrowser()->isVisible());
    expectTold();
}

void BrowserTest::newLinesAreInView()
{
    UiSession session;
    QByteArray many;
    for (int i = 0; i < 500; ++i)
        many += QByteArray::number(i) + '\n';
    session.open(session.writeFile("one.txt", many));
    control<QListView>(existingBrowser(), "lstDB")->scrollToBottom();
    session.open(session.writeFile("two.txt", "first\nsecond\n"));
    QCOMPARE(control<QListView>(existingBrowser(), "lstDB")->indexAt(QPoint(2, 2)).row(), 0);
}

// What a file manager drops, or names on the command line, opens as File > Open.
void BrowserTest::droppedFilesOpenInOrder()
{
    UiSession session;
    QString one = session.writeFile("one.txt", "1\n");
    const QString two = session.writeFile("two.txt", "2\n");
    QUrl first = QUrl::fromLocalFile(one);
#ifdef Q_OS_UNIX
    // A name from an old archive, not UTF-8: opened by its own bytes.
    const QByteArray latin1 = QFile::encodeName(one).replace("one.txt", "espa\xF1ol.txt");
    QVERIFY(::rename(QFile::encodeName(one).constData(), latin1.constData()) == 0);
    first = QUrl::fromEncoded("file://" + latin1.toPercentEncoding("/"));
    one = grimlark::ui::pathFromNative(latin1);
#endif
    auto *data = new QMimeData;
    data->setUrls({first, QUrl::fromLocalFile(two + QStringLiteral(".gone"))});
    data->setText(QStringLiteral("not for the field"));
    // Dropped on a field: the files open, the field keeps its text.
    auto *field = control<QLineEdit>(session.editor, "txtSP");
    const QString before = field->text();
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(field, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(field, &drop);
    QCOMPARE(field->text(), before);
    QTRY_VERIFY(existingBrowser());
    QTRY_COMPARE(session.platform.messages.size(), 1); // the missing second file, reported
    QCOMPARE(itemsOf(existingBrowser()), QStringList{"1"});

    // Listed in the order named, above the rest; the one listed already is
    // read again in its own place.
    session.editor->openFiles({two, one});
    session.waitForReads();
    QCOMPARE(itemsOf(existingBrowser()), (QStringList{"2", "1"}));

    // Dropped on the browser's list: opened the same way, listed first.
    data->setUrls({QUrl::fromLocalFile(session.writeFile("three.txt", "3\n"))});
    QWidget *list = control<QListView>(existingBrowser(), "lstDB")->viewport();
    QDragEnterEvent onList(QPoint(5, 5), Qt::CopyAction, data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(list, &onList);
    QVERIFY(onList.isAccepted());
    QDropEvent dropOnList(QPointF(5, 5), Qt::CopyAction, data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(list, &dropOnList);
    QTRY_COMPARE(itemsOf(existingBrowser()).size(), 3);
    session.waitForReads();
    QCOMPARE(itemsOf(existingBrowser()), (QStringList{"3", "2", "1"}));

    // Dropped on Code Output's line: opened too, and the line keeps its text.
    control<QAction>(session.editor, "mnuTextGen")->trigger();
    auto *line = control<LineTextBox>(window<frmOutput>(), "txtMobInfo");
    data->setUrls({QUrl::fromLocalFile(session.writeFile("four.txt", "4\n"))});
    QDragEnterEvent onLine(QPoint(5, 5), Qt::CopyAction, data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(line->viewport(), &onLine);
    QVERIFY(onLine.isAccepted());
    QDropEvent dropOnLine(QPointF(5, 5), Qt::CopyAction, data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(line->viewport(), &dropOnLine);
    QTRY_COMPARE(itemsOf(existingBrowser()).size(), 4);
    QCOMPARE(line->toPlainText(), session.editor->strGen);
    delete data;
}

void BrowserTest::dialogRemembersTheLastPath()
{
    UiSession session;
    const QString path = session.writeFile("db.txt", "1\n");
    session.open(path);
    control<QAction>(session.editor, "mnuOpen")->trigger(); // cancelled
    control<QAction>(session.editor, "mnuOpen")->trigger();
#ifdef Q_OS_WIN
    const QString first = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
#else
    const QString first;
#endif
    QCOMPARE(session.platform.openStartPaths, (QStringList{first, path, path}));
    QCOMPARE(
        session.platform.openFilters.first(),
        QStringLiteral("Database files (*.txt *.sql *.yml);;Text files (*.txt);;All Files (*.*)"));
    // As the dialogs that match case-sensitively get it.
    QCOMPARE(
        grimlark::ui::windowsLikeFilter(session.platform.openFilters.first()),
        QStringLiteral("Database files (*.[tT][xX][tT] *.[sS][qQ][lL] *.[yY][mM][lL]);;Text files "
                       "(*.[tT][xX][tT]);;All Files (*)"));
}

void BrowserTest::nonUtf8FileLoadsByteForCharacter()
{
    UiSession session;
    QByteArray line = kPoring;
    line.replace("PORING", "P\xE9RING"); // Latin-1 e acute: not UTF-8
    // One UTF-8 line beside it stays UTF-8: each line is decoded on its own.
    session.open(
        session.writeFile("latin1.txt", "// r\xE9sum\xE9\n" + line + "\n// caf\xC3\xA9\n"));
    frmBrowser *browser = existingBrowser();
    QCOMPARE(itemsOf(browser).constFirst(), QString::fromLatin1("// r\xE9sum\xE9"));
    QCOMPARE(itemsOf(browser).constLast(), QStringLiteral("// caf\u00E9"));
    select(browser, 1);
    QTest::mouseClick(control<QPushButton>(browser, "cmdLoad"), Qt::LeftButton);
    QCOMPARE(control<QLineEdit>(session.editor, "txtName")->text(),
             QString::fromLatin1("P\xE9RING"));
    QCOMPARE(session.generateTextEntry(), QString::fromLatin1(line));
}

void BrowserTest::loadingFillsTheEditor()
{
    UiSession session;
    session.open(session.writeFile("db.txt", "// monsters\n" + kPoring + "\n"));
    frmBrowser *browser = existingBrowser();
    select(browser, 1);
    QCOMPARE(control<QLineEdit>(session.editor, "txtID")->text(),
             QStringLiteral("7000")); // clicking only selects
    control<QPushButton>(browser, "cmdLoad")->setFocus();
    QTest::keyClick(control<QPushButton>(browser, "cmdLoad"),
                    Qt::Key_Return); // Enter presses the focused button

    frmMain *editor = session.editor;
    QVERIFY(session.platform.messages.isEmpty());
    QCOMPARE(control<QLineEdit>(editor, "txtID")->text(), QStringLiteral("1002"));
    QCOMPARE(control<QLineEdit>(editor, "txtJName")->text(), QStringLiteral("Poring"));
    QVERIFY(control<QCheckBox>(editor, "chkCanMove")->isChecked() &&
            control<QCheckBox>(editor, "chkLooter")->isChecked() &&
            control<QCheckBox>(editor, "chkCanAttack")->isChecked() &&
            !control<QCheckBox>(editor, "chkAggressive")->isChecked());
    QCOMPARE(session.generateTextEntry(), QString::fromLatin1(kPoring));

    // A U+FEFF that starts a field is a character of it, not a byte-order mark.
    QByteArray marked = kPoring;
    marked.replace(",PORING,", ",\xEF\xBB\xBFPORING,");
    session.open(session.writeFile("marked.txt", marked + "\n"));
    select(browser, 0);
    QTest::mouseClick(control<QPushButton>(browser, "cmdLoad"), Qt::LeftButton);
    QCOMPARE(control<QLineEdit>(editor, "txtName")->text(), QStringLiteral("\uFEFFPORING"));
    QCOMPARE(session.generateTextEntry().toUtf8(), marked);
}

void BrowserTest::refusedLinesLeaveTheEditorAsItWas_data()
{
    QTest::addColumn<QByteArray>("line"); // empty: select nothing
    QTest::addColumn<QString>("message");
    QByteArray badMode = kPoring;
    badMode.replace(",131,", ",abc,");
    QByteArray badScale = kPoring;
    badScale.replace(",12,1,3,", ",12,7,3,");

    QTest::newRow("comment line") << QByteArray("//1002,PORING")
                                  << "Commented lines cannot be loaded into the editor.";
    QTest::newRow("nothing selected") << QByteArray() << "Select a line";
    QTest::newRow("blank line selected") << QByteArray("\n") << "The selected line is empty";
    QTest::newRow("too few fields") << QByteArray("1002,PORING,Poring") << "fields";
    QTest::newRow("Mode not a number") << badMode << "The Mode value \"abc\" is not a number";
    QTest::newRow("Scale outside its list") << badScale << "The Scale value \"7\"";
}

void BrowserTest::refusedLinesLeaveTheEditorAsItWas()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, message);
    UiSession session;
    control<QLineEdit>(session.editor, "txtID")->setText(QStringLiteral("edited"));
    control<QComboBox>(session.editor, "cmbRace")->setCurrentIndex(4);
    control<QCheckBox>(session.editor, "chkBoss")->setChecked(true);
    const grimlark::MonsterEntry before = session.editor->readEntry();

    session.open(session.writeFile("db.txt", (line.isEmpty() ? kPoring : line) + "\n"));
    if (!line.isEmpty())
        select(existingBrowser(), 0);
    QTest::mouseClick(control<QPushButton>(existingBrowser(), "cmdLoad"), Qt::LeftButton);

    QCOMPARE(session.platform.messages.size(), 1);
    QVERIFY2(session.platform.messages.first().contains(message),
             qPrintable(session.platform.messages.first()));
    QVERIFY(session.editor->readEntry() == before);
}

void BrowserTest::badInputNeverHarmsTheFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("setup");   // how the path is made unusable, if at all
    QTest::addColumn<int>("items");       // -1: no browser
    QTest::addColumn<QString>("message"); // what the user is told, if anything

    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary.append(char(i * 37 % 256));
    QTest::newRow("binary file") << binary << ""
                                 << int(binary.count('\n') + binary.count('\r') -
                                        binary.count("\r\n") + 1)
                                 << "";
    QTest::newRow("NUL bytes") << QByteArray("a\0b\n\0\n", 6) << "" << 2 << "";
    QTest::newRow("10 MB single line") << QByteArray(10 << 20, 'x') << "" << 1 << "";
    QTest::newRow("invalid UTF-8") << QByteArray("\xC3\x28\n\xFF\n") << "" << 2 << "";
    QTest::newRow("10,000 commas") << QByteArray(10000, ',') << "" << 1 << "";
    QTest::newRow("path over 260 characters") << QByteArray("1\n2\n") << "long" << 2 << "";
    QTest::newRow("deleted after the dialog")
        << QByteArray("1\n") << "deleted" << -1 << "could not be opened: no such file.";
    QTest::newRow("5 GB sparse file")
        << QByteArray("1\n") << "sparse" << -1 << "could not be opened: it is larger than 4 GB.";
    // A pipe put in the file's place after the dialog, with a writer that never
    // writes: opening or reading it would wait for ever.
    QTest::newRow("swapped for a held pipe")
        << QByteArray("1\n") << "pipe" << -1 << "could not be opened: it is not a regular file.";
}

void BrowserTest::badInputNeverHarmsTheFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, setup);
    QFETCH(int, items);
    QFETCH(QString, message);
    UiSession session;
    QString name = QStringLiteral("db.txt");
    if (setup == QLatin1String("long")) {
        const QString base = QFileInfo(session.writeFile("x", "")).absolutePath();
        const QString deep = QString(60, QLatin1Char('d')) + QStringLiteral("/") +
                             QString(60, QLatin1Char('e')) + QStringLiteral("/") +
                             QString(60, QLatin1Char('f')) + QStringLiteral("/") +
                             QString(60, QLatin1Char('g'));
        QVERIFY(QDir(base).mkpath(deep));
        name = deep + QStringLiteral("/db.txt");
    }
    const QString path = session.writeFile(name, bytes);
    QVERIFY(setup != QLatin1String("long") || path.size() > 260);
    const QDateTime modified = QFileInfo(path).lastModified();
    if (setup == QLatin1String("deleted"))
        QVERIFY(QFile::remove(path));
    if (setup == QLatin1String("sparse"))
        QVERIFY(QFile::resize(path, qint64(5) << 30));
    [[maybe_unused]] int writer = -1;
    if (setup == QLatin1String("pipe")) {
#ifdef Q_OS_UNIX
        QVERIFY(QFile::remove(path) && mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        writer = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
        QVERIFY(writer >= 0);
#else
        QSKIP("named pipes live outside the file system on Windows");
#endif
    }

    session.open(path);
#ifdef Q_OS_UNIX
    if (writer >= 0)
        ::close(writer);
#endif
    if (message.isEmpty()) {
        QVERIFY(session.platform.messages.isEmpty());
    } else {
        QCOMPARE(session.platform.messages.size(), 1);
        QVERIFY2(session.platform.messages.first().contains(message),
                 qPrintable(session.platform.messages.first()));
    }
    if (items < 0) {
        QVERIFY(!existingBrowser());
        return;
    }
    QVERIFY(existingBrowser() && existingBrowser()->isVisible());
    QCOMPARE(control<QListView>(existingBrowser(), "lstDB")->model()->rowCount(), items);
    // Load the first line: refused or loaded, never a crash.
    select(existingBrowser(), 0);
    QTest::mouseClick(control<QPushButton>(existingBrowser(), "cmdLoad"), Qt::LeftButton);

    QFile file(path); // Grimlark never writes a file
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), bytes);
    QCOMPARE(QFileInfo(path).lastModified(), modified);
}

void BrowserTest::legacyEncodingsAreDecoded_data()
{
    QTest::addColumn<int>("fixture");
    for (int i = 0; i < int(std::size(kLegacyFixtures)); ++i)
        QTest::newRow(kLegacyFixtures[i].encoding) << i;
}

// A Japanese server's names arrive in their own script, and leave in UTF-8; the
// user can read the file in another encoding from the line's menu.
void BrowserTest::legacyEncodingsAreDecoded()
{
    QFETCH(int, fixture);
    const LegacyFixture &names = kLegacyFixtures[fixture];
    UiSession session;
    session.open(session.writeFile("legacy.txt", QByteArray::fromStdString(legacyFile(names))));
    frmBrowser *browser = existingBrowser();
    const QString name = QString::fromUtf8(names.firstName);
    QVERIFY2(itemsOf(browser).constFirst().contains(name),
             qPrintable(itemsOf(browser).constFirst()));
    select(browser, 0);
    QTest::mouseClick(control<QPushButton>(browser, "cmdLoad"), Qt::LeftButton);
    QCOMPARE(control<QLineEdit>(session.editor, "txtJName")->text(), name);
    // The statement holds the name in the file's own bytes, as the server's
    // table holds the rest of the file's names.
    control<QAction>(session.editor, "mnuSQLGen")->trigger();
    const std::string bytes(names.names, std::strcspn(names.names, ";"));
    const QString hex = QString::fromLatin1(QByteArray::fromStdString(bytes).toHex().toUpper());
    QVERIFY2(session.editor->strGen.contains(QStringLiteral(",X'%1',").arg(hex)),
             qPrintable(session.editor->strGen));

    auto *model = browser->model();
    QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model->setEncodingAt(0, grimlark::kLegacyEncodings[fixture == 0 ? 1 : 0]);
    QVERIFY(!itemsOf(browser).constFirst().contains(name));
}

void BrowserTest::findSelectsTheNextLineHoldingTheText()
{
    UiSession session;
    session.open(
        session.writeFile("db.txt", "// monsters\n1001,SCORPION\n1002,PORING\n1003,poring\n"));
    frmBrowser *browser = existingBrowser();
    QTest::keyClick(control<QListView>(browser, "lstDB"), Qt::Key_F, Qt::ControlModifier);
    auto *find = browser->findChild<QDialog *>("dlgFind");
    QVERIFY(find && find->isVisible());
    find->findChild<QLineEdit *>("txtFindWhat")->setText(QStringLiteral("PORING"));
    QTest::mouseClick(find->findChild<QPushButton *>("cmdFindNext"), Qt::LeftButton);
    QCOMPARE(control<QListView>(browser, "lstDB")->currentIndex().row(), 2);
    QTest::keyClick(control<QListView>(browser, "lstDB"), Qt::Key_F3); // any case: the next one
    QCOMPARE(control<QListView>(browser, "lstDB")->currentIndex().row(), 3);
    find->findChild<QCheckBox *>("chkMatchCase")->setChecked(true);
    QTest::keyClick(control<QListView>(browser, "lstDB"), Qt::Key_F3,
                    Qt::ShiftModifier); // back, this case only
    QCOMPARE(control<QListView>(browser, "lstDB")->currentIndex().row(), 2);
    QVERIFY(session.platform.messages.isEmpty());
    // F3 from the dialog too; going round the list is said there.
    find->findChild<QCheckBox *>("chkMatchCase")->setChecked(false);
    QTest::keyClick(find->findChild<QLineEdit *>("txtFindWhat"), Qt::Key_F3);
    QTest::keyClick(find->findChild<QLineEdit *>("txtFindWhat"), Qt::Key_F3);
    QCOMPARE(control<QListView>(browser, "lstDB")->currentIndex().row(), 2);
    QCOMPARE(find->findChild<QLabel *>("lblStatus")->text(),
             QStringLiteral("Passed the end of the list: found from the top."));

    find->findChild<QLineEdit *>("txtFindWhat")->setText(QStringLiteral("MARTIN"));
    QTest::mouseClick(find->findChild<QPushButton *>("cmdFindNext"), Qt::LeftButton);
    QCOMPARE(session.platform.messages, QStringList{"Cannot find \"MARTIN\"."});
    QCOMPARE(control<QListView>(browser, "lstDB")->currentIndex().row(), 2);
}

// A double-click or Enter on a row loads it as the button does; hovering shows
// the whole line, where it comes from, markup as written.
void BrowserTest::doubleClickOrEnterLoadsTheRow()
{
    QByteArray marked = kPoring;
    marked.replace("Poring", "<b>Poring</b>");
    UiSession session;
    session.open(session.writeFile("db.txt", "// monsters\n" + marked + "\n" + kPoring + "\n"));
    frmBrowser *browser = existingBrowser();
    const QModelIndex row = control<QListView>(browser, "lstDB")->model()->index(1, 0);
    select(browser, 1); // a double-click begins with a click
    QTest::mouseDClick(control<QListView>(browser, "lstDB")->viewport(), Qt::LeftButton, {},
                       control<QListView>(browser, "lstDB")->visualRect(row).center());
    QCOMPARE(control<QLineEdit>(session.editor, "txtJName")->text(),
             QStringLiteral("<b>Poring</b>"));
    select(browser, 2);
    QTest::keyClick(control<QListView>(browser, "lstDB"), Qt::Key_Return);
    QCOMPARE(control<QLineEdit>(session.editor, "txtJName")->text(), QStringLiteral("Poring"));
    const QString tip = row.data(Qt::ToolTipRole).toString();
    QVERIFY2(tip.contains("db.txt</b>, line 2: classic layout") &&
                 tip.contains("&lt;b&gt;Poring&lt;/b&gt;"),
             qPrintable(tip));
}

// A read that hangs inside the system shows its progress after half a second;
// Cancel ends it at once, lists nothing and says nothing; the next file reads.
void BrowserTest::stalledReadIsCancelledAtOnce()
{
    UiSession session;
    session.platform.stallReads = true;
    // Never made: the stalled reader does not look at it (nor could Windows name it).
    session.platform.openAnswers << QFileInfo(session.writeFile("x", "")).absolutePath() +
                                        QStringLiteral("/<b>stuck.txt");
    control<QAction>(session.editor, "mnuOpen")->trigger();
    QDialog *progress = nullptr;
    QTRY_VERIFY((progress = session.editor->findChild<QDialog *>("dlgProgress")) &&
                progress->isVisible());
    const auto *label = progress->findChild<QLabel *>("lblReading");
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QVERIFY(label->text().contains("<b>stuck.txt"));
    QTest::mouseClick(progress->findChild<QPushButton *>("cmdCancel"), Qt::LeftButton);
    QVERIFY(!session.editor->isReading());
    QVERIFY(!existingBrowser());
    QVERIFY(session.platform.messages.isEmpty());

    session.platform.stallReads = false;
    session.open(session.writeFile("db.txt", "2\n"));
    QCOMPARE(itemsOf(existingBrowser()), QStringList{"2"});
}

void BrowserTest::failedReadIsReported_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("message");
    QTest::newRow("I/O error part-way")
        << int(grimlark::ReadStatus::ReadFailed) << EIO << "could not be read: ";
    QTest::newRow("shrank while read") << int(grimlark::ReadStatus::Changed) << 0
                                       << "could not be read: it changed while it was being read.";
    QTest::newRow("UTF-16") << int(grimlark::ReadStatus::Unsupported) << 0
                            << "could not be opened: ";
}

// A read that fails on its thread is told over the editor, names the file and
// lists nothing; the next file reads as usual.
void BrowserTest::failedReadIsReported()
{
    QFETCH(int, status);
    QFETCH(int, error);
    QFETCH(QString, message);
    UiSession session;
    session.platform.readOutcome = {grimlark::ReadStatus(status), error};
    const QString path = session.writeFile("mob_db.txt", "1\n");
    session.open(path);
    QVERIFY(!existingBrowser());
    QCOMPARE(session.platform.messages.size(), 1);
    const QString told = session.platform.messages.takeFirst();
    QVERIFY2(told.contains(message) && told.contains(QDir::toNativeSeparators(path)),
             qPrintable(told));

    session.platform.readOutcome = {};
    session.open(path);
    QCOMPARE(itemsOf(existingBrowser()), QStringList{"1"});
}

// An editor in the middle of the screen leaves no side room for the browser:
// it goes where it covers the least of the editor, whole on the screen and
// never over the editor's title, menu, ID and names.
void BrowserTest::browserStaysOnScreenWhereNoSideHasRoom()
{
    UiSession session;
    const QRect room = session.editor->screen()->availableGeometry();
    const QRect editor = session.editor->frameGeometry();
    session.editor->move(room.center() - QPoint(editor.width(), editor.height()) / 2);
    QTRY_VERIFY(session.editor->frameGeometry().center() != editor.center() ||
                editor.center() == room.center());
    session.open(session.writeFile("db.txt", "1\n"));
    const QRect browser = existingBrowser()->frameGeometry();
    const auto *names = control<QLineEdit>(session.editor, "txtJName");
    const QRect kept(session.editor->frameGeometry().topLeft(),
                     names->mapToGlobal(QPoint(names->width() - 1, names->height() - 1)));
    QVERIFY2(room.contains(browser), "on the screen");
    QVERIFY2(!browser.intersects(kept), "clear of the editor's bars, ID and names");
}

// Markup in a file's name or a field is shown as the characters it is.
void BrowserTest::markupIsShownAsText()
{
    UiSession session;
    grimlark::ui::Platform::setCurrent(nullptr); // the real message box
    QString shown;
    Qt::TextFormat format = Qt::AutoText;
    QTimer closer; // answers the box from inside its own event loop
    connect(&closer, &QTimer::timeout, &closer, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            shown = box->text();
            format = box->textFormat();
            box->accept();
        }
    });
    closer.start(10);
    const QString path = QFileInfo(session.writeFile("x", "")).absolutePath() +
                         QStringLiteral("/<img src=x><a href=\"http:&#47;&#47;e\">.txt");
    session.editor->OpenDatabasePath(path); // missing: refused in a message
    session.waitForReads();
    grimlark::ui::Platform::setCurrent(&session.platform);
    QCOMPARE(format, Qt::PlainText);
    QVERIFY2(shown.contains(QStringLiteral("<img src=x><a href=")), qPrintable(shown));
}

// Where a file's lines begin is marked; the same file opened again takes its
// own place, with a word; a file is reloaded or closed alone; a dump's line
// counts for the ID already in an open file.
void BrowserTest::eachFileStandsApartAndReloadsInPlace()
{
    UiSession session;
    const QString one = session.writeFile("one.txt", "1001,A\n1002,B\n");
    const QString dump =
        session.writeFile("dump.sql", "INSERT INTO `mob_db` VALUES (1500,'DUMPED','Dumped');\n");
    session.editor->openFiles({one, dump});
    session.waitForReads();
    auto *model = control<QListView>(existingBrowser(), "lstDB")->model();
    QCOMPARE(model->rowCount(), 3);
    QVERIFY(!model->index(1, 0).data(grimlark::ui::DatabaseListModel::FirstOfFileRole).toBool());
    QVERIFY(model->index(2, 0).data(grimlark::ui::DatabaseListModel::FirstOfFileRole).toBool());
    QVERIFY(existingBrowser()->whereIsId(QStringLiteral("1500")).contains(QLatin1String("DUMPED")));

    QFile file(one);
    QVERIFY(file.open(QIODevice::Append) && file.write("1003,C\n") > 0);
    file.close();
    session.open(one);
    QCOMPARE(itemsOf(existingBrowser()), (QStringList{"1001,A", "1002,B", "1003,C",
                                                      "INSERT INTO `mob_db` VALUES "
                                                      "(1500,'DUMPED','Dumped');"}));
    QCOMPARE(session.platform.messages.size(), 1);
    QVERIFY(session.platform.messages.takeFirst().contains(QLatin1String("open already")));

    auto *browser = existingBrowser();
    auto *model2 = browser->model();
    const int id = model2->fileIdAt(3);
    emit browser->reloadRequested(model2->pathOf(id)); // as the line's menu asks
    session.waitForReads();
    QVERIFY(session.platform.messages.isEmpty());
    // A reload that fails leaves no intent behind: opening the file later is
    // told as any reopening.
    QVERIFY(QFile::rename(dump, dump + QStringLiteral(".away")));
    emit browser->reloadRequested(dump);
    session.waitForReads();
    QCOMPARE(session.platform.messages.size(), 1);
    QVERIFY(session.platform.messages.takeFirst().contains(QLatin1String("could not be")));
    QVERIFY(QFile::rename(dump + QStringLiteral(".away"), dump));
    session.open(dump);
    QCOMPARE(session.platform.messages.size(), 1);
    QVERIFY(session.platform.messages.takeFirst().contains(QLatin1String("open already")));
    model2->removeFile(model2->fileIdAt(0)); // as "Close This File" does
    QCOMPARE(itemsOf(browser).size(), 1);
}

// mysqldump writes many rows a statement: each is listed, loads, and is found
// at its statement's line.
void BrowserTest::aDumpListsEachRowOfAStatement()
{
    UiSession session;
    std::string rows;
    for (const char *id : {"1002", "1003", "1004"}) {
        grimlark::MonsterEntry entry = grimlark::startupEntry();
        entry.ID = id;
        const std::string row(grimlark::rowOf(grimlark::BuildSqlEntry(entry)));
        const std::size_t open = row.find('(');
        rows += (rows.empty() ? "" : ",") + row.substr(open, row.rfind(')') + 1 - open);
    }
    session.open(session.writeFile(
        "dump.sql",
        QByteArray::fromStdString("-- MySQL dump\nINSERT INTO `mob_db` VALUES " + rows + "\n")));
    QCOMPARE(existingBrowser()->model()->rowCount(), 4);
    select(existingBrowser(), 2);
    QTest::mouseClick(control<QPushButton>(existingBrowser(), "cmdLoad"), Qt::LeftButton);
    QCOMPARE(control<QLineEdit>(session.editor, "txtID")->text(), QStringLiteral("1003"));
    QVERIFY(existingBrowser()->whereIsId(QStringLiteral("1004")).endsWith(QLatin1String("line 2")));
}

// rAthena's YAML database lists a row a monster, its frame apart; a
// monster loads into the boxes and generates back as it was written.
void BrowserTest::aYamlDatabaseListsEachMonster()
{
    UiSession session;
    const QByteArray poring = "  - Id: 1002\n"
                              "    AegisName: PORING\n"
                              "    Name: Poring # the pink one\n"
                              "    Ai: 02\n"
                              "    Drops:\n"
                              "      - Item: Jellopy\n"
                              "        Rate: 7000";
    session.open(session.writeFile("mob_db.yml", "Header:\n  Type: MOB_DB\n  Version: 5\nBody:\n" +
                                                     poring + "\n  - Id: 1003\n    Name: X\n"));
    QCOMPARE(existingBrowser()->model()->rowCount(), 6);
    select(existingBrowser(), 4);
    QTest::mouseClick(control<QPushButton>(existingBrowser(), "cmdLoad"), Qt::LeftButton);
    QVERIFY(session.platform.messages.isEmpty());
    QCOMPARE(control<QLineEdit>(session.editor, "txtName")->text(), QStringLiteral("PORING"));
    QVERIFY(control<QCheckBox>(session.editor, "chkLooter")->isChecked());
    QCOMPARE(session.generateTextEntry().toUtf8(), poring);
    QVERIFY(
        existingBrowser()->whereIsId(QStringLiteral("1003")).endsWith(QLatin1String("line 12")));
    QVERIFY(control<QLineEdit>(session.editor, "txtDropID1")->toolTip().isEmpty());

    // With its server's item database beside it, read with the file, each
    // drop box names its item, as plain text.
    QDir(QFileInfo(session.writeFile("first.txt", {})).absolutePath()).mkpath(QStringLiteral("db"));
    session.writeFile("db/item_db_etc.yml", "Header:\n  Type: ITEM_DB\n  Version: 3\nBody:\n"
                                            "  - Id: 909\n    AegisName: Jellopy\n"
                                            "    Name: Jelly <b>\n");
    session.open(session.writeFile(
        "db/mob_db.yml", "Header:\n  Type: MOB_DB\n  Version: 5\nBody:\n" + poring + "\n"));
    select(existingBrowser(), 4);
    QTest::mouseClick(control<QPushButton>(existingBrowser(), "cmdLoad"), Qt::LeftButton);
    QCOMPARE(control<QLineEdit>(session.editor, "txtDropID1")->toolTip(),
             QStringLiteral("<p>909: Jellopy (Jelly &lt;b&gt;)</p>"));
    // Into a layout of numbered items, the drops turn into the items' IDs.
    control<QAction>(session.editor, "mnuLayoutRAthena")->trigger();
    QCOMPARE(control<QLineEdit>(session.editor, "txtDropID1")->text(), QStringLiteral("909"));
    QVERIFY(session.generateTextEntry().startsWith(QLatin1String("1002,PORING,Poring,Poring,1,")));
}

// An import file's entry of an Id the open main database holds loads as
// rAthena makes it of the two, and is written back as its own keys.
void BrowserTest::anImportEntryLoadsOverTheMainOne()
{
    UiSession session;
    const QByteArray header = "Header:\n  Type: MOB_DB\n  Version: 5\nBody:\n";
    const QByteArray poring = "  - Id: 1002\n    Hp: 99";
    QDir(QFileInfo(session.writeFile("first.txt", {})).absolutePath())
        .mkpath(QStringLiteral("import"));
    session.open(session.writeFile("main.yml", header + "  - Id: 1002\n    AegisName: PORING\n"
                                                        "    Name: Poring\n    Level: 3\n"));
    session.open(session.writeFile("import/mob_db.yml", header + poring + "\n"));
    select(existingBrowser(), 4);
    QTest::mouseClick(control<QPushButton>(existingBrowser(), "cmdLoad"), Qt::LeftButton);
    QCOMPARE(control<QLineEdit>(session.editor, "txtName")->text(), QStringLiteral("PORING"));
    QCOMPARE(control<QLineEdit>(session.editor, "txtLvl")->text(), QStringLiteral("3"));
    QCOMPARE(control<QLineEdit>(session.editor, "txtHP")->text(), QStringLiteral("99"));
    QCOMPARE(session.generateTextEntry().toUtf8(), poring);
}

// Hercules' database lists a row a monster, commented-out ones apart; a
// monster loads and comes back as its own bytes, its drops named by the
// item database beside it; a group that inherits it loads over it.
void BrowserTest::saveWritesTheMonsterOverItsRecord()
{
    UiSession session;
    const QString path = session.writeFile(
        "mob_db.txt", QByteArray(kSampleDatabase.data(), qsizetype(kSampleDatabase.size())));
    session.open(path);
    select(existingBrowser(), 2);
    QTest::mouseClick(control<QPushButton>(existingBrowser(), "cmdLoad"), Qt::LeftButton);
    control<QLineEdit>(session.editor, "txtHP")->setText(QStringLiteral("999"));
    control<QAction>(session.editor, "mnuSaveIntoFile")->trigger();
    QByteArray saved = QByteArray(kSampleDatabase.data(), qsizetype(kSampleDatabase.size()));
    saved.replace(",1,50,", ",1,999,");
    const auto contents = [&path] {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    QTRY_COMPARE(contents(), saved);
    // The row shows the record as written, selected; Code Output shows it too.
    QTRY_COMPARE(itemsOf(existingBrowser()).value(2), QString::fromLatin1(saved.split('\n')[2]));
    QCOMPARE(control<QListView>(existingBrowser(), "lstDB")->currentIndex().row(), 2);
    const auto *box = control<LineTextBox>(window<frmOutput>(), "txtMobInfo");
    QCOMPARE(box->exactText(0, box->document()->characterCount()),
             QString::fromLatin1(saved.split('\n')[2]));
    QVERIFY(
        window<frmOutput>()
            ->findChild<QLabel *>("lblWarnings")
            ->text()
            .startsWith(QStringLiteral("Saved into \"%1\", line 3; the file as it was is \"%1~\".")
                            .arg(grimlark::ui::displayPath(path))));
    QVERIFY(session.platform.messages.isEmpty());
}

void BrowserTest::addToFileAsksForTheFileAndListsIt()
{
    UiSession session;
    const QByteArray before = "// monsters\r\n" + kPoring + "\r\n";
    const QString path = session.writeFile("mob_db.txt", before);
    // Poring's ID: asked first, as the file holds it already.
    control<QLineEdit>(session.editor, "txtID")->setText(QStringLiteral("1002"));
    const QString line = session.generateTextEntry();
    session.platform.openAnswers << path;
    session.platform.choiceAnswers = {0}; // Save
    control<QAction>(session.editor, "mnuAddToFile")->trigger();
    QTRY_VERIFY(existingBrowser() && existingBrowser()->isVisible());
    QCOMPARE(session.platform.questions.size(), 1);
    QVERIFY(session.platform.questions[0].contains(QStringLiteral("ID 1002 is also on line 2")));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before + line.toUtf8() + "\r\n");
    QCOMPARE(itemsOf(existingBrowser()), (QStringList{"// monsters", kPoring, line}));
    QCOMPARE(control<QListView>(existingBrowser(), "lstDB")->currentIndex().row(), 2);
    QCOMPARE(session.platform.openTitles, QStringList{"Add To File"});
}

void BrowserTest::saveIntoAFileChangedSinceOffersReload()
{
    UiSession session;
    const QString path = session.writeFile("mob_db.txt", kPoring + "\n");
    session.open(path);
    select(existingBrowser(), 0);
    QTest::mouseClick(control<QPushButton>(existingBrowser(), "cmdLoad"), Qt::LeftButton);
    const QByteArray meanwhile = "// the server's own tools were here\n" + kPoring + "\n";
    session.writeFile("mob_db.txt", meanwhile);
    session.platform.choiceAnswers = {0}; // Reload
    control<QAction>(session.editor, "mnuSaveIntoFile")->trigger();
    QTRY_COMPARE(session.platform.questions.size(), 1);
    QVERIFY(session.platform.questions[0].contains(QStringLiteral("nothing was written")));
    QTRY_COMPARE(itemsOf(existingBrowser()).value(0),
                 QStringLiteral("// the server's own tools were here"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), meanwhile);
}

void BrowserTest::aHerculesDatabaseListsEachMonster()
{
    UiSession session;
    const QByteArray poring = "{\n\tId: 1002\n\tSpriteName: \"PORING\"\n\tName: \"Poring\"\n"
                              "\tDrops: {\n\t\tJellopy: 7000 // the jelly\n\t}\n},";
    session.writeFile("item_db.conf", "item_db: ( { Id: 909 AegisName: \"Jellopy\" Name: "
                                      "\"Jelly <i>\" Script: <\" end; \"> } )\n");
    session.open(
        session.writeFile("mob_db.conf", "mob_db: (\n/*{\n\tId: 1001\n},*/\n" + poring + "\n)\n"));
    QCOMPARE(existingBrowser()->model()->rowCount(), 6);
    select(existingBrowser(), 4);
    QTest::mouseClick(control<QPushButton>(existingBrowser(), "cmdLoad"), Qt::LeftButton);
    QVERIFY(session.platform.messages.isEmpty());
    QCOMPARE(control<QLineEdit>(session.editor, "txtName")->text(), QStringLiteral("PORING"));
    QCOMPARE(session.generateTextEntry().toUtf8(), poring);
    QCOMPARE(control<QLineEdit>(session.editor, "txtDropID1")->toolTip(),
             QStringLiteral("<p>909: Jellopy (Jelly &lt;i&gt;)</p>"));

    // A group of another file that inherits it: that monster under its own
    // settings, written back as its own.
    const QByteArray inherits = "{\n\tId: 1002\n\tInherit: true\n\tLv: 9\n},";
    session.open(session.writeFile("mob_db2.conf", "mob_db: (\n" + inherits + "\n)\n"));
    select(existingBrowser(), 1);
    QTest::mouseClick(control<QPushButton>(existingBrowser(), "cmdLoad"), Qt::LeftButton);
    QCOMPARE(control<QLineEdit>(session.editor, "txtName")->text(), QStringLiteral("PORING"));
    QCOMPARE(control<QLineEdit>(session.editor, "txtLvl")->text(), QStringLiteral("9"));
    QCOMPARE(session.generateTextEntry().toUtf8(), inherits);
}

// The line the monster was loaded from is not "already in an open file";
// another file's line of the ID is.
void BrowserTest::theLoadedLineIsNoOtherMonster()
{
    UiSession session;
    const QByteArray poring = QByteArray::fromStdString(grimlark::test::sampleLine("1002"));
    session.open(session.writeFile("mob_db.txt", poring + "\n"));
    select(existingBrowser(), 0);
    QTest::mouseClick(control<QPushButton>(existingBrowser(), "cmdLoad"), Qt::LeftButton);
    control<QAction>(session.editor, "mnuTextGen")->trigger();
    auto *warnings = window<frmOutput>()->findChild<QLabel *>("lblWarnings");
    QVERIFY2(!warnings->text().contains(QLatin1String("open file")), qPrintable(warnings->text()));

    session.open(session.writeFile("mob_db2.txt", poring + "\n"));
    control<QAction>(session.editor, "mnuTextGen")->trigger();
    QVERIFY2(warnings->text().contains(QLatin1String("mob_db2.txt line 1")),
             qPrintable(warnings->text()));
}

// Reload This File, then Close This File, while another file is read: the
// file stays closed, and opening it twice later still says it was open.
void BrowserTest::closeAfterReloadDuringAReadStaysClosed()
{
    UiSession session;
    const QString one = session.writeFile("one.txt", "1001,A\n");
    const QString other = session.writeFile("other.txt", "1002,B\n");
    session.open(one);
    frmBrowser *browser = existingBrowser();
    auto *list = control<QListView>(browser, "lstDB");
    const QPoint firstLine = list->visualRect(list->model()->index(0, 0)).center();
    auto lineMenuAction = [&](const char *name) {
        emit list->customContextMenuRequested(firstLine);
        auto *menu = browser->findChild<QMenu *>(QStringLiteral("mnuLine"));
        QAction *action = menu ? menu->findChild<QAction *>(QString::fromLatin1(name)) : nullptr;
        if (action)
            action->trigger();
        if (menu)
            menu->close();
        return action != nullptr;
    };
    session.editor->OpenDatabasePath(other); // read while the rest is asked for
    QVERIFY(lineMenuAction("mnuReloadFile"));
    QVERIFY(lineMenuAction("mnuCloseFile"));
    session.waitForReads();
    QCOMPARE(itemsOf(browser), QStringList{"1002,B"});

    session.open(one);
    session.open(one);
    QCOMPARE(session.platform.messages.size(), 1);
    QVERIFY(session.platform.messages.first().contains(QLatin1String("open already")));
}

// A tool tip names a comment as one, and a line that holds no monster; a
// long name breaks into rows, so the tip stays on the screen.
void BrowserTest::toolTipsSayWhatALineIsAndWrap()
{
    UiSession session;
    const QByteArray name(3000, 'N');
    session.open(
        session.writeFile("db.sql", "// a comment\nCREATE TABLE `mob_db` (\n1002," + name + "\n"));
    const QAbstractItemModel *model = control<QListView>(existingBrowser(), "lstDB")->model();
    const auto tip = [model](int row) {
        return model->index(row, 0).data(Qt::ToolTipRole).toString();
    };
    QVERIFY2(tip(0).contains(QLatin1String("line 1: a comment, which the servers skip")),
             qPrintable(tip(0)));
    QVERIFY2(tip(1).contains(QLatin1String("line 2: no monster line")), qPrintable(tip(1)));
    const QString line = tip(2).section(QLatin1String("<p>"), 2);
    QVERIFY(line.size() > 2000);
    qsizetype run = 0, longest = 0;
    for (const QChar c : line) {
        run = c == QChar(0x200B) || c.isSpace() ? 0 : run + 1;
        longest = std::max(longest, run);
    }
    QVERIFY2(longest <= 70, qPrintable(QString::number(longest)));
}

GRIMLARK_UI_TEST_MAIN(BrowserTest)
#include "BrowserTest.moc"
