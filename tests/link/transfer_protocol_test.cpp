// SPDX-License-Identifier: GPL-3.0-or-later
// Both transfer state machines, driven byte by byte as a peer would.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "transfer_protocol.h"
#include "test_files.h"
#include "transfer_test_files.h"

using namespace velmora;
using namespace velmora::link;
using velmora::test::HeaderFields;
using velmora::test::makeFile;
using velmora::test::MemorySink;

namespace {

using K = Action::Kind;

std::vector<K> kinds(const Actions& a) {
    std::vector<K> k;
    for (const auto& x : a) k.push_back(x.kind);
    return k;
}
Bytes sent(const Actions& a) {
    Bytes b;
    for (const auto& x : a)
        if (x.kind == K::Send) b.insert(b.end(), x.bytes.begin(), x.bytes.end());
    return b;
}
std::vector<std::string> texts(const Actions& a) {
    std::vector<std::string> t;
    for (const auto& x : a)
        if (x.kind == K::Message) t.push_back(x.text);
    return t;
}
std::vector<std::uint32_t> progress(const Actions& a) {
    std::vector<std::uint32_t> p;
    for (const auto& x : a)
        if (x.kind == K::Progress) p.push_back(x.value);
    return p;
}
bool has(const Actions& a, K k) { return std::any_of(a.begin(), a.end(), [&](const Action& x) { return x.kind == k; }); }
Actions feed(DownloadMachine& m, std::initializer_list<std::uint8_t> bytes) { return m.feed(Bytes(bytes)); }

DownloadMachine armed(const Bytes& file) {
    const PreparedDownload p = prepareDownload(file);
    EXPECT_TRUE(p.ok()) << p.error;
    DownloadMachine m;
    m.arm(p);
    return m;
}

// Runs a download to the point where 0x03 has been sent.
Bytes runBlocks(DownloadMachine& m, std::vector<std::uint32_t>* progressSeen = nullptr) {
    Bytes wire = sent(feed(m, {0x01}));
    Actions a = feed(m, {0x10});
    for (;;) {
        const Bytes s = sent(a);
        wire.insert(wire.end(), s.begin(), s.end());
        if (progressSeen) {
            auto p = progress(a);
            progressSeen->insert(progressSeen->end(), p.begin(), p.end());
        }
        if (m.state() == DownloadState::AwaitResult) return wire;
        EXPECT_EQ(m.state(), DownloadState::AwaitBlockAck);
        a = feed(m, {0x10});
    }
}

}  // namespace

// ------------------------------------------------------------ image and packets

TEST(DownloadImage, sizeEndsOnWholeBlockWithPaddingAlwaysPresent) {
    EXPECT_EQ(downloadImageSize(1564), 2112u);
    EXPECT_EQ(downloadImageSize(1088), 2112u);  // exact fit still gets a block of 0xFF
    EXPECT_EQ(downloadImageSize(64), 1088u);
    EXPECT_EQ(downloadImageSize(65), 1088u);
    EXPECT_EQ(downloadImageSize(63), 0u);
    EXPECT_EQ(downloadImageSize(0x1'0000'0000ull), 0u);
}

TEST(DownloadImage, fileCopiedAtStartAndPaddedWithFF) {
    const Bytes file = makeFile(1564);
    const PreparedDownload p = prepareDownload(file);
    ASSERT_TRUE(p.ok());
    ASSERT_EQ(p.image.size(), 2112u);
    EXPECT_TRUE(std::equal(file.begin(), file.end(), p.image.begin()));
    EXPECT_TRUE(std::all_of(p.image.begin() + 1564, p.image.end(), [](std::uint8_t b) { return b == 0xFF; }));
}

TEST(Packets, headerPacketIsLeadByteThenTheFilesFirst64Bytes) {
    const Bytes file = makeFile(200, {.usageType = 0x80, .model = "Model name exactly thirty-two ch"});
    const PreparedDownload p = prepareDownload(file);
    ASSERT_TRUE(p.ok());
    const HeaderPacket packet = makeHeaderPacket(p.header);
    EXPECT_EQ(packet[0], 0x08);
    EXPECT_TRUE(std::equal(packet.begin() + 1, packet.end(), file.begin()));
}

TEST(Packets, dataBlockFraming) {
    std::array<std::uint8_t, 1024> data;
    std::iota(data.begin(), data.end(), std::uint8_t{0});
    const DataBlock b = makeDataBlock(data);
    EXPECT_EQ(b[0], 0x02);
    EXPECT_EQ(b[1], 0x00);
    EXPECT_EQ(b[2], 0xFF);
    EXPECT_TRUE(std::equal(data.begin(), data.end(), b.begin() + 3));
    EXPECT_EQ(b[1027], 0x00);
    EXPECT_EQ(b[1028], 0xFF);
}

TEST(UsageGroups, lowByteDecidesGroupAndAcceptanceWholeValueDecidesHeaderPacket) {
    for (unsigned u : {0x00u, 0x80u, 0x0100u, 0x0180u}) EXPECT_TRUE(isMGroup(static_cast<std::uint16_t>(u))) << u;
    for (unsigned u : {0x01u, 0x02u, 0x03u, 0x05u, 0x0102u}) EXPECT_FALSE(isMGroup(static_cast<std::uint16_t>(u))) << u;
    for (unsigned u : {0u, 1u, 2u, 3u, 0x80u, 0x0102u}) EXPECT_TRUE(downloadAccepts(static_cast<std::uint16_t>(u))) << u;
    for (unsigned u : {4u, 5u, 0x7Fu, 0x81u, 0xFFu, 0x0105u})
        EXPECT_FALSE(downloadAccepts(static_cast<std::uint16_t>(u))) << u;
    for (unsigned u : {2u, 3u, 0x80u}) EXPECT_TRUE(headerPacketAllowed(static_cast<std::uint16_t>(u))) << u;
    for (unsigned u : {0u, 1u, 0x0102u, 0x0180u}) EXPECT_FALSE(headerPacketAllowed(static_cast<std::uint16_t>(u))) << u;
}

// ------------------------------------------------------------ preparing a download

TEST(PrepareDownload, refusesBadMagicShortFileAndUnknownUsageLowByte) {
    auto bad = prepareDownload(makeFile(1564, {.magicOk = false}));
    EXPECT_EQ(bad.status, PrepareStatus::BadMagic);
    EXPECT_EQ(bad.message, "Invalid Data Format!!!");

    auto shortFile = makeFile(100);
    shortFile.resize(40);
    EXPECT_EQ(prepareDownload(shortFile).status, PrepareStatus::BadMagic);

    auto usage5 = prepareDownload(makeFile(1564, {.usageType = 0x05}));
    EXPECT_EQ(usage5.status, PrepareStatus::InvalidFormat);
    EXPECT_EQ(usage5.message, "Invalid Data Format");
    EXPECT_TRUE(usage5.image.empty());
}

TEST(PrepareDownload, groupsFollowTheLowByte) {
    EXPECT_TRUE(prepareDownload(makeFile(200, {.usageType = 0x80})).mGroup);
    EXPECT_TRUE(prepareDownload(makeFile(200, {.usageType = 0x00})).mGroup);
    EXPECT_FALSE(prepareDownload(makeFile(200, {.usageType = 0x01})).mGroup);
    EXPECT_FALSE(prepareDownload(makeFile(200, {.usageType = 0x0203})).mGroup);
}

TEST(PrepareDownload, unreadablePathIsCannotOpenWithoutMessage) {
    auto p = prepareDownloadFile("/nonexistent/dir/file.bin");
    EXPECT_EQ(p.status, PrepareStatus::CannotOpen);
    EXPECT_TRUE(p.message.empty());
    EXPECT_FALSE(p.error.empty());
}

// ------------------------------------------------------------ download: requests and refusals

TEST(DownloadRequest, requestInsideNoiseSendsHeaderPacketAndDropsTheRest) {
    const Bytes file = makeFile(1564);
    DownloadMachine m = armed(file);
    EXPECT_TRUE(feed(m, {0x00, 0x7F, 0x10}).empty());
    EXPECT_EQ(m.state(), DownloadState::Idle);

    const Actions a = feed(m, {0x00, 0x01, 0x10, 0x10});  // the trailing 0x10s must not start blocks
    ASSERT_EQ(kinds(a), std::vector<K>{K::Send});
    EXPECT_EQ(a[0].bytes.size(), 65u);
    EXPECT_EQ(a[0].bytes[0], 0x08);
    EXPECT_TRUE(std::equal(a[0].bytes.begin() + 1, a[0].bytes.end(), file.begin()));
    EXPECT_EQ(m.state(), DownloadState::HeaderSent);
}

TEST(DownloadRequest, unknownUsageTypeRefusesAndReturnsToIdle) {
    for (std::uint16_t usage : {std::uint16_t{1}, std::uint16_t{0}, std::uint16_t{0x0102}}) {
        DownloadMachine m = armed(makeFile(1564, {.usageType = usage}));
        const Actions a = feed(m, {0x01});
        EXPECT_EQ(texts(a), std::vector<std::string>{"Unknown Usage Type"}) << usage;
        EXPECT_TRUE(has(a, K::Disarm));
        EXPECT_TRUE(sent(a).empty());
        EXPECT_EQ(m.state(), DownloadState::Idle);
        EXPECT_EQ(m.outcome(), Outcome::Refused);
    }
}

TEST(DownloadRequest, refusalsAfterHeaderShowTheirTextAndDisarm) {
    const std::pair<std::uint8_t, const char*> cases[] = {
        {0x12, "H/W version error"}, {0x13, "S/W version error"}, {0x14, "Model ID error"}};
    for (auto [byte, text] : cases) {
        DownloadMachine m = armed(makeFile(1564));
        feed(m, {0x01});
        const Actions a = m.feed(Bytes{0x00, byte, 0x10});
        EXPECT_EQ(texts(a), std::vector<std::string>{text});
        EXPECT_TRUE(has(a, K::Disarm));
        EXPECT_TRUE(sent(a).empty());
        EXPECT_EQ(m.state(), DownloadState::Idle);
        EXPECT_EQ(m.downloadOffset(), 64u);
    }
}

TEST(DownloadRequest, strayByteBeforeAcceptStillStartsBlocks) {
    const Bytes file = makeFile(1564);
    DownloadMachine m = armed(file);
    feed(m, {0x01});
    const Actions a = feed(m, {0x11, 0x10});
    ASSERT_EQ(sent(a).size(), 1029u);
    EXPECT_TRUE(std::equal(file.begin() + 64, file.begin() + 64 + 1024, sent(a).begin() + 3));
    EXPECT_EQ(m.state(), DownloadState::AwaitBlockAck);
    EXPECT_EQ(m.downloadOffset(), 1088u);
}

TEST(DownloadRequest, closedPortShowsMessageAndKeepsState) {
    DownloadMachine m = armed(makeFile(1564));
    const Actions a = m.feed(Bytes{0x01}, false);
    EXPECT_EQ(texts(a), std::vector<std::string>{"You must initialize the serial port."});
    EXPECT_EQ(m.state(), DownloadState::Idle);
    EXPECT_TRUE(sent(a).empty());
}

// ------------------------------------------------------------ download: blocks and padding

TEST(DownloadBlocks, file1564GivesTwoBlocksSecondHalfPadded) {
    const Bytes file = makeFile(1564);
    DownloadMachine m = armed(file);
    std::vector<std::uint32_t> seen;
    const Bytes wire = runBlocks(m, &seen);
    ASSERT_EQ(wire.size(), 65u + 2 * 1029 + 1);
    const auto second = wire.begin() + 65 + 1029 + 3;
    EXPECT_TRUE(std::equal(file.begin() + 64 + 1024, file.end(), second));  // 476 file bytes
    EXPECT_TRUE(std::all_of(second + 476, second + 1024, [](std::uint8_t b) { return b == 0xFF; }));
    EXPECT_EQ(wire.back(), 0x03);
    EXPECT_EQ(seen, (std::vector<std::uint32_t>{1088, 1500}));  // 1088, then dataLength
}

TEST(DownloadBlocks, file1088GivesSecondBlockAllFF) {
    const Bytes file = makeFile(1088);
    DownloadMachine m = armed(file);
    const Bytes wire = runBlocks(m);
    ASSERT_EQ(wire.size(), 65u + 2 * 1029 + 1);
    const auto second = wire.begin() + 65 + 1029 + 3;
    EXPECT_TRUE(std::all_of(second, second + 1024, [](std::uint8_t b) { return b == 0xFF; }));
}

TEST(DownloadBlocks, ackWithoutAcceptByteWaitsAndNextBlockGoesOutInSameCall) {
    DownloadMachine m = armed(makeFile(1564));
    feed(m, {0x01});
    feed(m, {0x10});
    EXPECT_TRUE(feed(m, {0x00, 0x11}).empty());
    const Actions a = feed(m, {0x00, 0x10});
    ASSERT_FALSE(a.empty());
    EXPECT_EQ(a[0].kind, K::Send);  // block first, then the progress report
    EXPECT_EQ(a[0].bytes.size(), 1029u);
    EXPECT_EQ(progress(a), std::vector<std::uint32_t>{1088});
}

TEST(DownloadBlocks, finalProgressFollowsTheGroup) {
    {  // M group with headerParam5: that value
        DownloadMachine m = armed(makeFile(1564, {.usageType = 0x80, .headerParam5 = 4000}));
        std::vector<std::uint32_t> seen;
        runBlocks(m, &seen);
        EXPECT_EQ(seen, (std::vector<std::uint32_t>{1088, 4000}));
        EXPECT_EQ(m.progressTotal(), 4000u);
    }
    {  // M group without: 0, then dataLength
        DownloadMachine m = armed(makeFile(1564, {.usageType = 0x80, .headerParam5 = 0}));
        std::vector<std::uint32_t> seen;
        runBlocks(m, &seen);
        EXPECT_EQ(seen, (std::vector<std::uint32_t>{1088, 0, 1500}));
        EXPECT_EQ(m.progressTotal(), 1500u);
    }
    {  // C group ignores headerParam5
        DownloadMachine m = armed(makeFile(1564, {.usageType = 3, .headerParam5 = 4000}));
        EXPECT_EQ(m.progressTotal(), 1500u);
    }
}

// ------------------------------------------------------------ download: verdicts

TEST(DownloadVerdict, okAfterStrayAcceptsClosesDialog) {
    DownloadMachine m = armed(makeFile(1564));
    runBlocks(m);
    const Actions a = feed(m, {0x10, 0x10, 0x17});
    EXPECT_EQ(kinds(a), (std::vector<K>{K::Message, K::Done, K::Disarm}));
    EXPECT_EQ(a[0].text, "Download OK");
    EXPECT_EQ(m.state(), DownloadState::Idle);
    EXPECT_EQ(m.downloadOffset(), 64u);
    EXPECT_EQ(m.outcome(), Outcome::Succeeded);
}

TEST(DownloadVerdict, onlyAcceptsWaitAndErrorsLeaveDialogOpen) {
    DownloadMachine m = armed(makeFile(1564));
    runBlocks(m);
    EXPECT_TRUE(feed(m, {0x10, 0x10}).empty());
    EXPECT_EQ(m.state(), DownloadState::AwaitResult);

    Actions a = feed(m, {0x42, 0x15});
    EXPECT_EQ(texts(a), std::vector<std::string>{"Checksum error"});
    EXPECT_FALSE(has(a, K::Done));
    EXPECT_TRUE(has(a, K::Disarm));
    EXPECT_EQ(m.outcome(), Outcome::Failed);

    DownloadMachine v = armed(makeFile(1564));
    runBlocks(v);
    a = feed(v, {0x16, 0x17});
    EXPECT_EQ(texts(a), std::vector<std::string>{"Verify error"});
    EXPECT_EQ(v.state(), DownloadState::Idle);
}

TEST(DownloadVerdict, cancelResetsAndRearmingStartsOver) {
    const Bytes file = makeFile(1564);
    DownloadMachine m = armed(file);
    feed(m, {0x01});
    feed(m, {0x10});
    m.cancel();
    EXPECT_EQ(m.state(), DownloadState::Idle);
    EXPECT_EQ(m.downloadOffset(), 64u);
    m.arm(prepareDownload(file));
    const Bytes wire = runBlocks(m);
    EXPECT_TRUE(std::equal(file.begin() + 64, file.begin() + 1088, wire.begin() + 65 + 3));
}

// ------------------------------------------------------------ upload

namespace {

// What a receiver sends for a file: header (optionally led by 0x08), blocks.
Bytes uploadHeader(const Bytes& file, bool lead) {
    Bytes h;
    if (lead) h.push_back(0x08);
    h.insert(h.end(), file.begin(), file.begin() + 64);
    return h;
}
std::vector<Bytes> uploadBlocks(const Bytes& file) {
    Bytes image = file;
    image.resize(downloadImageSize(file.size()), 0xFF);
    std::vector<Bytes> blocks;
    for (std::size_t off = 64; off < image.size(); off += 1024) {
        const auto b = makeDataBlock(std::span<const std::uint8_t, 1024>(image.data() + off, 1024));
        blocks.emplace_back(b.begin(), b.end());
    }
    return blocks;
}

struct Upload {
    MemorySink sink;
    UploadMachine m{&sink};
    Upload() { m.start("/tmp/out.bin"); }
    Actions feed(const Bytes& b) { return m.feed(b); }
};

}  // namespace

TEST(UploadHeader, acceptedWithAndWithoutLeadByte) {
    const Bytes file = makeFile(1564, {.usageType = 3});
    for (bool lead : {true, false}) {
        Upload u;
        const Actions a = u.feed(uploadHeader(file, lead));
        EXPECT_EQ(sent(a), Bytes{0x10}) << lead;
        EXPECT_EQ(u.m.state(), UploadState::ReceivingBlocks);
        EXPECT_EQ(u.sink.stored, Bytes(file.begin(), file.begin() + 64));
        ASSERT_TRUE(has(a, K::ReplaceHeader));
        EXPECT_EQ(u.m.header().usageType, 3);
        EXPECT_EQ(u.m.header().dataLength, 1500u);
        EXPECT_EQ(u.m.header().modelText(), "VM-9000");
    }
}

TEST(UploadHeader, startSendsRequestAndHeaderArrivingInPiecesIsAssembled) {
    const Bytes file = makeFile(1564);
    MemorySink sink;
    UploadMachine m(&sink);
    EXPECT_EQ(sent(m.start("x.bin")), Bytes{0x01});
    const Bytes h = uploadHeader(file, true);
    for (std::size_t i = 0; i + 1 < h.size(); ++i) EXPECT_TRUE(m.feed(Bytes{h[i]}).empty()) << i;
    // The lead byte alone was a whole first chunk: it is dropped, and the
    // header then starts at the next chunk.
    EXPECT_EQ(m.state(), UploadState::AwaitHeader);
    EXPECT_EQ(sent(m.feed(Bytes{h.back()})), Bytes{0x10});
}

TEST(UploadHeader, noiseBeforeFirst55IsDroppedAndHeaderNotStartingWith55IsIgnored) {
    const Bytes file = makeFile(1564);
    {
        Upload u;
        Bytes chunk{0x00, 0x11, 0x22};
        chunk.insert(chunk.end(), file.begin(), file.begin() + 64);
        EXPECT_EQ(sent(u.feed(chunk)), Bytes{0x10});
        EXPECT_EQ(u.sink.stored, Bytes(file.begin(), file.begin() + 64));
    }
    {
        Upload u;
        Bytes chunk{0x08, 0x00};  // collected header starts with 0x00
        chunk.insert(chunk.end(), file.begin(), file.begin() + 64);
        const Actions a = u.feed(chunk);
        EXPECT_TRUE(a.empty());
        EXPECT_EQ(u.m.state(), UploadState::AwaitHeader);
        EXPECT_EQ(u.sink.creates, 0);
        // the PC waits for another header
        EXPECT_EQ(sent(u.feed(uploadHeader(file, true))), Bytes{0x10});
    }
    {
        Upload u;
        EXPECT_TRUE(u.feed(Bytes{0x00, 0x11, 0x22}).empty());  // no 0x55 at all
        EXPECT_EQ(u.m.uploadCount(), 0u);
    }
}

TEST(UploadBlocks, blockInPiecesOf1000And29IsCompletedBySecondPiece) {
    const Bytes file = makeFile(1564, {.usageType = 2});
    Upload u;
    u.feed(uploadHeader(file, true));
    const Bytes b = uploadBlocks(file)[0];
    EXPECT_TRUE(u.feed(Bytes(b.begin(), b.begin() + 1000)).empty());
    EXPECT_EQ(u.m.uploadCount(), 1000u);
    const Actions a = u.feed(Bytes(b.begin() + 1000, b.end()));
    EXPECT_EQ(sent(a), Bytes{0x10});
    EXPECT_EQ(progress(a), std::vector<std::uint32_t>{1029});
    EXPECT_EQ(u.sink.stored.size(), 64u + 1024);
    EXPECT_TRUE(std::equal(file.begin() + 64, file.begin() + 1088, u.sink.stored.begin() + 64));
}

TEST(UploadBlocks, framingBytesAreNotCheckedAnd03InsideABlockIsData) {
    const Bytes file = makeFile(1564, {.usageType = 0x80});
    Upload u;
    u.feed(uploadHeader(file, false));
    Bytes b = uploadBlocks(file)[0];
    b[0] = 0x44;  // any lead byte is taken
    b[1] = 0x77;
    u.feed(Bytes(b.begin(), b.begin() + 10));
    Bytes rest(b.begin() + 10, b.end());
    rest[0] = 0x03;  // mid-block: data, not the end byte
    EXPECT_EQ(sent(u.feed(rest)), Bytes{0x10});
    EXPECT_EQ(u.sink.stored.size(), 64u + 1024);
}

TEST(UploadVerdict, cGroupMatchingSumCompletesAndMGroupIsNotTested) {
    for (auto [usage, text] : {std::pair<std::uint16_t, const char*>{2, "UpLoad Complete(C)!!"},
                               {0x0105, "UpLoad Complete(C)!!"},
                               {0x80, "UpLoad Complete(M)!!"},
                               {0, "UpLoad Complete(M)!!"}}) {
        const bool m = usage == 0x80 || usage == 0;
        // M-group files carry a wrong sum here: it must not matter.
        const Bytes file = makeFile(2000, {.usageType = usage, .validChecksum = !m});
        Upload u;
        u.feed(uploadHeader(file, true));
        for (const Bytes& b : uploadBlocks(file)) u.feed(b);
        const Actions a = u.feed(Bytes{0x03, 0x99});
        EXPECT_EQ(kinds(a), (std::vector<K>{K::Send, K::Message, K::Done, K::Disarm})) << usage;
        EXPECT_EQ(sent(a), Bytes{0x17});
        EXPECT_EQ(texts(a), std::vector<std::string>{text});
        EXPECT_EQ(u.m.state(), UploadState::AwaitHeader);
        EXPECT_EQ(u.m.outcome(), Outcome::Succeeded);
        EXPECT_EQ(u.m.uploadTotal(), 2u * 1029);
        ASSERT_EQ(u.sink.stored.size(), 64u + 2 * 1024);
        EXPECT_TRUE(std::equal(file.begin(), file.end(), u.sink.stored.begin()));
        EXPECT_EQ(u.sink.commits, 1);
    }
}

TEST(UploadVerdict, cGroupSumMismatchAnswers15AndIgnoresLaterBlocks) {
    const Bytes file = makeFile(1564, {.usageType = 2, .validChecksum = false});
    Upload u;
    u.feed(uploadHeader(file, true));
    for (const Bytes& b : uploadBlocks(file)) u.feed(b);
    const Actions a = u.feed(Bytes{0x03});
    EXPECT_EQ(kinds(a), std::vector<K>{K::Send});
    EXPECT_EQ(sent(a), Bytes{0x15});
    EXPECT_EQ(u.m.state(), UploadState::ReceivingBlocks);
    EXPECT_EQ(u.m.outcome(), Outcome::Failed);
    EXPECT_FALSE(u.m.fileFailed());
    EXPECT_EQ(u.sink.commits, 0);  // known-wrong data never replace a file
    EXPECT_EQ(u.sink.discards, 1);

    const std::size_t storedBefore = u.sink.stored.size();
    const Actions later = u.feed(uploadBlocks(file)[0]);
    EXPECT_TRUE(later.empty());
    EXPECT_FALSE(u.sink.writeAfterClose);
    EXPECT_EQ(u.sink.stored.size(), storedBefore);
    EXPECT_TRUE(u.feed(Bytes{0x03}).empty());
}

TEST(UploadVerdict, fileShorterThanDataLengthFailsTheSum) {
    // Header claims 3000 data bytes; only one block arrives. Padding the
    // missing bytes with anything could make the sum match by accident.
    Bytes file = makeFile(64 + 3000, {.usageType = 2});
    Upload u;
    u.feed(uploadHeader(file, true));
    u.feed(uploadBlocks(file)[0]);
    EXPECT_EQ(sent(u.feed(Bytes{0x03})), Bytes{0x15});

    // A header claiming zero data bytes only sums nothing: it matches 0.
    Bytes empty = makeFile(64, {.usageType = 2});
    Upload z;
    z.feed(uploadHeader(empty, true));
    EXPECT_EQ(sent(z.feed(Bytes{0x03})), Bytes{0x17});
}

TEST(UploadFailures, outputFileCannotBeCreatedReportsDisarmsAndSendsNothing) {
    const Bytes file = makeFile(1564);
    Upload u;
    u.sink.failCreate = true;
    const Actions a = u.feed(uploadHeader(file, true));
    EXPECT_TRUE(sent(a).empty());
    ASSERT_EQ(texts(a).size(), 1u);
    EXPECT_EQ(texts(a)[0], "Cannot create the file /tmp/out.bin");
    EXPECT_TRUE(has(a, K::Disarm));
    EXPECT_FALSE(has(a, K::ReplaceHeader));
    EXPECT_EQ(u.m.state(), UploadState::AwaitHeader);
    EXPECT_EQ(u.m.outcome(), Outcome::Failed);
    EXPECT_TRUE(u.m.fileFailed());
}

TEST(UploadFailures, writeFailureMidwayIsNeverReportedAsComplete) {
    const Bytes file = makeFile(3000, {.usageType = 0x80});
    Upload u;
    u.sink.failWriteAfter = 2;  // header and first block succeed
    u.feed(uploadHeader(file, true));
    const auto blocks = uploadBlocks(file);
    u.feed(blocks[0]);
    const Actions a = u.feed(blocks[1]);
    EXPECT_TRUE(has(a, K::Disarm));
    EXPECT_EQ(texts(a), std::vector<std::string>{"Cannot write the file /tmp/out.bin"});
    EXPECT_EQ(u.m.outcome(), Outcome::Failed);
    EXPECT_FALSE(u.sink.open);
}

TEST(UploadFailures, closeOrCommitFailureAtEndIsNotComplete) {
    const Bytes file = makeFile(1564, {.usageType = 0x80});
    for (bool commitFails : {false, true}) {
        Upload u;
        u.sink.failClose = !commitFails;
        u.sink.failCommit = commitFails;
        u.feed(uploadHeader(file, true));
        for (const Bytes& b : uploadBlocks(file)) u.feed(b);
        const Actions a = u.feed(Bytes{0x03});
        EXPECT_TRUE(sent(a).empty()) << commitFails;
        EXPECT_EQ(u.m.outcome(), Outcome::Failed);
        EXPECT_EQ(u.sink.discards, 1);
    }
}

TEST(UploadBounds, oversizedChunksAreTakenSafely) {
    const Bytes file = makeFile(1564, {.usageType = 2});
    Upload u;
    Bytes huge = uploadHeader(file, true);
    huge.resize(65535, 0xEE);
    EXPECT_EQ(sent(u.feed(huge)), Bytes{0x10});
    EXPECT_EQ(u.sink.stored.size(), 64u);

    Bytes bigBlock = uploadBlocks(file)[0];
    bigBlock.resize(65535, 0xDD);
    const Actions a = u.feed(bigBlock);
    EXPECT_EQ(sent(a), Bytes{0x10});
    EXPECT_EQ(u.m.uploadTotal(), 1029u);
    EXPECT_EQ(u.sink.stored.size(), 64u + 1024);
    EXPECT_EQ(u.m.uploadCount(), 0u);
}

TEST(UploadBounds, closedPortAndCancel) {
    const Bytes file = makeFile(1564);
    Upload u;
    const Actions a = u.m.feed(uploadHeader(file, true), false);
    EXPECT_EQ(texts(a), std::vector<std::string>{"You must initialize the serial port."});
    EXPECT_EQ(u.m.uploadCount(), 0u);

    u.feed(uploadHeader(file, true));
    u.feed(Bytes(100, 0x02));
    u.m.cancel();
    EXPECT_EQ(u.m.state(), UploadState::AwaitHeader);
    EXPECT_EQ(u.m.uploadCount(), 0u);
    EXPECT_FALSE(u.sink.open);
}

// ------------------------------------------------------------ chunks split anywhere

TEST(ChunkSplits, uploadStreamSplitAtRandomStoresTheSameFile) {
    const Bytes file = makeFile(64 + 5 * 1024 + 17, {.usageType = 3});
    std::mt19937 rng(12345);
    for (int round = 0; round < 200; ++round) {
        Upload u;
        auto deliver = [&](const Bytes& stream) {
            std::size_t i = 0;
            while (i < stream.size()) {
                const std::size_t n = std::min<std::size_t>(stream.size() - i, 1 + rng() % 1100);
                u.feed(Bytes(stream.begin() + static_cast<long>(i), stream.begin() + static_cast<long>(i + n)));
                i += n;
            }
        };
        deliver(uploadHeader(file, round % 2 == 0));
        for (const Bytes& b : uploadBlocks(file)) deliver(b);
        const Actions a = u.feed(Bytes{0x03});
        ASSERT_EQ(sent(a), Bytes{0x17}) << round;
        ASSERT_TRUE(std::equal(file.begin(), file.end(), u.sink.stored.begin())) << round;
    }
}

TEST(ChunkSplits, downloadAcksMixedWithNoiseSendEveryBlockOnce) {
    const Bytes file = makeFile(64 + 7 * 1024);
    DownloadMachine m = armed(file);
    std::mt19937 rng(7);
    Bytes wire = sent(feed(m, {0x33, 0x01}));
    int guard = 0;
    while (m.state() != DownloadState::AwaitResult && ++guard < 1000) {
        Bytes chunk;
        for (unsigned n = rng() % 4; n > 0; --n) chunk.push_back(static_cast<std::uint8_t>(0x20 + rng() % 8));
        if (rng() % 2) chunk.insert(chunk.begin() + static_cast<long>(rng() % (chunk.size() + 1)), 0x10);
        const Actions a = m.feed(chunk);
        const Bytes s = sent(a);
        wire.insert(wire.end(), s.begin(), s.end());
    }
    ASSERT_EQ(wire.size(), 65u + 8 * 1029 + 1);
    for (std::size_t k = 0; k < 8; ++k) {
        const auto block = wire.begin() + 65 + static_cast<long>(k * 1029) + 3;
        const auto image = prepareDownload(file).image;
        EXPECT_TRUE(std::equal(block, block + 1024, image.begin() + 64 + static_cast<long>(k * 1024))) << k;
    }
}

// An upload over a file keeps that file as a version first; a store that
// cannot be written is reported and the upload still completes.
TEST(UploadVersions, theReplacedFileIsKeptAndAnUnwritableStoreDoesNotStopTheUpload) {
    velmora::test::TempDir tmp;
    const std::string target = tmp.path("list.bin");
    const Bytes old = makeFile(1500, {}), file = makeFile(2000, {});
    for (const bool writable : {true, false}) {
        velmora::test::writeBytes(target, old);
        if (!writable) velmora::test::writeBytes(tmp.path("store-file"), {0});
        VersionStore store(tmp.path(writable ? "store" : "store-file"));
        UploadMachine m;
        m.setVersionStore(&store);
        m.start(target);
        m.feed(uploadHeader(file, true));
        for (const Bytes& b : uploadBlocks(file)) m.feed(b);
        m.feed(Bytes{0x03});
        EXPECT_EQ(m.outcome(), Outcome::Succeeded);
        EXPECT_EQ(m.versionProblem().empty(), writable) << m.versionProblem();
        const auto kept = store.versions(target);
        ASSERT_EQ(kept.size(), writable ? 1u : 0u);
        if (writable) {
            EXPECT_EQ(velmora::test::readBytes(kept[0].path), old);
        }
    }
}
