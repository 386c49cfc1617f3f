// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "UiTestSupport.h"

#include "ui/common/Placement.h"

#include <QTest>

#include <climits>

using grimlark::ui::PlacementInput;
using grimlark::ui::Side;

Q_DECLARE_METATYPE(PlacementInput)

/// Where windows go beside the editor, on the screens users have.
class PlacementTest : public QObject {
    Q_OBJECT
private slots:
    void placeFor_data();
    void placeFor();
    void savedPlaces_data();
    void savedPlaces();
};

namespace {
// The editor's frame as the window system draws it (title bar 30 px), the part
// kept in sight down to its names, and the two windows' frames.
constexpr QSize kEditor(601, 538);
constexpr int kKeptHeight = 195;
constexpr QSize kBrowser(362, 348);
constexpr QSize kOutput(561, 275);

PlacementInput input(QSize screen, QPoint editorAt, QSize window, Side side,
                     std::vector<QRect> others = {})
{
    const QRect editor(editorAt, kEditor);
    return {QRect(QPoint(0, 0), screen),
            editor,
            QRect(editorAt, QSize(kEditor.width(), kKeptHeight)),
            window,
            side,
            std::move(others)};
}
} // namespace

void PlacementTest::placeFor_data()
{
    QTest::addColumn<PlacementInput>("in");
    QTest::addColumn<bool>("clearOfEditor"); // room enough to cover none of it
    QTest::addColumn<bool>("clearOfOthers"); // and none of the windows shown
    const QRect browserRight(QPoint(609, 0), kBrowser);
    QTest::newRow("1600x1000, browser")
        << input({1600, 1000}, {0, 0}, kBrowser, Side::Right) << true << true;
    QTest::newRow("1600x1000, output, browser shown")
        << input({1600, 1000}, {0, 0}, kOutput, Side::Below, {browserRight}) << true << true;
    QTest::newRow("1366x768, output, browser shown")
        << input({1366, 768}, {0, 0}, kOutput, Side::Below, {browserRight}) << true << true;
    QTest::newRow("800x600, browser")
        << input({800, 600}, {0, 0}, kBrowser, Side::Right) << false << true;
    QTest::newRow("800x600, output, browser shown")
        << input({800, 600}, {0, 0}, kOutput, Side::Below, {QRect(QPoint(438, 203), kBrowser)})
        << false << false; // no room clear of both: the editor's fields win
    QTest::newRow("editor at the right edge")
        << input({1366, 768}, {765, 100}, kBrowser, Side::Right) << true << true;
    QTest::newRow("editor at the foot, centred")
        << input({1366, 768}, {380, 230}, kOutput, Side::Below) << false << true;
    QTest::newRow("editor in the middle of 1366x768, browser shown")
        << input({1366, 768}, {382, 115}, kOutput, Side::Below, {QRect(QPoint(991, 115), kBrowser)})
        << false << true;
}

void PlacementTest::placeFor()
{
    QFETCH(PlacementInput, in);
    QFETCH(bool, clearOfEditor);
    QFETCH(bool, clearOfOthers);
    const QRect place(grimlark::ui::placeFor(in), in.window);
    QVERIFY2(in.screen.contains(place), "whole on the screen");
    QVERIFY2(!place.intersects(in.keepClear), "clear of the editor's bars, ID and names");
    for (const QRect &other : in.others)
        if (clearOfOthers)
            QVERIFY2(!place.intersects(other), "clear of the windows shown");
    if (clearOfEditor)
        QVERIFY2(!place.intersects(in.editor), "beside the editor");
}

void PlacementTest::savedPlaces_data()
{
    QTest::addColumn<QRect>("saved");
    QTest::addColumn<bool>("used");
    QTest::newRow("on the screen") << QRect(100, 100, 600, 500) << true;
    QTest::newRow("saved on a larger screen") << QRect(1200, 700, 600, 500) << false;
    QTest::newRow("off every screen") << QRect(-5000, 40, 600, 500) << false;
    QTest::newRow("2e9 by 2e9") << QRect(0, 0, 2000000000, 2000000000) << false;
    QTest::newRow("INT_MIN to INT_MAX")
        << QRect(QPoint(INT_MIN, INT_MIN), QPoint(INT_MAX, INT_MAX)) << false;
    QTest::newRow("no size") << QRect(100, 100, 0, 0) << false;
    QTest::newRow("on the second screen") << QRect(1500, 100, 300, 200) << true;
}

// Settings come from outside: a saved place is used only where it fits.
void PlacementTest::savedPlaces()
{
    QFETCH(QRect, saved);
    QFETCH(bool, used);
    const QList<QRect> screens{QRect(0, 0, 1366, 740), QRect(1366, 0, 800, 600)};
    QCOMPARE(grimlark::ui::isUsablePlace(saved, screens), used);
}

GRIMLARK_UI_TEST_MAIN(PlacementTest)
#include "PlacementTest.moc"
