// The help file: topics with titles, HTML bodies and keywords, shown by the help viewer as a
// table of contents, a keyword index or one topic.
//
// Format (UTF-8 text):
//   title: <the help file's title>
//   [<topic id>] <topic title>
//   keywords: <keyword>; <keyword>; ...
//   <HTML body lines of the topic, up to the next "[id]" line>
// Lines before the first topic other than "title:" are ignored; a topic's "keywords:" line is
// optional and may stand anywhere in its body.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velkor {

struct HelpTopic {
  std::string id;
  std::string title;
  std::vector<std::string> keywords;
  std::string body;  // HTML
};

struct HelpFile {
  std::string title;
  std::vector<HelpTopic> topics;
};

struct HelpKeyword {
  std::string keyword;
  std::string topicId;
};

HelpFile parseHelpFile(std::string_view text);
// The parsed file, or nothing when it cannot be read.
std::optional<HelpFile> loadHelpFile(const std::string& path);

// Every keyword with its topic, sorted without regard to case (ties keep file order).
std::vector<HelpKeyword> helpKeywordIndex(const HelpFile& help);
const HelpTopic* findHelpTopic(const HelpFile& help, std::string_view id);

// HTML pages for the viewer; links are "#<topic id>".
std::string helpContentsHtml(const HelpFile& help);
std::string helpKeywordIndexHtml(const HelpFile& help);
std::string helpTopicHtml(const HelpFile& help, const HelpTopic& topic);

// The message shown when the help file or page is missing.
std::string missingHelpText(const std::string& name);

}  // namespace velkor
