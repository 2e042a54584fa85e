#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "editor/PopupMenuTable.h"
#include "editor/commands/MainMenuTable.h"
#include "platform/StringTable.h"

// The second language's source, assets/translations/TraditionalChinese.ts:
// every text is translated, keeps its access key, its placeholders, tabs and
// line breaks (a message with a %d too few would lose a number, one with a
// \t too few its key hint), and the tables the program shows by number or
// build menus from have each of their texts in it.
namespace {

struct Message {
    QString context;
    QString source;
    QString translation;
    QString type;  // "unfinished", "vanished", "obsolete" or empty
};

std::vector<Message> ReadMessages() {
    QFile file(QStringLiteral(QUILLSONG_TEST_DATA "/../../assets/translations/"
                                                  "TraditionalChinese.ts"));
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << file.fileName().toStdString();
        return {};
    }
    std::vector<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            messages.push_back({context, {}, {}, {}});
        } else if (xml.name() == u"source") {
            messages.back().source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            messages.back().type = xml.attributes().value(QLatin1String("type")).toString();
            messages.back().translation = xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return messages;
}

// The access keys a caption marks with "&" ("&&" is a plain ampersand).
QString AccessKeys(const QString& text) {
    QString keys;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == u'&') {
            if (text[i + 1] != u'&') {
                keys += text[i + 1].toLower();
            }
            ++i;
        }
    }
    return keys;
}

TEST(TranslationFileTest, EveryTextIsTranslatedWithItsKeysPlaceholdersAndLineBreaks) {
    const std::vector<Message> messages = ReadMessages();
    ASSERT_GT(messages.size(), 300u);
    const QRegularExpression numbered(QStringLiteral("^\\[\\d+\\]"));
    for (const Message& m : messages) {
        SCOPED_TRACE(m.context.toStdString() + ": " + m.source.toStdString());
        EXPECT_TRUE(m.type.isEmpty()) << m.type.toStdString();
        EXPECT_FALSE(m.translation.trimmed().isEmpty());
        EXPECT_EQ(AccessKeys(m.translation).toStdString(), AccessKeys(m.source).toStdString());
        for (const char* mark : {"%s", "%d", "\t", "\n"}) {
            EXPECT_EQ(m.translation.count(QLatin1String(mark)), m.source.count(QLatin1String(mark)))
                << "count of " << mark;
        }
        const QRegularExpressionMatch number = numbered.match(m.source);
        if (number.hasMatch()) {
            EXPECT_TRUE(m.translation.startsWith(number.captured())) << "keeps its number";
        }
    }
}

TEST(TranslationFileTest, NumberedTextsAndMenuCaptionsAreAllThere) {
    std::map<std::pair<QString, QString>, bool> translated;
    for (const Message& m : ReadMessages()) {
        translated[{m.context, m.source}] = m.type.isEmpty() && !m.translation.isEmpty();
    }
    const auto expectTranslated = [&translated](const char* context, const std::string& source) {
        const auto found =
            translated.find({QString::fromUtf8(context), QString::fromStdString(source)});
        EXPECT_TRUE(found != translated.end() && found->second)
            << context << ": " << source << " is not translated";
    };
    int numbered = 0;
    for (int id = 0; id < 1000; ++id) {
        if (StringTable::Has(id)) {
            expectTranslated("StringTable", StringTable::Get(id));
            ++numbered;
        }
    }
    EXPECT_GE(numbered, 128 + 47);

    std::vector<const std::vector<MenuItem>*> menus;
    const auto collect = [&menus](const std::vector<MenuItem>& items, auto& self) -> void {
        menus.push_back(&items);
        for (const MenuItem& item : items) {
            if (!item.submenu.empty()) {
                self(item.submenu, self);
            }
        }
    };
    collect(MainMenuTable::Menus(), collect);
    collect(MainMenuTable::Shortcuts(), collect);
    const size_t mainMenus = menus.size();
    for (const char* popup : {"NotePopup", "BarPopup", "UserTextPopup", "NullPopup"}) {
        collect(PopupMenuTable::Items(popup), collect);
    }
    for (size_t i = 0; i < menus.size(); ++i) {
        for (const MenuItem& item : *menus[i]) {
            if (!item.caption.empty()) {
                expectTranslated(i < mainMenus ? "MainMenu" : "PopupMenu",
                                 std::string(item.caption));
            }
        }
    }
}

}  // namespace
