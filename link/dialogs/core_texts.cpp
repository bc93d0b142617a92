// SPDX-License-Identifier: GPL-3.0-or-later
#include "core_texts.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>
#include <string_view>

#include "channel_reader.h"
#include "transfer_protocol.h"

namespace velmora::ui {
namespace {

// The table's copies must stay the texts core really gives.
static_assert(std::string_view(link::kTextPortClosed) == "You must initialize the serial port.");
static_assert(std::string_view(link::kTextInvalidFormat) == "Invalid Data Format");
static_assert(std::string_view(link::kTextUnknownUsage) == "Unknown Usage Type");
static_assert(std::string_view(link::kTextHardwareError) == "H/W version error");
static_assert(std::string_view(link::kTextSoftwareError) == "S/W version error");
static_assert(std::string_view(link::kTextModelError) == "Model ID error");
static_assert(std::string_view(link::kTextChecksumError) == "Checksum error");
static_assert(std::string_view(link::kTextVerifyError) == "Verify error");
static_assert(std::string_view(link::kTextDownloadOk) == "Download OK");
static_assert(std::string_view(link::kTextUploadCompleteC) == "UpLoad Complete(C)!!");
static_assert(std::string_view(link::kTextUploadCompleteM) == "UpLoad Complete(M)!!");
static_assert(std::string_view(link::kTextPreviousKept) == "The previous file was kept.");
static_assert(std::string_view(kTextBadMagic) == "Invalid Data Format!!!");
static_assert(std::string_view(kTextBadChannelMagic) == "Invalid Data Format, Check the Source File");

constexpr const char* kKnown[] = {
    // the receiver link
    QT_TRANSLATE_NOOP("CoreText", "You must initialize the serial port."),
    QT_TRANSLATE_NOOP("CoreText", "Invalid Data Format"),
    QT_TRANSLATE_NOOP("CoreText", "Unknown Usage Type"),
    QT_TRANSLATE_NOOP("CoreText", "H/W version error"),
    QT_TRANSLATE_NOOP("CoreText", "S/W version error"),
    QT_TRANSLATE_NOOP("CoreText", "Model ID error"),
    QT_TRANSLATE_NOOP("CoreText", "Checksum error"),
    QT_TRANSLATE_NOOP("CoreText", "Verify error"),
    QT_TRANSLATE_NOOP("CoreText", "Download OK"),
    QT_TRANSLATE_NOOP("CoreText", "UpLoad Complete(C)!!"),
    QT_TRANSLATE_NOOP("CoreText", "UpLoad Complete(M)!!"),
    QT_TRANSLATE_NOOP("CoreText", "The previous file was kept."),
    QT_TRANSLATE_NOOP("CoreText", "the file is too large"),
    // reading a channel file
    QT_TRANSLATE_NOOP("CoreText", "Invalid Data Format!!!"),
    QT_TRANSLATE_NOOP("CoreText", "Invalid Data Format, Check the Source File"),
    QT_TRANSLATE_NOOP("CoreText", "The file ends before its header is complete."),
    QT_TRANSLATE_NOOP("CoreText", "The file ends before its block head is complete."),
    QT_TRANSLATE_NOOP("CoreText", "The file ends before its general section is complete."),
    QT_TRANSLATE_NOOP("CoreText", "The file ends before its satellite section is complete."),
    QT_TRANSLATE_NOOP("CoreText", "The file ends before its transponder section is complete."),
    QT_TRANSLATE_NOOP("CoreText", "The file ends before its channel section is complete."),
    QT_TRANSLATE_NOOP("CoreText", "The file ends before its favourite section is complete."),
    QT_TRANSLATE_NOOP("CoreText", "The file ends before its CRC trailer is complete."),
    QT_TRANSLATE_NOOP("CoreText", "The file ends before its extra block is complete."),
    QT_TRANSLATE_NOOP("CoreText", "The file ends before its extra block is complete. "
                                  "(A byte 0xF0 after the favourite section starts an extra block.)"),
    // edits of the tables
    QT_TRANSLATE_NOOP("CoreText", "There is no channel with that number."),
    QT_TRANSLATE_NOOP("CoreText", "There is no transponder with that number."),
    QT_TRANSLATE_NOOP("CoreText", "There is no satellite with that number."),
    QT_TRANSLATE_NOOP("CoreText", "The file has no such favourite group."),
    QT_TRANSLATE_NOOP("CoreText", "The channel list is full (10000 channels)."),
    QT_TRANSLATE_NOOP("CoreText", "The transponder table is full (1000 transponders)."),
    QT_TRANSLATE_NOOP("CoreText", "A channel file holds at most 255 satellites."),
    QT_TRANSLATE_NOOP("CoreText", "The favourite groups are full (10000 entries)."),
    QT_TRANSLATE_NOOP("CoreText", "The channel is already in that favourite group."),
    QT_TRANSLATE_NOOP("CoreText", "The channel is not in that favourite group."),
    QT_TRANSLATE_NOOP("CoreText", "The new order does not name every channel exactly once."),
    QT_TRANSLATE_NOOP("CoreText", "The favourite group has no entry at that place."),
};

// Texts core assembles with numbers or names: the numbers and names are
// put into the translated form.
struct Pattern {
    const char* english;  // the whole line; each group one argument
    const char* format;   // the same with %1, %2
};
constexpr Pattern kPatterns[] = {
    {"^The file holds (\\d+) favourite groups; at most (\\d+) fit\\.$",
     QT_TRANSLATE_NOOP("CoreText", "The file holds %1 favourite groups; at most %2 fit.")},
    {"^The file holds (\\d+) transponders; at most (\\d+) fit\\.$",
     QT_TRANSLATE_NOOP("CoreText", "The file holds %1 transponders; at most %2 fit.")},
    {"^The file holds (\\d+) TV channels; at most (\\d+) fit\\.$",
     QT_TRANSLATE_NOOP("CoreText", "The file holds %1 TV channels; at most %2 fit.")},
    {"^The file holds (\\d+) radio channels; at most (\\d+) fit\\.$",
     QT_TRANSLATE_NOOP("CoreText", "The file holds %1 radio channels; at most %2 fit.")},
    {"^The favourite groups hold more than (\\d+) TV members; at most (\\d+) fit\\.$",
     QT_TRANSLATE_NOOP("CoreText", "The favourite groups hold more than %1 TV members; at most %2 fit.")},
    {"^The favourite groups hold more than (\\d+) radio members; at most (\\d+) fit\\.$",
     QT_TRANSLATE_NOOP("CoreText", "The favourite groups hold more than %1 radio members; at most %2 fit.")},
    {"^The extra block is (\\d+) bytes long; at most (\\d+) fit\\.$",
     QT_TRANSLATE_NOOP("CoreText", "The extra block is %1 bytes long; at most %2 fit.")},
    {"^The file is too large to be a channel file: it holds more than (\\d+) bytes\\.$",
     QT_TRANSLATE_NOOP("CoreText", "The file is too large to be a channel file: it holds more than %1 bytes.")},
    {"^Cannot open (.+): ([^:]*)$",
     QT_TRANSLATE_NOOP("CoreText", "Cannot open %1: %2")},
};

QString line(const QString& english) {
    const QByteArray latin1 = english.toLatin1();
    for (const char* known : kKnown)
        if (latin1 == known) return QCoreApplication::translate("CoreText", known);
    for (const Pattern& p : kPatterns) {
        const QRegularExpressionMatch m = QRegularExpression(QString::fromLatin1(p.english)).match(english);
        if (!m.hasMatch()) continue;
        const QString text = QCoreApplication::translate("CoreText", p.format);
        // Both at once, so that a %2 in a file name stays as it is.
        return m.lastCapturedIndex() == 1 ? text.arg(m.captured(1)) : text.arg(m.captured(1), m.captured(2));
    }
    return english;
}

}  // namespace

QString coreText(const std::string& text) {
    QStringList lines = QString::fromStdString(text).split(QLatin1Char('\n'));
    for (QString& l : lines) l = line(l);
    return lines.join(QLatin1Char('\n'));
}

QString coreText(const char* text) { return coreText(std::string(text ? text : "")); }

}  // namespace velmora::ui
