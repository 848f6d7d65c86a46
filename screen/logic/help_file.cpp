#include "screen/logic/help_file.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>

#include "platform/text.h"

namespace velkor {

namespace {

bool startsWith(std::string_view s, std::string_view prefix) {
  return s.substr(0, prefix.size()) == prefix;
}

std::string escapeHtml(std::string_view s) {
  std::string out;
  for (char c : s) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

std::string lowerAscii(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

std::string page(const HelpFile& help, const std::string& heading, const std::string& body) {
  return "<html><head><title>" + escapeHtml(help.title) + "</title></head><body><h2>" +
         escapeHtml(heading) + "</h2>" + body + "</body></html>";
}

std::string link(const std::string& id, const std::string& text) {
  return "<a href=\"#" + escapeHtml(id) + "\">" + escapeHtml(text) + "</a>";
}

}  // namespace

HelpFile parseHelpFile(std::string_view text) {
  HelpFile help;
  HelpTopic* current = nullptr;
  std::size_t pos = 0;
  while (pos <= text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(pos, end - pos);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    pos = end + 1;

    const std::size_t close = line.find(']');
    if (startsWith(line, "[") && close != std::string_view::npos && close > 1) {
      help.topics.push_back({trimBlanks(line.substr(1, close - 1)),
                             trimBlanks(line.substr(close + 1)), {}, {}});
      current = &help.topics.back();
    } else if (current == nullptr) {
      if (startsWith(line, "title:")) help.title = trimBlanks(line.substr(6));
    } else if (startsWith(line, "keywords:")) {
      std::string_view rest = line.substr(9);
      while (!rest.empty()) {
        const std::size_t semi = std::min(rest.find(';'), rest.size());
        std::string k = trimBlanks(rest.substr(0, semi));
        if (!k.empty()) current->keywords.push_back(std::move(k));
        rest.remove_prefix(std::min(semi + 1, rest.size()));
      }
    } else {
      current->body.append(line).append("\n");
    }
  }
  return help;
}

std::optional<HelpFile> loadHelpFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream text;
  text << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return parseHelpFile(text.str());
}

std::vector<HelpKeyword> helpKeywordIndex(const HelpFile& help) {
  std::vector<HelpKeyword> index;
  for (const HelpTopic& t : help.topics) {
    for (const std::string& k : t.keywords) index.push_back({k, t.id});
  }
  std::stable_sort(index.begin(), index.end(), [](const HelpKeyword& a, const HelpKeyword& b) {
    return lowerAscii(a.keyword) < lowerAscii(b.keyword);
  });
  return index;
}

const HelpTopic* findHelpTopic(const HelpFile& help, std::string_view id) {
  for (const HelpTopic& t : help.topics) {
    if (t.id == id) return &t;
  }
  return nullptr;
}

std::string helpContentsHtml(const HelpFile& help) {
  std::string list = "<ul>";
  for (const HelpTopic& t : help.topics) list += "<li>" + link(t.id, t.title) + "</li>";
  list += "</ul>";
  return page(help, help.title.empty() ? "Contents" : help.title, list);
}

std::string helpKeywordIndexHtml(const HelpFile& help) {
  std::string list = "<ul>";
  for (const HelpKeyword& k : helpKeywordIndex(help)) {
    const HelpTopic* t = findHelpTopic(help, k.topicId);
    list += "<li>" + link(k.topicId, k.keyword) + (t ? " &mdash; " + escapeHtml(t->title) : "") +
            "</li>";
  }
  list += "</ul>";
  return page(help, "Keywords", list);
}

std::string helpTopicHtml(const HelpFile& help, const HelpTopic& topic) {
  return page(help, topic.title, topic.body);
}

std::string missingHelpText(const std::string& name) {
  return "The help file \"" + name + "\" could not be found next to the program.";
}

}  // namespace velkor
