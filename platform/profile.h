// Our own INI ("profile") files: the reads and writes the game's settings and records rely on.
// Sections and keys match without regard to case; the first of duplicates wins on reading;
// a write replaces a value in place and keeps every other line; writes are crash-safe.
// A file that cannot be read gives the defaults; a write that fails changes nothing and
// is reported only through the return value, which the game does not look at.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "state/types.h"

namespace velkor {

// The number under section/key, read as leading blanks, an optional minus, then digits up to
// the first other character (no digits: 0); the default when the file, section or key is missing.
long getPrivateProfileInt(std::string_view section, std::string_view key, long defaultValue,
                          const std::string& path);
// The same, clamped to the 16-bit Integer range.
Integer getProfileInteger(std::string_view section, std::string_view key, Integer defaultValue,
                          const std::string& path);
// The text under section/key, or the default, cut to 198 characters: the game passes a buffer
// size of 199, and the read keeps one place of it for the terminating NUL.
std::string getPrivateProfileString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue, const std::string& path);
// Writes key=value into section, creating the file or section when missing.
bool writePrivateProfileString(std::string_view section, std::string_view key,
                               std::string_view value, const std::string& path);

}  // namespace velkor

namespace velkor {

// One profile file held in memory, so that many keys are read from one parse and written in
// one crash-safe save (a table of records is then either all old or all new on disk).
// The lines are kept byte for byte; only the lines that a write touches change.
//
// Format: a section line is "[name]" (blanks around it and around the name ignored); a key
// line inside a section is "key=value", the key trimmed of blanks and tabs. Line ends may be
// LF, CRLF or a lone CR. Lines before the first section, lines without '=' and lines starting
// with ';' are kept but never read. A value is taken exactly as written after '=' (blanks
// included, which the game's readers trim through cutAtNull), cut at a NUL, limited to
// kProfileTextLimit characters, with invalid UTF-8 bytes read as U+FFFD.
class ProfileFile {
 public:
  static constexpr std::size_t kProfileTextLimit = 198;
  // Larger files are not read (defaults) and not overwritten: a real one is a few kilobytes,
  // and the bound keeps the memory of a hostile file (millions of empty lines) small.
  static constexpr std::size_t kMaxFileBytes = 2u << 20;

  ProfileFile() = default;
  // The file at path. A missing file is an empty document; a file that exists but cannot be
  // read (a directory, a FIFO, a read error, too large) is an empty document that refuses to save.
  static ProfileFile load(const std::string& path);
  // Parses the bytes of a file.
  static ProfileFile parse(std::string_view bytes);

  // The raw value of the first matching key in the first matching section, as written.
  const std::string* find(std::string_view section, std::string_view key) const;
  long getInt(std::string_view section, std::string_view key, long defaultValue) const;
  Integer getInteger(std::string_view section, std::string_view key, Integer defaultValue) const;
  std::string getString(std::string_view section, std::string_view key,
                        std::string_view defaultValue) const;

  // Replaces the key's value in place, or adds the key at the end of its section, or adds the
  // section at the end of the file. The value ends at a NUL, and line breaks in it become
  // blanks. False (and nothing changed) for an empty name, a line break or NUL in a name,
  // '=' in a key, ']' in a section name, or a key that would read as a comment.
  bool set(std::string_view section, std::string_view key, std::string_view value);

  // The bytes of the whole file.
  std::string text() const;
  // Writes the file crash-safely (temporary file in the same folder, fsync, rename), creating
  // the folder when missing. False when it cannot, leaving the old file as it was; also for a
  // file that the user may not write or whose mode grants no write at all.
  bool save(const std::string& path) const;
  // False for a document loaded from a file that exists but could not be read.
  bool writable() const { return writable_; }

 private:
  enum class End : unsigned char { none, lf, crlf, cr };  // none: a last line without one
  struct Line {
    std::string content;  // without its line end
    End end;
  };
  struct Entry {
    std::string key;          // trimmed, as written
    std::size_t line;         // index into lines_
    std::size_t valueOffset;  // where the value starts in the line's content
    std::string value;
  };
  struct Section {
    std::string name;
    std::size_t headerLine;
    std::vector<Entry> entries;
    std::size_t lastLine;  // last non-blank line of the section
  };
  void index();
  const Section* findSection(std::string_view name) const;
  End newLineEnd() const;

  std::vector<Line> lines_;
  std::vector<Section> sections_;
  bool writable_ = true;
};

}  // namespace velkor
