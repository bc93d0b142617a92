// SPDX-License-Identifier: GPL-3.0-or-later
#include "record_edit.h"

#include <gtest/gtest.h>

#include <span>

namespace velmora {
namespace {

class RecordEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        db.allocateTables();
        db.satelliteCount = 2;
        db.transponderCount = 2;
        db.tvCount = 3;
        db.radioCount = 2;
        setFieldText(std::span<std::uint8_t>(db.satellites[0].name), "Astra");
        db.satellites[0].longitude = 192;
        db.transponders[1] = TransponderEntry{0x0001, 0x0002, 11747, 27500, 0, 3, 1};
        for (int i = 0; i < 3; ++i) db.tv[static_cast<std::size_t>(i)].transponderIndex = 1;
        db.syncWorkingTables();
    }

    static ChannelForm channelForm() {
        ChannelForm f;
        f.name = "Das Erste";
        f.serviceId = "1A";
        f.pmtPid = "0064";
        f.videoPid = "00ff";
        f.audioPid = "0x0100";
        f.pcrPid = "  01fe";
        f.pidMode = true;
        f.scrambled = false;
        f.locked = true;
        return f;
    }

    ChannelDatabase db;
    EditFlags flags;
};

TEST_F(RecordEditTest, SatelliteTextsAreParsed) {
    struct Case {
        const char* text;
        std::uint16_t stored;
    };
    // Upper-case W only turns the position west.
    for (const Case c : {Case{"019.2E", 192}, Case{"030.0W", 3300}, Case{"030.0w", 300}, Case{"180.0W", 1800},
                         Case{"179.9E", 1799}, Case{"junk", 0}}) {
        ASSERT_TRUE(commitSatelliteFields(db, flags, 1, SatelliteForm{"Hot Bird", c.text}));
        EXPECT_EQ(db.satellites[1].longitude, c.stored) << c.text;
    }
    EXPECT_EQ(fieldText(db.satellites[1].name), "Hot Bird");
    EXPECT_EQ(db.satellites[0].longitude, 192);  // the neighbour is untouched
}

TEST_F(RecordEditTest, LongNamesAreCutToTheirFieldAndStayTerminated) {
    const std::string name43(43, 'S');
    ASSERT_TRUE(commitSatelliteFields(db, flags, 0, SatelliteForm{name43 + "overflow", "000.0E"}));
    EXPECT_EQ(fieldText(db.satellites[0].name), name43);
    EXPECT_EQ(db.satellites[0].name.back(), 0);

    ChannelForm f = channelForm();
    f.name = std::string(23, 'C') + "overflow";
    ASSERT_TRUE(commitChannelFields(db, flags, ChannelKind::Tv, 1, f));
    EXPECT_EQ(fieldText(db.tv[1].name), std::string(23, 'C'));
    EXPECT_EQ(db.tv[1].name.back(), 0);
    EXPECT_EQ(db.tv[2], db.workingTv[2]);  // nothing spilled into the next record

    // A name filling its whole field comes back from the form one character
    // short; only an edit replaces it.
    for (const auto& [typed, stored] : {std::pair{std::string(23, 'F'), std::string(24, 'F')},
                                        std::pair{std::string(22, 'F'), std::string(22, 'F')}}) {
        db.tv[1].name.fill('F');
        f.name = typed;
        ASSERT_TRUE(commitChannelFields(db, flags, ChannelKind::Tv, 1, f));
        EXPECT_EQ(fieldText(db.tv[1].name), stored);
    }
}

TEST_F(RecordEditTest, TransponderFieldsAndDropDowns) {
    TransponderForm f{"ABCD", "0x12", "12000", "22000x", 1, 5};
    ASSERT_TRUE(commitTransponderFields(db, flags, 1, f));
    const TransponderEntry& t = db.transponders[1];
    EXPECT_EQ(t.networkId, 0xABCD);
    EXPECT_EQ(t.transponderId, 0x12);
    EXPECT_EQ(t.frequency, 12000);
    EXPECT_EQ(t.symbolRate, 22000);
    EXPECT_EQ(t.polarization, 1);
    EXPECT_EQ(t.fec, 5);
    EXPECT_EQ(t.satelliteIndex, 1);  // the editor never moves a transponder

    // No item shown keeps what is stored; values above 65535 keep their low bits.
    ASSERT_TRUE(commitTransponderFields(db, flags, 1, TransponderForm{"", "", "70000", "abc", -1, -1}));
    EXPECT_EQ(db.transponders[1].networkId, 0);
    EXPECT_EQ(db.transponders[1].frequency, 70000 - 65536);
    EXPECT_EQ(db.transponders[1].symbolRate, 0);
    EXPECT_EQ(db.transponders[1].polarization, 1);
    EXPECT_EQ(db.transponders[1].fec, 5);
}

TEST_F(RecordEditTest, ChannelFieldsAreParsedAndTransponderKept) {
    ASSERT_TRUE(commitChannelFields(db, flags, ChannelKind::Radio, 1, channelForm()));
    const ChannelEntry& c = db.radio[1];
    EXPECT_EQ(fieldText(c.name), "Das Erste");
    EXPECT_EQ(c.serviceId, 0x001A);
    EXPECT_EQ(c.pmtPid, 0x64);
    EXPECT_EQ(c.videoPid, 0xFF);
    EXPECT_EQ(c.audioPid, 0x100);
    EXPECT_EQ(c.pcrPid, 0x1FE);
    EXPECT_EQ(c.pidMode, 1);
    EXPECT_EQ(c.scrambled, 0);
    EXPECT_EQ(c.locked, 1);
    EXPECT_EQ(c.transponderIndex, 0);
    EXPECT_EQ(db.workingRadio[1], ChannelEntry{});  // committed table only
}

TEST_F(RecordEditTest, PendingFlagsChooseTheWorkingTables) {
    // A pending cut changes no table: edits go where a save takes them from,
    // for either kind (a working copy would never be written).
    flags.cutPending = true;
    for (ChannelKind kind : {ChannelKind::Tv, ChannelKind::Radio}) {
        ASSERT_TRUE(commitChannelFields(db, flags, kind, 0, channelForm()));
        EXPECT_EQ(fieldText(db.channels(kind)[0].name), "Das Erste");
    }

    flags = EditFlags{};
    flags.sortPending = true;
    ASSERT_TRUE(commitChannelFields(db, flags, ChannelKind::Radio, 1, channelForm()));
    EXPECT_EQ(fieldText(db.workingRadio[1].name), "Das Erste");
    // A sort leaves satellites and transponders in the committed tables.
    ASSERT_TRUE(commitSatelliteFields(db, flags, 1, SatelliteForm{"Sorted", "001.0E"}));
    EXPECT_EQ(fieldText(db.satellites[1].name), "Sorted");

    flags = EditFlags{};
    flags.newRecordPending = true;
    ASSERT_TRUE(commitSatelliteFields(db, flags, 1, SatelliteForm{"New", "002.0E"}));
    ASSERT_TRUE(commitTransponderFields(db, flags, 0, TransponderForm{"1", "2", "3", "4", 1, 2}));
    EXPECT_EQ(fieldText(db.workingSatellites[1].name), "New");
    EXPECT_EQ(fieldText(db.satellites[1].name), "Sorted");
    EXPECT_EQ(db.workingTransponders[0].frequency, 3);
    EXPECT_EQ(db.transponders[0].frequency, 0);
}

TEST_F(RecordEditTest, IndicesOutsideTheTablesChangeNothing) {
    const ChannelDatabase before = db;
    EXPECT_FALSE(commitSatelliteFields(db, flags, -1, SatelliteForm{"x", "1E"}));
    EXPECT_FALSE(commitSatelliteFields(db, flags, 2, SatelliteForm{"x", "1E"}));
    EXPECT_FALSE(commitTransponderFields(db, flags, 2, TransponderForm{"1", "1", "1", "1", 0, 0}));
    EXPECT_FALSE(commitChannelFields(db, flags, ChannelKind::Tv, 3, channelForm()));
    EXPECT_FALSE(commitChannelFields(db, flags, ChannelKind::Radio, -1, channelForm()));
    EXPECT_EQ(db.satellites, before.satellites);
    EXPECT_EQ(db.transponders, before.transponders);
    EXPECT_EQ(db.tv, before.tv);
    EXPECT_EQ(db.radio, before.radio);
}

}  // namespace
}  // namespace velmora
