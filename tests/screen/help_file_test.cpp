#include "screen/logic/help_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <set>
#include <sstream>

#include "controls/shot_controls.h"
#include "screen/logic/menu_handlers.h"
#include "state/form.h"

namespace velkor {
namespace {

constexpr const char* kSample =
    "title: Sample Help\r\n"
    "ignored before the first topic\n"
    "[play] How to play\n"
    "keywords: Shot; aim ;; power\n"
    "<p>Press <b>SHOT!</b>.</p>\n"
    "[rules] Nine-ball & fouls\n"
    "<p>Hit the lowest ball first.</p>\n"
    "keywords: foul; Ball in hand\n"
    "[x]\n";

TEST(HelpFile, ParsesTopicsKeywordsAndBodies) {
  const HelpFile h = parseHelpFile(kSample);
  EXPECT_EQ(h.title, "Sample Help");
  ASSERT_EQ(h.topics.size(), 3u);
  EXPECT_EQ(h.topics[0].id, "play");
  EXPECT_EQ(h.topics[0].title, "How to play");
  EXPECT_EQ(h.topics[0].keywords, (std::vector<std::string>{"Shot", "aim", "power"}));
  EXPECT_EQ(h.topics[0].body, "<p>Press <b>SHOT!</b>.</p>\n");
  EXPECT_EQ(h.topics[1].keywords, (std::vector<std::string>{"foul", "Ball in hand"}))
      << "a keywords line may follow the body";
  EXPECT_EQ(h.topics[2].title, "");
}

TEST(HelpFile, KeywordIndexIsSortedWithoutRegardToCase) {
  const HelpFile h = parseHelpFile(kSample);
  std::vector<std::string> order;
  for (const HelpKeyword& k : helpKeywordIndex(h)) order.push_back(k.keyword + ">" + k.topicId);
  EXPECT_EQ(order, (std::vector<std::string>{"aim>play", "Ball in hand>rules", "foul>rules",
                                             "power>play", "Shot>play"}));
}

TEST(HelpFile, PagesLinkToTopicsAndEscapeTitles) {
  const HelpFile h = parseHelpFile(kSample);
  const std::string contents = helpContentsHtml(h);
  EXPECT_NE(contents.find("<a href=\"#rules\">Nine-ball &amp; fouls</a>"), std::string::npos);
  const std::string index = helpKeywordIndexHtml(h);
  EXPECT_LT(index.find("#play\">aim"), index.find("#rules\">foul"));
  ASSERT_NE(findHelpTopic(h, "rules"), nullptr);
  EXPECT_EQ(findHelpTopic(h, "none"), nullptr);
  EXPECT_NE(helpTopicHtml(h, *findHelpTopic(h, "play")).find("<b>SHOT!</b>"), std::string::npos)
      << "bodies are HTML and kept as written";
}

TEST(HelpFile, MissingFileGivesNothingAndTheShippedFileHasTopicsAndKeywords) {
  EXPECT_FALSE(loadHelpFile("/nonexistent/velkor.HLP").has_value());
  const auto shipped = loadHelpFile(std::string(VELKOR_SOURCE_DIR) + "/assets/velkor.HLP");
  ASSERT_TRUE(shipped.has_value());
  EXPECT_GE(shipped->topics.size(), 4u);
  EXPECT_GE(helpKeywordIndex(*shipped).size(), 10u);
  for (const HelpKeyword& k : helpKeywordIndex(*shipped)) {
    EXPECT_NE(findHelpTopic(*shipped, k.topicId), nullptr) << k.keyword;
  }
}

// The rules a player meets and asks about, each with its topic in the help file, its section in
// the help page, and a phrase that must stand in both.
struct PlayerTopic {
  const char* id;
  const char* keyword;
  const char* phrase;
};
constexpr PlayerTopic kPlayerTopics[] = {
    {"controls", "dashed circle", "where the cue ball will be when it touches the"},
    {"ballinhand", "ball in hand", "drag it to any place on the table"},
    {"rules", "foul", "lowest-numbered ball"},
    {"back", "Back", "one shot, one turn and one foul"},
    {"records", "top 10", "10 turns or"},
    {"quib", "level", "two matches against it in a row"},
    {"demo", "demonstration", "30 seconds on the title screen"},
};

std::string readSource(const std::string& name) {
  std::ifstream in(std::string(VELKOR_SOURCE_DIR) + "/" + name, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Tags and line breaks out, so a phrase may run over a wrapped line or a <b>.
std::string plainText(const std::string& html) {
  std::string out;
  bool inTag = false;
  for (char c : html) {
    if (c == '<') inTag = true;
    if (!inTag) {
      const bool blank = std::isspace(static_cast<unsigned char>(c)) != 0;
      if (!blank) {
        out += c;
      } else if (!out.empty() && out.back() != ' ') {
        out += ' ';
      }
    }
    if (c == '>') inTag = false;
  }
  return out;
}

// Every value that follows `opening` up to the next double quote.
std::set<std::string> quotedAfter(const std::string& html, const std::string& opening) {
  std::set<std::string> values;
  for (std::size_t at = html.find(opening); at != std::string::npos;
       at = html.find(opening, at + 1)) {
    const std::size_t from = at + opening.size();
    values.insert(html.substr(from, html.find('"', from) - from));
  }
  return values;
}

// Every "#id" link of a page.
std::set<std::string> linkedIds(const std::string& html) { return quotedAfter(html, "href=\"#"); }

TEST(HelpFile, ShippedTopicsTellTheRulesAPlayerMeetsAndAreReachable) {
  const auto help = loadHelpFile(std::string(VELKOR_SOURCE_DIR) + "/assets/velkor.HLP");
  ASSERT_TRUE(help.has_value());
  const std::set<std::string> inContents = linkedIds(helpContentsHtml(*help));
  const std::vector<HelpKeyword> index = helpKeywordIndex(*help);
  for (const PlayerTopic& t : kPlayerTopics) {
    const HelpTopic* topic = findHelpTopic(*help, t.id);
    ASSERT_NE(topic, nullptr) << t.id;
    EXPECT_TRUE(inContents.count(t.id)) << t.id << " is listed in the contents";
    EXPECT_TRUE(std::any_of(index.begin(), index.end(), [&](const HelpKeyword& k) {
      return k.keyword == t.keyword && k.topicId == t.id;
    })) << "the keyword index leads from \"" << t.keyword << "\" to " << t.id;
    EXPECT_NE(plainText(topic->body).find(t.phrase), std::string::npos) << t.id;
  }
  for (const HelpTopic& topic : help->topics) {
    EXPECT_FALSE(topic.keywords.empty()) << topic.id;
    for (const std::string& id : linkedIds(topic.body)) {
      EXPECT_NE(findHelpTopic(*help, id), nullptr) << topic.id << " links to " << id;
    }
  }
}

TEST(HelpPage, ShippedPageHasTheSameTopicsInItsContents) {
  const std::string page = readSource("assets/help.html");
  ASSERT_FALSE(page.empty());
  const std::size_t contentsEnd = page.find("</ul>", page.find("id=\"contents\""));
  ASSERT_NE(contentsEnd, std::string::npos);
  const std::set<std::string> inContents = linkedIds(page.substr(0, contentsEnd));
  const std::set<std::string> sections = quotedAfter(page, "<h2 id=\"");
  for (const std::string& target : linkedIds(page)) {
    EXPECT_TRUE(sections.count(target)) << "a link to #" << target << " finds its section";
  }
  const std::string text = plainText(page);
  for (const PlayerTopic& t : kPlayerTopics) {
    EXPECT_TRUE(sections.count(t.id)) << t.id;
    EXPECT_TRUE(inContents.count(t.id)) << t.id << " is listed in the contents";
    EXPECT_NE(text.find(t.phrase), std::string::npos) << t.id;
  }
}

// The texts in bold in the passage that the bold lead word opens, up to the end of its paragraph
// or list item.
std::vector<std::string> boldInPassage(const std::string& html, const std::string& lead) {
  const std::string opening = "<b>" + lead + "</b>";
  const std::size_t from = html.find(opening);
  if (from == std::string::npos) return {};
  const std::size_t to = std::min(html.find("</p>", from), html.find("</li>", from));
  const std::string passage = html.substr(from + opening.size(), to - from - opening.size());
  std::vector<std::string> bold;
  for (std::size_t at = passage.find("<b>"); at != std::string::npos;
       at = passage.find("<b>", at + 1)) {
    const std::size_t start = at + 3;
    bold.push_back(passage.substr(start, passage.find("</b>", start) - start));
  }
  return bold;
}

// The shot button's captions, quoted in bold and in the order of the help's sentences: a solo
// game from the title screen, solo play again through the mode item, a match (player 0 named
// You, then another name). Each must be what the code writes on the button.
TEST(HelpFile, ShotButtonCaptionsAreTheOnesTheGameSets) {
  const std::vector<std::string> captions = {kSoloPlayShotCaption, kShotButtonCaption,
                                             shotOwnerCaption("You"), shotOwnerCaption("quib")};
  const auto help = loadHelpFile(std::string(VELKOR_SOURCE_DIR) + "/assets/velkor.HLP");
  ASSERT_TRUE(help.has_value());
  const HelpTopic* controls = findHelpTopic(*help, "controls");
  ASSERT_NE(controls, nullptr);
  EXPECT_EQ(boldInPassage(controls->body, "Shoot"), captions) << "velkor.HLP";
  EXPECT_EQ(boldInPassage(readSource("assets/help.html"), "Shoot"), captions) << "help.html";
}

}  // namespace
}  // namespace velkor
