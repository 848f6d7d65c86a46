#include "screen/logic/help_file.h"

#include <gtest/gtest.h>

#include <fstream>

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

}  // namespace
}  // namespace velkor
