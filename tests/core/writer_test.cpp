// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "byte_order.h"
#include "channel_reader.h"
#include "channel_writer.h"
#include "checksum.h"
#include "test_files.h"

namespace velmora {
namespace {

using Bytes = std::vector<std::uint8_t>;

ChannelDatabase parse(const Bytes& bytes) {
    ChannelDatabase db;
    const LoadResult r = readChannelFile(bytes, db);
    EXPECT_TRUE(r.ok()) << r.text();
    return db;
}

// Offsets of the sections in a file, from its counts.
struct Layout {
    std::size_t satellites, transponders, channels, favorites;
    explicit Layout(const ChannelDatabase& db) {
        satellites = 80 + 25;
        transponders = satellites + 6 + db.satelliteCount * 52u;
        channels = transponders + 7 + db.transponderCount * 16u;
        favorites = channels + 5 + 4 + (db.tvCount + db.radioCount) * 44u;
    }
};

class RecordingHooksForDisk : public SaveHooks {
public:
    void commitChannel(ChannelDatabase& db) override { setFieldText(db.tv.at(0).name, "Hooked"); }
};

TEST(RoundTrip, aWrittenFileReadAndWrittenAgainIsByteIdentical) {
    for (const SampleOptions& o : {SampleOptions{}, SampleOptions::capacity()}) {
        const Bytes first = test::sampleFile(o);
        ChannelDatabase db = parse(first);
        EXPECT_EQ(buildChannelFile(db, SaveOptions{}), first);
    }
}

TEST(RoundTrip, resaveOfItsOwnOutputIsByteIdentical) {
    ChannelDatabase db = parse(test::sampleFile());
    // Make the band rule change something on the first save.
    const int t = defaultCurrentTransponder(db);
    db.satellites[db.transponders[t].satelliteIndex].band ^= 1;
    SaveOptions o;
    o.currentTransponder = t;
    const Bytes once = buildChannelFile(db, o);
    ChannelDatabase again = parse(once);
    o.currentTransponder = defaultCurrentTransponder(again);
    EXPECT_EQ(buildChannelFile(again, o), once);
}

TEST(RoundTrip, savingToDiskWritesExactlyTheBytesOfBuildChannelFile) {
    // The disk path streams the file instead of building it in memory; both
    // must agree byte for byte, with and without hooks and pending work.
    test::TempDir tmp;
    for (const SampleOptions& o : {SampleOptions{}, SampleOptions{.tv = 0, .radio = 2, .groups = 0},
                                   SampleOptions{.extraBytes = 70000}, SampleOptions::capacity()}) {
        for (bool pending : {false, true}) {
            ChannelDatabase a = makeSampleDatabase(o), b = a;
            SaveOptions options;
            options.newRecordPending = pending;
            options.currentTransponder = defaultCurrentTransponder(a);
            RecordingHooksForDisk hooksA, hooksB;
            const Bytes expected = buildChannelFile(a, options, &hooksA);
            const SaveResult r = writeChannelFile(tmp.path("x.bin"), b, options, &hooksB);
            ASSERT_TRUE(r.ok) << r.error;
            EXPECT_EQ(test::readBytes(tmp.path("x.bin")), expected);
            EXPECT_EQ(b.header, a.header);
            EXPECT_EQ(b.blockHead, a.blockHead);
        }
    }
}

TEST(ComputedFields, lengthsChecksumAndCrcDescribeTheFile) {
    ChannelDatabase db = test::smallDatabase();
    const Bytes f = buildChannelFile(db, SaveOptions{});
    const Layout at(db);
    EXPECT_EQ(readU32BE(&f[12]), f.size() - 64);
    EXPECT_EQ(readU32BE(&f[76]), f.size() - 80);
    EXPECT_EQ(readU32BE(&f[at.satellites + 1]), 105u);
    EXPECT_EQ(readU32BE(&f[at.transponders + 1]), 50u);
    EXPECT_EQ(readU32BE(&f[at.channels + 1]), 400u);
    // One group of 3 TV and 2 radio members: length 63, then 38 bytes.
    EXPECT_EQ(readU32BE(&f[at.favorites + 1]), 63u);
    EXPECT_EQ(f.size() - 2 - (at.favorites + 5), 38u);

    const std::span<const std::uint8_t> afterHeader(f.data() + 64, f.size() - 64);
    EXPECT_EQ(readU16BE(&f[6]), byteSum16(afterHeader));
    EXPECT_EQ(readU16BE(&f[f.size() - 2]), crc16Arc(afterHeader.first(afterHeader.size() - 2)));
    EXPECT_EQ(db.header.checksum, readU16BE(&f[6]));
    EXPECT_EQ(db.header.dataLength, f.size() - 64);
}

TEST(Normalisation, junkIsZeroedAndComputedFieldsRecomputedWhileOpaqueValuesSurvive) {
    ChannelDatabase clean = test::smallDatabase();
    clean.general.head = {0xAB, 99};  // held as read, never recomputed
    clean.satelliteSection.sectionTag = 0xC1;
    clean.favoriteSection.sectionTag = 0x00;
    clean.satelliteExtra[1] = {7, 8, 9};
    clean.header.headerParam4 = 0xCAFEBABE;
    clean.hasExtraBlock = true;
    clean.extraLength = 4;
    clean.extraData[0] = 0xF0;
    clean.extraData[3] = 0x42;
    clean.syncWorkingTables();
    const Bytes expected = serializeUnchanged(clean);

    Bytes dirty = expected;
    const Layout at(clean);
    writeU32BE(&dirty[28], 0x12345678);                   // headerParam5
    dirty[at.satellites + 6 + 50] = 0xEE;                 // satellite padding
    dirty[at.transponders + 7 + 16 + 11] = 0xEE;          // transponder padding
    dirty[at.channels + 5 + 2 + 44 + 39] = 0xEE;          // TV channel padding
    writeU32BE(&dirty[at.transponders + 1], 12345);       // wrong section length
    writeU32BE(&dirty[12], 5);                            // wrong dataLength
    writeU16BE(&dirty[6], 0);                             // wrong checksum
    dirty[dirty.size() - 2] ^= 0x5A;                      // wrong CRC

    ChannelDatabase db = parse(dirty);
    EXPECT_EQ(db.header.headerParam5, 0x12345678u);
    EXPECT_EQ(buildChannelFile(db, SaveOptions{}), expected);
}

TEST(Normalisation, extraBlockIsWrittenOnlyWhenTheLoadedFileHadOne) {
    ChannelDatabase db = test::smallDatabase();
    const Bytes without = serializeUnchanged(db);
    db.hasExtraBlock = true;
    db.extraLength = 0;  // an empty extra block is still a block
    const Bytes with = serializeUnchanged(db);
    EXPECT_EQ(with.size(), without.size() + 5);
    EXPECT_EQ(with[with.size() - 7], kExtraBlockMark);
}

TEST(BandRule, reachesTheFileForTheCurrentTransponderOnly) {
    ChannelDatabase db = test::smallDatabase();
    db.transponders[1].frequency = 4000;
    const std::uint8_t sat = db.transponders[1].satelliteIndex;
    db.satellites[sat].band = 1;
    db.syncWorkingTables();
    SaveOptions o;
    o.currentTransponder = 1;
    const Bytes f = buildChannelFile(db, o);
    EXPECT_EQ(parse(f).satellites[sat].band, 0);

    db.transponders[1].frequency = 8000;  // outside both bands: unchanged
    EXPECT_EQ(parse(buildChannelFile(db, o)).satellites[sat].band, 0);
    db.transponders[1].frequency = 12000;
    EXPECT_EQ(parse(buildChannelFile(db, o)).satellites[sat].band, 1);

    o.currentTransponder = 999;  // never read outside the table
    EXPECT_NO_FATAL_FAILURE(buildChannelFile(db, o));
}

TEST(BandRule, doesNotReachTheFileWhileANewRecordIsPending) {
    ChannelDatabase db = test::smallDatabase();
    db.transponders[0].frequency = db.workingTransponders[0].frequency = 4000;
    const std::uint8_t sat = db.transponders[0].satelliteIndex;
    db.satellites[sat].band = db.workingSatellites[sat].band = 1;
    SaveOptions o;
    o.currentTransponder = 0;
    o.newRecordPending = true;
    const Bytes f = buildChannelFile(db, o);
    EXPECT_EQ(parse(f).satellites[sat].band, 1);
    EXPECT_EQ(db.satellites[sat].band, 0);  // memory has it; the file does not
}

// Records what the file holds at each hook, to prove the commit points.
class RecordingHooks : public SaveHooks {
public:
    int satelliteCommits = 0, transponderCommits = 0, channelCommits = 0;
    std::vector<std::string> order;
    void commitSatellite(ChannelDatabase& db) override {
        ++satelliteCommits;
        order.push_back("sat");
        setFieldText(db.satellites[0].name, "Edited Sat");
    }
    void satellitesWritten(ChannelDatabase&) override { order.push_back("sat-written"); }
    void commitTransponder(ChannelDatabase& db) override {
        ++transponderCommits;
        order.push_back("tp");
        db.transponders[0].frequency = 3333;
    }
    void transpondersWritten(ChannelDatabase& db) override {
        order.push_back("tp-written");
        bandAfterTransponders = db.satellites[db.transponders[0].satelliteIndex].band;
    }
    void commitChannel(ChannelDatabase& db) override {
        ++channelCommits;
        order.push_back("ch");
        setFieldText(db.tv[2].name, "Edited");
    }
    int bandAfterTransponders = -1;
};

TEST(Hooks, commitsReachTheFileAndTheBandRuleRunsBeforeTheRefresh) {
    ChannelDatabase db = test::smallDatabase();
    const std::uint8_t sat = db.transponders[0].satelliteIndex;
    db.satellites[sat].band = 1;
    RecordingHooks hooks;
    SaveOptions o;
    o.currentTransponder = 0;
    const Bytes f = buildChannelFile(db, o, &hooks);
    const ChannelDatabase back = parse(f);
    EXPECT_EQ(fieldText(back.satellites[0].name), "Edited Sat");
    EXPECT_EQ(back.transponders[0].frequency, 3333);
    EXPECT_EQ(fieldText(back.tv[2].name), "Edited");
    EXPECT_EQ(back.satellites[sat].band, 0);
    EXPECT_EQ(hooks.bandAfterTransponders, 0);
    ASSERT_GE(hooks.order.size(), 5u);
    EXPECT_EQ((std::vector<std::string>(hooks.order.begin(), hooks.order.begin() + 5)),
              (std::vector<std::string>{"sat", "sat-written", "tp", "tp-written", "ch"}));
    EXPECT_GE(hooks.satelliteCommits, 2);  // the writers run more than once
}

TEST(CopyBack, sortedRowsGoBackToTheirRecordsWithoutReorderingTheFile) {
    ChannelDatabase db = test::smallDatabase();
    // Display order 3, 1, 0, 2 (committed indices); working table in that order.
    const std::vector<int> rows{3, 1, 0, 2};
    for (std::size_t i = 0; i < rows.size(); ++i) db.workingTv[i] = db.tv[static_cast<std::size_t>(rows[i])];
    setFieldText(db.workingTv[0].name, "Renamed Three");
    db.workingTv[2].serviceId = 0xBEEF;
    SaveOptions o;
    o.sortPending = true;
    o.tvRowRecords = rows;
    const ChannelDatabase before = db;
    const ChannelDatabase back = parse(buildChannelFile(db, o));
    EXPECT_EQ(fieldText(back.tv[3].name), "Renamed Three");
    EXPECT_EQ(back.tv[0].serviceId, 0xBEEF);
    EXPECT_EQ(back.tv[1], before.tv[1]);
    EXPECT_EQ(back.tv[2], before.tv[2]);
    EXPECT_EQ(back.radio, before.radio);
}

TEST(CopyBack, sortedRowsWithBadNumbersAreSkipped) {
    ChannelDatabase db = test::smallDatabase();
    SaveOptions o;
    o.sortPending = true;
    o.tvRowRecords = {-1, 77, 2};
    db.workingTv[2] = db.tv[2];
    EXPECT_NO_FATAL_FAILURE(parse(buildChannelFile(db, o)));
}

TEST(CopyBack, newAndSortPendingTogetherCarryBackBoth) {
    // A New appended to TV (its list keeps its order), the radio list sorted
    // in reverse with row 0 (radio 4) edited and its working members as rows.
    ChannelDatabase db = test::smallDatabase();
    const ChannelDatabase before = db;
    db.tvCount = 5;
    setFieldText(db.workingTv[4].name, "New");
    db.workingTvMembers[2] = 4;  // past the TV list's rows: a channel, not a row
    for (std::size_t i = 0; i < 5; ++i) db.workingRadio[i] = db.radio[4 - i];
    setFieldText(db.workingRadio[0].name, "Edited Four");
    db.workingRadioMembers[0] = 0;  // radio 4 and radio 1
    db.workingRadioMembers[1] = 3;
    SaveOptions o;
    o.newRecordPending = o.sortPending = true;
    o.tvRowRecords = {0, 1, 2, 3};
    o.radioRowRecords = {4, 3, 2, 1, 0};
    const ChannelDatabase back = parse(buildChannelFile(db, o));
    EXPECT_EQ(fieldText(back.tv[4].name), "New");
    EXPECT_EQ(back.tvMembers[2], 4);
    EXPECT_EQ(fieldText(back.radio[4].name), "Edited Four");
    EXPECT_EQ(back.radio[0], before.radio[0]);
    EXPECT_EQ(back.radioMembers[0], 4);
    EXPECT_EQ(back.radioMembers[1], 1);
}

TEST(CopyBack, pendingNewCarriesEveryWorkingTableIncludingMembers) {
    ChannelDatabase db = test::smallDatabase();
    // A new TV channel inserted before row 1 of the working table.
    for (std::size_t i = db.tvCount; i > 1; --i) db.workingTv[i] = db.workingTv[i - 1];
    setFieldText(db.workingTv[1].name, "<inseted>");
    db.tvCount = 5;
    for (std::size_t i = 0; i < 3; ++i)
        if (db.workingTvMembers[i] >= 1) ++db.workingTvMembers[i];
    setFieldText(db.workingSatellites[1].name, "New Sat");
    db.workingTransponders[2].symbolRate = 1234;
    SaveOptions o;
    o.newRecordPending = true;
    const ChannelDatabase back = parse(buildChannelFile(db, o));
    EXPECT_EQ(back.tvCount, 5);
    EXPECT_EQ(fieldText(back.tv[1].name), "<inseted>");
    EXPECT_EQ(back.tv[4], test::smallDatabase().tv[3]);
    EXPECT_EQ(back.tvMembers[0], 3);  // was 2, the channel moved down
    EXPECT_EQ(back.tvMembers[1], 0);
    EXPECT_EQ(fieldText(back.satellites[1].name), "New Sat");
    EXPECT_EQ(back.satellites[1].band, db.workingSatellites[1].band);
    EXPECT_EQ(back.transponders[2].symbolRate, 1234);
}

}  // namespace
}  // namespace velmora
