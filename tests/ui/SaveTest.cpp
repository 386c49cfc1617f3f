// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
// Saving a monster into its file: the record's bytes replaced, or the monster
// added last, every other byte of the file as it was; a file changed since it
// was listed, or a write that fails, leaves the file as it was.

#include "UiTestSupport.h"

#include "core/EntryLoader.h"
#include "tests/common/Fixtures.h"
#include "ui/common/FileNames.h"
#include "ui/common/RecordSave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

using namespace grimlark;
using namespace grimlark::test;

namespace {

const std::string kYamlHead = "Header:\n  Type: MOB_DB\n  Version: 4\n\nBody:\n";
const std::string kGroups = "mob_db: (\n"
                            "{\n\tId: 1001\n\tSpriteName: \"SCORPION\"\n\tName: \"Scorpion\"\n"
                            "\tHp: 50\n},\n"
                            "{\n\tId: 1002\n\tSpriteName: \"PORING\"\n\tName: \"Poring\"\n"
                            "\tHp: 50\n},\n"
                            ")\n";

/// A classic line as a row of the classic SQL table: its names quoted.
std::string rowOf(const std::string &line)
{
    std::vector<std::string> fields = splitFields(line);
    std::string row = "(";
    for (std::size_t i = 0; i < fields.size(); ++i)
        row += (i ? "," : "") + (i == 1 || i == 2 ? "'" + fields[i] + "'" : fields[i]);
    return row + ")";
}

std::string crlf(std::string text)
{
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 2))
        text.insert(at, 1, '\r');
    return text;
}

/// The one write step that fails, with `error`: the new file beside the old.
class FullDisk : public FileSteps {
public:
    int writeBeside(const std::string &path, std::string_view bytes, std::string &made) override
    {
        return ++m_writes == 1 ? ENOSPC : FileSteps::writeBeside(path, bytes, made);
    }

private:
    int m_writes = 0;
};

} // namespace

class SaveTest : public QObject {
    Q_OBJECT
private slots:
    void replacingChangesOnlyTheRecord_data();
    void replacingChangesOnlyTheRecord();
    void addingPutsTheMonsterLastAndAsksOfItsId();
    void aFileOfTwoEncodingsSaysWhichIsKept();
    void aFileChangedSinceListedIsNotWritten();
    void aFailedWriteLeavesTheFileAsItWas();

private:
    QString write(const std::string &bytes)
    {
        // A folder a test (and a row), so that no backup is another's.
        const QString folder = QString::fromLatin1(QTest::currentTestFunction()) +
                               QLatin1Char('-') +
                               QString::fromLatin1(QTest::currentDataTag()).replace(' ', '_');
        QDir(m_dir.path()).mkpath(folder);
        QString path = m_dir.filePath(folder + QStringLiteral("/mob_db.txt"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("cannot write the fixture");
        file.write(bytes.data(), qint64(bytes.size()));
        return path;
    }
    static std::string contents(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return "(unreadable)";
        return file.readAll().toStdString();
    }
    /// The request to save record `record` of the file at `path`, as the
    /// browser lists it, loaded and then changed by `change`.
    static ui::SaveRequest loaded(const QString &path, std::size_t record,
                                  const std::function<void(MonsterEntry &)> &change)
    {
        const ui::ReadDatabase read = ui::readDatabase(ui::nativePath(path));
        ui::SaveRequest request;
        request.path = path;
        request.record = record;
        request.listed = read.file.fingerprint();
        request.entry = startupEntry();
        if (record < read.file.lines())
            (void)LoadEntryIntoEditor(read.text(record), request.entry);
        change(request.entry);
        return request;
    }

    QTemporaryDir m_dir;
};

void SaveTest::replacingChangesOnlyTheRecord_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("record");
    QTest::addColumn<QByteArray>("from"); // in the record, changed to:
    QTest::addColumn<QByteArray>("to");
    const std::string scorpion = sampleLine("1001"), poring = sampleLine("1002");
    const std::string sjis = legacyFile(kLegacyFixtures[0]);
    const std::string sjisName = sjis.substr(7, sjis.find(',', 7) - 7);
    QTest::newRow("first line") << QByteArray::fromStdString(scorpion + "\n" + poring + "\n") << 0
                                << QByteArray(",24,1109,") << QByteArray(",24,999,");
    QTest::newRow("last line, without a line end")
        << QByteArray::fromStdString("// monsters\n" + scorpion + "\n" + poring) << 2
        << QByteArray(",1,50,") << QByteArray(",1,999,");
    QTest::newRow("CRLF") << QByteArray::fromStdString(crlf(scorpion + "\n" + poring + "\n")) << 1
                          << QByteArray(",1,50,") << QByteArray(",1,999,");
    QTest::newRow("a Shift-JIS name")
        << QByteArray::fromStdString(sjis) << 0 << QByteArray::fromStdString(sjisName + ",0,0,")
        << QByteArray::fromStdString(sjisName + ",0,999,");
    QTest::newRow("a YAML entry") << QByteArray::fromStdString(
                                         kYamlHead +
                                         "  - Id: 1001\n    AegisName: SCORPION\n    Hp: 50\n"
                                         "  - Id: 1002\n    AegisName: PORING\n    Hp: 50\n"
                                         "    Level: 1\n# the end\n")
                                  << 6 << QByteArray("    Hp: 50") << QByteArray("    Hp: 999");
    QTest::newRow("a libconfig group") << QByteArray::fromStdString(kGroups) << 2
                                       << QByteArray("\tHp: 50") << QByteArray("\tHp: 999");
    QTest::newRow("a dump's row in a statement of several")
        << QByteArray::fromStdString("INSERT INTO `mob_db` VALUES " + rowOf(scorpion) + "," +
                                     rowOf(poring) + ";\n")
        << 1 << QByteArray(",1,50,") << QByteArray(",1,999,");
}

void SaveTest::replacingChangesOnlyTheRecord()
{
    QFETCH(QByteArray, file);
    QFETCH(int, record);
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    const QString path = write(file.toStdString());
    const ui::ReadDatabase read = ui::readDatabase(ui::nativePath(path));
    const RecordPlace place = read.file.place(std::size_t(record));
    std::string expected = file.toStdString();
    const std::size_t at = expected.find(from.toStdString(), place.begin);
    QVERIFY(at < place.end);
    expected.replace(at, std::size_t(from.size()), to.toStdString());

    const ui::SaveOutcome saved = ui::saveIntoFile(
        loaded(path, std::size_t(record), [](MonsterEntry &entry) { entry.HP = "999"; }));
    QVERIFY2(saved.status == ui::SaveOutcome::Status::Saved, saved.reason.c_str());
    QCOMPARE(contents(path), expected);
    QCOMPARE(contents(path + QLatin1Char('~')), file.toStdString());
    QCOMPARE(saved.listing.file.fingerprint(), fingerprintOf(expected));
    QCOMPARE(saved.record, std::size_t(record));

    // Saved again unchanged: nothing is written.
    const ui::SaveOutcome again =
        ui::saveIntoFile(loaded(path, std::size_t(record), [](MonsterEntry &) {}));
    QCOMPARE(int(again.status), int(ui::SaveOutcome::Status::Unchanged));
    QCOMPARE(contents(path + QLatin1Char('~')), file.toStdString());
}

void SaveTest::addingPutsTheMonsterLastAndAsksOfItsId()
{
    const std::string poring = sampleLine("1002");
    const QString path = write("// monsters\r\n" + poring + "\r\n");
    ui::SaveRequest request;
    request.path = path;
    request.entry = startupEntry();
    (void)LoadEntryIntoEditor(poring, request.entry);
    request.entry.HP = "60";
    // Its ID is in the file already: asked first, nothing written.
    const ui::SaveOutcome asked = ui::saveIntoFile(request);
    QCOMPARE(int(asked.status), int(ui::SaveOutcome::Status::Confirm));
    QCOMPARE(asked.notes, std::vector<std::string>{"ID 1002 is also on line 2 of the file: the "
                                                   "servers keep the later of the two, line 3."});
    QCOMPARE(contents(path), "// monsters\r\n" + poring + "\r\n");
    request.confirmed = true;
    const ui::SaveOutcome saved = ui::saveIntoFile(request);
    QVERIFY2(saved.status == ui::SaveOutcome::Status::Saved, saved.reason.c_str());
    std::string added = poring;
    added.replace(added.find(",1,50,"), 6, ",1,60,");
    QCOMPARE(contents(path), "// monsters\r\n" + poring + "\r\n" + added + "\r\n");
    QCOMPARE(saved.record, std::size_t(2));
}

void SaveTest::aFileOfTwoEncodingsSaysWhichIsKept()
{
    const std::string sjis = legacyFile(kLegacyFixtures[0]);
    const QString path = write(sjis + lineWith({{0, "1999"}, {2, "\xC3\xA9t\xC3\xA9"}}) + "\r\n");
    ui::SaveRequest request = loaded(path, 0, [](MonsterEntry &entry) { entry.HP = "5"; });
    const ui::SaveOutcome asked = ui::saveIntoFile(request);
    QCOMPARE(int(asked.status), int(ui::SaveOutcome::Status::Confirm));
    QCOMPARE(asked.notes, std::vector<std::string>{
                              "The file holds names in UTF-8 and in Shift-JIS (CP932): the "
                              "monster's are written in Shift-JIS (CP932), the encoding its other "
                              "names are read in."});
    request.confirmed = true;
    QCOMPARE(int(ui::saveIntoFile(request).status), int(ui::SaveOutcome::Status::Saved));
    QCOMPARE(contents(path).substr(0, sjis.find("\r\n")),
             sjis.substr(0, sjis.find(",0,0,")) + ",0,5," +
                 sjis.substr(sjis.find(",0,0,") + 5, sjis.find("\r\n") - sjis.find(",0,0,") - 5));
}

void SaveTest::aFileChangedSinceListedIsNotWritten()
{
    const QString path = write(sampleLine("1002") + "\n");
    ui::SaveRequest request = loaded(path, 0, [](MonsterEntry &entry) { entry.HP = "7"; });
    const std::string meanwhile = sampleLine("1001") + "\n";
    write(meanwhile); // the server's own tools, say
    QCOMPARE(int(ui::saveIntoFile(request).status), int(ui::SaveOutcome::Status::Changed));
    QCOMPARE(contents(path), meanwhile);
    QVERIFY(!QFile::exists(path + QLatin1Char('~')));
}

void SaveTest::aFailedWriteLeavesTheFileAsItWas()
{
    const std::string before = sampleLine("1002") + "\n";
    const QString path = write(before);
    FullDisk disk;
    const ui::SaveOutcome outcome =
        ui::saveIntoFile(loaded(path, 0, [](MonsterEntry &entry) { entry.HP = "7"; }), disk);
    QCOMPARE(int(outcome.status), int(ui::SaveOutcome::Status::Refused));
    QCOMPARE(
        outcome.reason,
        std::string("Grimlark could not write the new file beside it: no space left on device"));
    QCOMPARE(contents(path), before);
    QCOMPARE(QFileInfo(path).dir().entryList(QDir::Files), QStringList{"mob_db.txt"});
}

GRIMLARK_UI_TEST_MAIN(SaveTest)
#include "SaveTest.moc"
