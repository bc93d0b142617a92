// SPDX-License-Identifier: GPL-3.0-or-later
// The virtual receiver alone, and paired in memory with the PC's machines.
#include <gtest/gtest.h>

#include <random>

#include "transfer_protocol.h"
#include "transfer_test_files.h"
#include "virtual_receiver.h"

using namespace velmora;
using namespace velmora::link;
using velmora::test::makeFile;
using velmora::test::refusing;
using velmora::test::judging;
using velmora::test::serving;
using velmora::test::MemorySink;

namespace {

using Receiver = VirtualReceiver;

Bytes packetFor(const Bytes& file) {
    const auto p = makeHeaderPacket(prepareDownload(file).header);
    return Bytes(p.begin(), p.end());
}

// Moves bytes between the PC's download machine and the receiver until both
// rest, splitting each direction's bytes into random pieces.
struct Pair {
    Receiver box;
    std::mt19937 rng{99};
    std::size_t maxPiece = 0;  // 0: whole
    std::vector<std::string> messages;

    explicit Pair(Receiver::Options o) : box(std::move(o)) {}

    template <typename Feed>
    void deliver(const Bytes& bytes, Feed&& feed) {
        std::size_t i = 0;
        while (i < bytes.size()) {
            std::size_t n = bytes.size() - i;
            if (maxPiece) n = std::min<std::size_t>(n, 1 + rng() % maxPiece);
            feed(Bytes(bytes.begin() + static_cast<long>(i), bytes.begin() + static_cast<long>(i + n)));
            i += n;
        }
    }

    template <typename Machine>
    void run(Machine& pc, Bytes toBox) {
        for (int guard = 0; guard < 100000 && !toBox.empty(); ++guard) {
            Bytes toPc;
            deliver(toBox, [&](const Bytes& piece) {
                const Bytes answer = box.feed(piece);
                toPc.insert(toPc.end(), answer.begin(), answer.end());
            });
            toBox.clear();
            deliver(toPc, [&](const Bytes& piece) {
                for (const Action& a : pc.feed(piece)) {
                    if (a.kind == Action::Kind::Send) toBox.insert(toBox.end(), a.bytes.begin(), a.bytes.end());
                    if (a.kind == Action::Kind::Message) messages.push_back(a.text);
                }
            });
        }
    }

    std::vector<std::string> download(const Bytes& file) {
        DownloadMachine pc;
        pc.arm(prepareDownload(file));
        Bytes first;
        for (const Action& a : pc.feed(box.request()))
            if (a.kind == Action::Kind::Send) first = a.bytes;
        run(pc, first);
        return messages;
    }
};

}  // namespace

TEST(ReceiverDownload, acceptsHeaderAcknowledgesBlocksAndJudgesTheSum) {
    const Bytes file = makeFile(1564);
    Receiver box({});
    EXPECT_EQ(box.request(), Bytes{0x01});
    EXPECT_EQ(box.feed(packetFor(file)), Bytes{0x10});
    EXPECT_TRUE(box.request().empty());  // no requests during a transfer
    const PreparedDownload p = prepareDownload(file);
    for (int k = 0; k < 2; ++k) {
        const auto b = makeDataBlock(std::span<const std::uint8_t, 1024>(p.image.data() + 64 + k * 1024, 1024));
        EXPECT_EQ(box.feed(Bytes(b.begin(), b.end())), Bytes{0x10});
    }
    bool storedFirst = false;
    box.onDownloadComplete = [&](const Receiver& r) { return storedFirst = r.received().size() == 64 + 2048; };
    EXPECT_EQ(box.feed(Bytes{0x03}), Bytes{0x17});
    EXPECT_TRUE(storedFirst);
    EXPECT_EQ(Bytes(box.received().begin(), box.received().begin() + 1564), file);
    EXPECT_EQ(box.state(), Receiver::State::Idle);
}

TEST(ReceiverDownload, wrongSumOrMissingDataGetChecksumError) {
    Pair bad({});
    EXPECT_EQ(bad.download(makeFile(1564, {.validChecksum = false})), std::vector<std::string>{"Checksum error"});

    // End byte right after the header: no data arrived at all.
    Receiver box({});
    box.feed(packetFor(makeFile(1564)));
    EXPECT_EQ(box.feed(Bytes{0x03}), Bytes{0x15});
}

TEST(ReceiverDownload, refusalsAndForcedVerdictsReachThePcAsTheirTexts) {
    const Bytes file = makeFile(3000);
    const std::pair<Receiver::Refusal, const char*> refusals[] = {{Receiver::Refusal::Hardware, "H/W version error"},
                                                                  {Receiver::Refusal::Software, "S/W version error"},
                                                                  {Receiver::Refusal::Model, "Model ID error"}};
    for (auto [refusal, text] : refusals) {
        Pair p(refusing(refusal));
        EXPECT_EQ(p.download(file), std::vector<std::string>{text});
    }
    const std::pair<Receiver::Verdict, const char*> verdicts[] = {{Receiver::Verdict::Ok, "Download OK"},
                                                                  {Receiver::Verdict::Checksum, "Checksum error"},
                                                                  {Receiver::Verdict::Verify, "Verify error"}};
    for (auto [verdict, text] : verdicts) {
        Pair p(judging(verdict));
        EXPECT_EQ(p.download(makeFile(3000, {.validChecksum = false})), std::vector<std::string>{text});
    }
}

TEST(ReceiverUpload, servesHeaderBlocksAndEndAndFinishesOnTheVerdict) {
    const Bytes file = makeFile(64 + 2048, {.usageType = 3});
    Receiver::Options o;
    o.serve = file;
    Receiver box(o);
    std::vector<Receiver::Finished> finished;
    box.onFinished = [&](const Receiver::Finished& f) { finished.push_back(f); };
    const Bytes header = box.feed(Bytes{0x01});
    ASSERT_EQ(header.size(), 65u);
    EXPECT_EQ(header[0], 0x08);
    EXPECT_EQ(box.feed(Bytes{0x10}).size(), 1029u);
    EXPECT_TRUE(box.feed(Bytes{0x44}).empty());  // only 0x10 moves it on
    EXPECT_EQ(box.feed(Bytes{0x10}).size(), 1029u);
    EXPECT_EQ(box.feed(Bytes{0x10}), Bytes{0x03});
    EXPECT_TRUE(finished.empty());
    EXPECT_TRUE(box.feed(Bytes{0x17}).empty());
    ASSERT_EQ(finished.size(), 1u);
    EXPECT_FALSE(finished[0].download);
    EXPECT_EQ(finished[0].answer, 0x17);
    EXPECT_EQ(finished[0].blocks, 2u);
}

TEST(ReceiverUpload, aRequestRightBehindTheVerdictStartsTheNextUpload) {
    const Bytes file = makeFile(64 + 1024, {.usageType = 2});
    Receiver::Options o;
    o.serve = file;
    Receiver box(o);
    ASSERT_EQ(box.feed(Bytes{0x01}).size(), 65u);
    ASSERT_EQ(box.feed(Bytes{0x10}).size(), 1029u);
    ASSERT_EQ(box.feed(Bytes{0x10}), Bytes{0x03});
    // Verdict and the next request in one read: the request is not lost.
    const Bytes again = box.feed(Bytes{0x17, 0x01});
    ASSERT_EQ(again.size(), 65u);
    EXPECT_EQ(again[0], 0x08);
    EXPECT_TRUE(std::equal(file.begin(), file.begin() + 64, again.begin() + 1));
    EXPECT_EQ(box.state(), Receiver::State::UploadHeaderSent);
}

TEST(ReceiverRestart, aRequestWhereThePcCouldNotSendOneStartsTheUploadAfresh) {
    const Bytes file = makeFile(64 + 3 * 1024, {.usageType = 2});
    const auto block = makeDataBlock(std::span<const std::uint8_t, 1024>(prepareDownload(file).image.data() + 64, 1024));
    Bytes download = packetFor(file);
    download.insert(download.end(), block.begin(), block.end());
    // Cut off after the header, mid-upload, after the end byte, and at a
    // block boundary of a download.
    for (const Bytes& cut : {Bytes{0x01}, Bytes{0x01, 0x10, 0x10}, Bytes{0x01, 0x10, 0x10, 0x10, 0x10}, download}) {
        Receiver box(serving(file));
        box.feed(cut);
        ASSERT_NE(box.state(), Receiver::State::Idle);
        EXPECT_EQ(box.feed(Bytes{0x01}).size(), 65u) << cut.size();
        EXPECT_EQ(box.state(), Receiver::State::UploadHeaderSent);
    }
}

TEST(ReceiverUpload, withoutAFileToServeTheRequestIsIgnoredUntilSomethingWasDownloaded) {
    Receiver box({});
    EXPECT_TRUE(box.feed(Bytes{0x01}).empty());
    Pair p({});
    const Bytes file = makeFile(1564);
    p.download(file);
    EXPECT_EQ(p.box.feed(Bytes{0x01}).size(), 65u);
}

TEST(ReceiverRoundTrip, downloadThenUploadThroughRandomPiecesIsByteExact) {
    for (std::size_t size : {std::size_t{64}, std::size_t{1088}, std::size_t{1564}, std::size_t{64 + 9 * 1024 + 5}}) {
        const Bytes file = makeFile(size, {.usageType = 2});
        Pair p({});
        p.maxPiece = 700;
        EXPECT_EQ(p.download(file), std::vector<std::string>{"Download OK"}) << size;
        // What the box holds: the file, padded with 0xFF to whole blocks.
        const Bytes& got = p.box.received();
        ASSERT_EQ(got.size(), downloadImageSize(size)) << size;
        EXPECT_TRUE(std::equal(file.begin(), file.end(), got.begin()));

        MemorySink sink;
        UploadMachine pc(&sink);
        Bytes request;
        for (const Action& a : pc.start("up.bin"))
            if (a.kind == Action::Kind::Send) request = a.bytes;
        p.messages.clear();
        p.run(pc, request);
        EXPECT_EQ(p.messages, std::vector<std::string>{"UpLoad Complete(C)!!"}) << size;
        EXPECT_EQ(sink.stored, got) << size;
    }
}
