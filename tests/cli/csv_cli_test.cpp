// SPDX-License-Identifier: GPL-3.0-or-later
// export and reorder --like LIST.csv as a script runs them: the list a
// spreadsheet gets back reorders the file it came from into the same bytes.
#include <gtest/gtest.h>

#include "cli_run.h"

namespace velmora::test {
namespace {

TEST(ListCli, ExportAndReorderFromTheExportRoundTrip) {
    TempDir tmp;
    SampleOptions o;
    o.groups = 3;
    const auto original = sampleFile(o);
    writeBytes(tmp.path("a.bin"), original);
    const std::string a = q(tmp.path("a.bin")), csv = tmp.path("a.csv");

    const CliRun exported = velmora("export " + a + " -o " + q(csv));
    ASSERT_EQ(exported.exitCode, 0) << exported.err;
    EXPECT_EQ(exported.out, "exported 120 TV and 40 radio channels to " + csv + "\n");
    const auto bytes = readBytes(csv);
    EXPECT_EQ(velmora("export " + a).out, std::string(bytes.begin(), bytes.end()));  // standard output: the same text
    EXPECT_EQ(velmora("export " + a + " radio --tsv").out.rfind("Kind\tNumber\tName\t", 0), 0u);

    for (const char* flags : {"", " --with-favorites --names"}) {
        const CliRun r = velmora("reorder " + a + " --like " + q(csv) + flags + " -o " + q(tmp.path("b.bin")));
        ASSERT_EQ(r.exitCode, 0) << flags << r.err;
        EXPECT_EQ(readBytes(tmp.path("b.bin")), original) << flags;
    }
}

TEST(ListCli, RefusalsWriteNothing) {
    TempDir tmp;
    const auto original = sampleFile();
    writeBytes(tmp.path("a.bin"), original);
    writeBytes(tmp.path("other.bin"), original);
    const std::string a = q(tmp.path("a.bin"));
    struct Case {
        std::string list, flags, message;
    } cases[] = {
        {"Name\n\"open\n", "", ": line 2: a quoted cell is not closed; nothing written\n"},
        {"Name,Number\nx,1,2\n", "", ": line 2: 3 cells, but the header has 2; nothing written\n"},
        {"Number\n1\n", "", ": line 1: no Name or Service ID column; nothing written\n"},
        {"", " --names", "--radio and --names take a list (CSV or TSV) as the reference, not a channel file\n"},
    };
    for (const Case& c : cases) {
        std::string like = tmp.path("other.bin");
        if (!c.list.empty()) {
            like = tmp.path("l.csv");
            writeBytes(like, std::vector<std::uint8_t>(c.list.begin(), c.list.end()));
        }
        const CliRun r = velmora("reorder " + a + " --like " + q(like) + c.flags);
        EXPECT_EQ(r.exitCode, 2) << c.list;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_EQ(readBytes(tmp.path("a.bin")), original) << c.list;
    }
}

}  // namespace
}  // namespace velmora::test
