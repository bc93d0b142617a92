// SPDX-License-Identifier: GPL-3.0-or-later
// The caption label, the pictures and the recent-file list.
#include <QApplication>
#include <QDirIterator>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "banner_label.h"
#include "recent_files.h"

namespace velmora::test {
namespace {

// ---- BannerLabel ----

QColor pixelAt(QWidget& w, QPoint p) { return w.grab().toImage().pixelColor(p); }

TEST(BannerLabel, StartsWithTheSystemColoursAndFont) {
    BannerLabel label("Astra 19.2E");
    EXPECT_EQ(label.textColor(), QApplication::palette().color(QPalette::WindowText));
    EXPECT_EQ(label.backgroundColor(), QApplication::palette().color(QPalette::Button));
    EXPECT_EQ(label.labelFont().family(), QApplication::font().family());
    EXPECT_FALSE(label.isBold());
}

TEST(BannerLabel, PaintsItsBackgroundColourOverTheWholeRectangle) {
    BannerLabel label;
    label.resize(120, 30);
    label.setBackgroundColor(QColor(0, 128, 192));
    EXPECT_EQ(label.backgroundColor(), QColor(0, 128, 192));
    EXPECT_EQ(pixelAt(label, QPoint(1, 1)), QColor(0, 128, 192));
    EXPECT_EQ(pixelAt(label, QPoint(118, 28)), QColor(0, 128, 192));
}

TEST(BannerLabel, DrawsTheTextInTheTextColour) {
    BannerLabel label("MMMMMMMM");
    label.resize(200, 40);
    label.setBackgroundColor(QColor(0, 128, 192));
    label.setTextColor(Qt::white);
    label.setFontHeight(30);
    label.setBold(true);
    EXPECT_EQ(label.textColor(), QColor(Qt::white));
    const QImage image = label.grab().toImage();
    int white = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) white += image.pixelColor(x, y) == QColor(Qt::white);
    EXPECT_GT(white, 50) << "the text shows in white on the blue";
}

TEST(BannerLabel, BoldAndHeightChangeTheFontInUse) {
    BannerLabel label("001");
    label.setFontHeight(19);
    label.setBold(true);
    EXPECT_EQ(label.fontHeight(), 19);
    EXPECT_EQ(label.font().pixelSize(), 19);
    EXPECT_EQ(label.font().weight(), QFont::Bold);
    EXPECT_TRUE(label.isBold());
    label.setBold(false);
    EXPECT_EQ(label.font().weight(), QFont::Normal);
    EXPECT_EQ(label.font().pixelSize(), 19) << "weight changes keep the height";
    label.setFontHeight(20);
    EXPECT_EQ(label.font().weight(), QFont::Normal) << "height changes keep the weight";
}

TEST(BannerLabel, IgnoresHeightsThatAreNotPositive) {
    BannerLabel label;
    label.setFontHeight(20);
    label.setFontHeight(0);
    label.setFontHeight(-5);
    EXPECT_EQ(label.fontHeight(), 20);
}

// ---- pictures ----

TEST(Pictures, EveryPictureTheEditorUsesLoads) {
    const struct {
        const char* path;
        QSize size;
    } pictures[] = {
        {":/images/app.png", {64, 64}},       {":/images/tv.png", {32, 32}},
        {":/images/radio.png", {32, 32}},     {":/images/scrambled.png", {16, 16}},
        {":/images/locked.png", {28, 24}},    {":/images/unlocked.png", {28, 24}},
        {":/images/toolbar/open.png", {32, 32}},     {":/images/toolbar/save.png", {32, 32}},
        {":/images/toolbar/tv.png", {32, 32}},       {":/images/toolbar/radio.png", {32, 32}},
        {":/images/toolbar/favorites.png", {32, 32}}, {":/images/toolbar/download.png", {32, 32}},
        {":/images/toolbar/upload.png", {32, 32}},   {":/images/toolbar/settings.png", {32, 32}},
        {":/images/toolbar/print.png", {32, 32}},    {":/images/toolbar/about.png", {32, 32}},
    };
    for (const auto& p : pictures) {
        SCOPED_TRACE(p.path);
        QImageReader reader(p.path);
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
        EXPECT_EQ(image.size(), p.size);
        int drawn = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) drawn += image.pixelColor(x, y).alpha() > 0;
        EXPECT_GT(drawn, image.width() * image.height() / 5) << "a picture, not an empty square";
        EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0) << "see-through corners";
    }
}

// The program loads its pictures through QIcon, which chooses an icon engine
// by the name's suffix: with Qt's SVG engine installed, PNG data under an
// .svg name came out blank. Every stored picture must be named for what it is.
TEST(Pictures, EveryStoredPictureLoadsThroughQIconUnderAPngName) {
    int seen = 0;
    for (QDirIterator it(":/images", QDirIterator::Subdirectories); it.hasNext();) {
        const QString path = it.next();
        if (it.fileInfo().isDir()) continue;
        SCOPED_TRACE(path.toStdString());
        ++seen;
        EXPECT_TRUE(path.endsWith(".png"));
        const QSize size = QImageReader(path).size();
        const QImage image = QIcon(path).pixmap(size).toImage();
        ASSERT_FALSE(image.isNull());
        bool drawn = false;
        for (int y = 0; y < image.height() && !drawn; ++y)
            for (int x = 0; x < image.width() && !drawn; ++x) drawn = image.pixelColor(x, y).alpha() > 0;
        EXPECT_TRUE(drawn);
    }
    EXPECT_GE(seen, 16);
}

// ---- recent files ----

TEST(RecentFiles, KeepsTheFourMostRecentWithoutDuplicates) {
    RecentFileList list(4);
    for (const char* p : {"a.bin", "b.bin", "c.bin", "d.bin", "e.bin"}) list.add(p);
    EXPECT_EQ(list.entries(), (QStringList{"e.bin", "d.bin", "c.bin", "b.bin"}));
    list.add("c.bin");
    EXPECT_EQ(list.entries(), (QStringList{"c.bin", "e.bin", "d.bin", "b.bin"}));
    list.add("");
    EXPECT_EQ(list.entries().size(), 4);
}

TEST(RecentFiles, SurvivesARoundTripThroughTheSettings) {
    QTemporaryDir dir;
    const QString ini = dir.filePath("settings.ini");
    {
        QSettings settings(ini, QSettings::IniFormat);
        RecentFileList list(4);
        list.add("/data/one.bin");
        list.add("/data/two.sgn");
        list.save(settings);
    }
    QSettings settings(ini, QSettings::IniFormat);
    EXPECT_EQ(settings.value("Recent File List/File1").toString(), "/data/two.sgn");
    RecentFileList loaded(4);
    loaded.load(settings);
    EXPECT_EQ(loaded.entries(), (QStringList{"/data/two.sgn", "/data/one.bin"}));

    // Fewer entries than before: the stale keys go.
    RecentFileList shorter(4);
    shorter.add("/data/only.bin");
    shorter.save(settings);
    loaded.load(settings);
    EXPECT_EQ(loaded.entries(), QStringList{"/data/only.bin"});
}

}  // namespace
}  // namespace velmora::test
