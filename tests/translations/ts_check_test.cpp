// SPDX-License-Identifier: GPL-3.0-or-later
// Every translation file is complete, keeps each source text's placeholders,
// line breaks and mnemonic, and holds exactly the texts the sources have now.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace {

struct Message {
    QString source;
    bool numerus = false, unfinished = false;
    QStringList forms;  // the translation, or one per plural form
};

QList<Message> readTs(const QString& path) {
    QFile file(path);
    QList<Message> out;
    if (!file.open(QIODevice::ReadOnly)) return out;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"message") {
            out.append(Message{});
            out.last().numerus = xml.attributes().value(QLatin1String("numerus")) == u"yes";
        }
        else if (xml.name() == u"source") out.last().source = xml.readElementText();
        else if (xml.name() == u"numerusform") out.last().forms << xml.readElementText();
        else if (xml.name() == u"translation") {
            out.last().unfinished = xml.attributes().value(QLatin1String("type")) == u"unfinished";
            if (!out.last().numerus) out.last().forms << xml.readElementText();
        }
    }
    return out;
}

// What a translation must keep: placeholders, line breaks, the mnemonic.
QString marks(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("%L?[1-9n]"));
    QStringList found;
    for (const auto& m : placeholder.globalMatch(text)) found << m.captured();
    found.sort();
    QString plain = text;
    const int mnemonics = plain.remove(QStringLiteral("&&")).count(QLatin1Char('&'));
    return found.join(QLatin1Char(' ')) + QStringLiteral(" lines:%1 mnemonic:%2").arg(text.count('\n')).arg(mnemonics);
}

class TranslationFile : public ::testing::TestWithParam<const char*> {
protected:
    QString path() const { return QStringLiteral(VELMORA_TS_DIR "/velmoraedit_%1.ts").arg(GetParam()); }
};

TEST_P(TranslationFile, EveryMessageIsTranslatedKeepingItsMarks) {
    const QList<Message> messages = readTs(path());
    ASSERT_FALSE(messages.isEmpty()) << path().toStdString();
    for (const Message& m : messages) {
        SCOPED_TRACE(m.source.toStdString());
        EXPECT_FALSE(m.unfinished);
        EXPECT_FALSE(m.forms.isEmpty());
        for (const QString& form : m.forms) {
            EXPECT_FALSE(form.trimmed().isEmpty());
            EXPECT_EQ(marks(form).toStdString(), marks(m.source).toStdString()) << form.toStdString();
        }
    }
}

TEST_P(TranslationFile, HoldsTheTextsOfTheSourcesAsTheyAreNow) {
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("copy.ts"));
    ASSERT_TRUE(QFile::copy(path(), copy));
    const QStringList folders = {"app", "view", "print", "ui", "link/dialogs"};
    QStringList args = {"-silent", "-no-obsolete", "-locations", "none", "-extensions", "cpp,h"};
    for (const QString& f : folders) args << QStringLiteral(VELMORA_SOURCE_DIR "/") + f;
    ASSERT_EQ(QProcess::execute(QStringLiteral(VELMORA_LUPDATE), args << "-ts" << copy), 0);
    const auto sources = [](const QString& ts) {
        QStringList out;
        for (const Message& m : readTs(ts)) out << m.source;
        return out;
    };
    EXPECT_EQ(sources(copy), sources(path())) << "run scripts/update-translations.sh";
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslationFile, ::testing::Values("de", "fr", "es", "it", "pl", "ru", "tr"));

}  // namespace
