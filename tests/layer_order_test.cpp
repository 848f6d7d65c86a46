// The source folders stand in one order, bottom to top: state/ < platform/ < controls/ <
// records/ < engine/ < opponent/, sound/ < screen/logic/ < screen/qt/. An include names only
// its own folder or one below it; opponent/ and sound/ share a floor and include neither each
// other. tools/, tests/ and bench/ stand outside the order.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "support/temp_folder.h"

namespace velkor {
namespace {

namespace fs = std::filesystem;

struct Floor {
  std::string_view folder;
  int rank;
};
constexpr Floor kFloors[] = {
    {"state", 0},    {"platform", 1}, {"controls", 2},     {"records", 3},   {"engine", 4},
    {"opponent", 5}, {"sound", 5},    {"screen/logic", 6}, {"screen/qt", 7},
};

const Floor* floorOf(std::string_view path) {
  for (const Floor& f : kFloors) {
    if (path.size() > f.folder.size() && path.starts_with(f.folder) && path[f.folder.size()] == '/')
      return &f;
  }
  return nullptr;
}

bool climbs(const Floor& from, const Floor& to) {
  return to.rank > from.rank || (to.rank == from.rank && to.folder != from.folder);
}

// The quoted name of an #include line; angle-bracket includes are the libraries'.
std::optional<std::string> includedName(std::string_view line) {
  auto skipBlanks = [&line] {
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
  };
  skipBlanks();
  if (!line.starts_with('#')) return std::nullopt;
  line.remove_prefix(1);
  skipBlanks();
  if (!line.starts_with("include")) return std::nullopt;
  line.remove_prefix(7);
  skipBlanks();
  if (!line.starts_with('"')) return std::nullopt;
  line.remove_prefix(1);
  const auto end = line.find('"');
  if (end == std::string_view::npos) return std::nullopt;
  return std::string(line.substr(0, end));
}

struct Scan {
  std::vector<std::string> offences;  // "file:line: #include "name" climbs from a/ to b/"
  std::vector<std::string> files;
};

Scan scanIncludes(const fs::path& root) {
  Scan scan;
  for (const Floor& floor : kFloors) {
    const fs::path dir = root / floor.folder;
    if (!fs::is_directory(dir)) continue;
    for (const auto& entry : fs::recursive_directory_iterator(dir)) {
      const fs::path& file = entry.path();
      if (!entry.is_regular_file() || (file.extension() != ".h" && file.extension() != ".cpp"))
        continue;
      const std::string name = file.lexically_relative(root).generic_string();
      scan.files.push_back(name);
      std::ifstream in(file);
      std::string line;
      for (int number = 1; std::getline(in, line); ++number) {
        const std::optional<std::string> inc = includedName(line);
        if (!inc) continue;
        // As the compiler looks: beside the including file first, then from the source root.
        const fs::path beside = (file.parent_path() / *inc).lexically_normal();
        const std::string target = fs::exists(beside)
                                       ? beside.lexically_relative(root).generic_string()
                                       : fs::path(*inc).lexically_normal().generic_string();
        const Floor* to = floorOf(target);
        if (to == nullptr || !climbs(floor, *to)) continue;
        scan.offences.push_back(name + ":" + std::to_string(number) + ": #include \"" + *inc +
                                "\" climbs from " + std::string(floor.folder) + "/ to " +
                                std::string(to->folder) + "/");
      }
    }
  }
  std::sort(scan.offences.begin(), scan.offences.end());
  return scan;
}

std::string lines(const std::vector<std::string>& v) {
  std::string s;
  for (const std::string& l : v) s += l + "\n";
  return s;
}

TEST(LayerOrder, NoIncludeClimbsTheOrder) {
  const fs::path root = fs::path(VELKOR_SOURCE_DIR).lexically_normal();
  const Scan scan = scanIncludes(root);
  for (const Floor& floor : kFloors) {
    // A source tree without the Qt layer builds without it.
    if (floor.folder == "screen/qt" && !fs::exists(root / floor.folder)) continue;
    const bool seen = std::any_of(scan.files.begin(), scan.files.end(),
                                  [&](const std::string& f) { return floorOf(f) == &floor; });
    EXPECT_TRUE(seen) << "no source file read under " << floor.folder << "/";
  }
  EXPECT_TRUE(scan.offences.empty()) << lines(scan.offences);
}

TEST(LayerOrder, TheCheckFindsEveryKindOfClimb) {
  testing::TempFolder tree;
  const fs::path root = fs::path(tree.dir()).lexically_normal();
  auto write = [&root](const std::string& name, const std::string& text) {
    fs::create_directories((root / name).parent_path());
    testing::writeBytes((root / name).string(), text);
  };
  write("engine/b.h", "");
  write("engine/a.cpp",
        "#include \"engine/b.h\"\n"
        "#include <vector>\n"
        "#include \"opponent/o.h\"\n"
        "#include \"records/r.h\"\n"
        "#include \"screen/logic/m.h\"\n");
  write("opponent/o.h", "#pragma once\n#include \"sound/s.h\"\n");
  write("sound/s.cpp", "  #  include \"opponent/o.h\"\n");
  write("records/q.h", "");
  write("records/r.h", "#include \"q.h\"\n#include \"../engine/b.h\"\n");
  write("screen/logic/m.h", "#include \"screen/qt/w.h\"\n#include \"state/t.h\"\n");
  write("screen/qt/w.cpp", "#include \"screen/logic/m.h\"\n#include \"state/t.h\"\n");
  write("state/t.h", "// #include \"engine/b.h\"\n");
  write("tools/sim/x.cpp", "#include \"screen/qt/w.h\"\n");
  write("engine/notes.txt", "#include \"screen/qt/w.h\"\n");

  const Scan scan = scanIncludes(root);
  EXPECT_EQ(lines(scan.offences),
            "engine/a.cpp:3: #include \"opponent/o.h\" climbs from engine/ to opponent/\n"
            "engine/a.cpp:5: #include \"screen/logic/m.h\" climbs from engine/ to screen/logic/\n"
            "opponent/o.h:2: #include \"sound/s.h\" climbs from opponent/ to sound/\n"
            "records/r.h:2: #include \"../engine/b.h\" climbs from records/ to engine/\n"
            "screen/logic/m.h:1: #include \"screen/qt/w.h\" climbs from screen/logic/ to "
            "screen/qt/\n"
            "sound/s.cpp:1: #include \"opponent/o.h\" climbs from sound/ to opponent/\n");
}

}  // namespace
}  // namespace velkor
