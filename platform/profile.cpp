#include "platform/profile.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <climits>
#include <ctime>
#include <limits>

#include "platform/folders.h"
#include "platform/text.h"

namespace velkor {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimmed(std::string_view s) {
  std::size_t b = 0;
  std::size_t e = s.size();
  while (b < e && isBlank(s[b])) ++b;
  while (e > b && isBlank(s[e - 1])) --e;
  return s.substr(b, e - b);
}

char foldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (foldAscii(a[i]) != foldAscii(b[i])) return false;
  }
  return true;
}

bool hasLineBreakOrNul(std::string_view s) {
  return s.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

bool writeAll(int fd, std::string_view data) {
  while (!data.empty()) {
    ssize_t n = ::write(fd, data.data(), data.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// The file that path names once every symbolic link on the way is followed (the target may
// not exist yet); empty for a loop of links or a link that cannot be read.
std::string followLinks(const std::string& path) {
  std::string p = path;
  for (int hops = 0; hops < 40; ++hops) {
    struct stat st {};
    if (::lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return p;
    char buf[PATH_MAX];
    const ssize_t n = ::readlink(p.c_str(), buf, sizeof buf);
    if (n <= 0 || static_cast<std::size_t>(n) >= sizeof buf) return {};
    std::string link(buf, static_cast<std::size_t>(n));
    if (link.front() != '/') {
      const std::size_t slash = p.rfind('/');
      if (slash != std::string::npos) link = p.substr(0, slash + 1) + link;
    }
    p = std::move(link);
  }
  return {};
}

std::string temporaryName(const std::string& dir, const std::string& base, long pid) {
  return dir + "/." + base + "." + std::to_string(pid) + ".tmp";
}

// Removes the temporary files that copies killed mid-save left for this file: those of a
// process that no longer runs, and any older than a save could ever take (its number may
// have been given to another process since).
void removeDeadTemporaries(const std::string& dir, const std::string& base) {
  DIR* d = ::opendir(dir.c_str());
  if (d == nullptr) return;
  const std::string prefix = "." + base + ".";
  const std::string suffix = ".tmp";
  const long self = ::getpid();
  const std::time_t now = std::time(nullptr);
  while (const dirent* e = ::readdir(d)) {
    const std::string_view name(e->d_name);
    if (name.size() <= prefix.size() + suffix.size() || !name.starts_with(prefix) ||
        !name.ends_with(suffix)) {
      continue;
    }
    const std::string_view digits =
        name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
    long pid = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), pid);
    if (ec != std::errc() || end != digits.data() + digits.size() || pid <= 0 || pid == self) {
      continue;
    }
    const std::string file = dir + "/" + std::string(name);
    struct stat st {};
    if (::lstat(file.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
    const bool dead = ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
    if (dead || now - st.st_mtime > 600) (void)::unlink(file.c_str());
  }
  ::closedir(d);
}

}  // namespace

ProfileFile ProfileFile::parse(std::string_view bytes) {
  ProfileFile f;
  std::size_t breaks = 0;
  for (char c : bytes) breaks += c == '\n' || c == '\r';
  f.lines_.reserve(breaks + 1);
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t stop = bytes.find_first_of("\r\n", start);
    if (stop == std::string_view::npos) {
      f.lines_.push_back({std::string(bytes.substr(start)), End::none});
      break;
    }
    std::size_t endLen = bytes[stop] == '\r' && stop + 1 < bytes.size() && bytes[stop + 1] == '\n'
                             ? 2 : 1;
    End end = endLen == 2 ? End::crlf : bytes[stop] == '\n' ? End::lf : End::cr;
    f.lines_.push_back({std::string(bytes.substr(start, stop - start)), end});
    start = stop + endLen;
  }
  f.index();
  return f;
}

void ProfileFile::index() {
  sections_.clear();
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const std::string& content = lines_[i].content;
    std::string_view s = trimmed(content);
    if (s.empty()) continue;
    if (s.front() == '[') {
      std::size_t close = s.find(']');
      if (close != std::string_view::npos) {
        sections_.push_back({std::string(trimmed(s.substr(1, close - 1))), i, {}, i});
        continue;
      }
    }
    if (sections_.empty()) continue;
    Section& sec = sections_.back();
    sec.lastLine = i;
    if (s.front() == ';') continue;
    std::size_t eq = content.find('=');
    if (eq == std::string::npos) continue;
    std::string_view key = trimmed(std::string_view(content).substr(0, eq));
    if (key.empty()) continue;
    sec.entries.push_back({std::string(key), i, eq + 1, content.substr(eq + 1)});
  }
}

const ProfileFile::Section* ProfileFile::findSection(std::string_view name) const {
  name = trimmed(name);
  for (const Section& sec : sections_) {
    if (sameName(sec.name, name)) return &sec;
  }
  return nullptr;
}

const std::string* ProfileFile::find(std::string_view section, std::string_view key) const {
  const Section* sec = findSection(section);
  if (sec == nullptr) return nullptr;
  key = trimmed(key);
  for (const Entry& e : sec->entries) {
    if (sameName(e.key, key)) return &e.value;
  }
  return nullptr;
}

long ProfileFile::getInt(std::string_view section, std::string_view key, long defaultValue) const {
  const std::string* v = find(section, key);
  if (v == nullptr) return defaultValue;
  std::size_t i = 0;
  while (i < v->size() && isBlank((*v)[i])) ++i;
  bool negative = i < v->size() && (*v)[i] == '-';
  if (negative) ++i;
  // Accumulate on the negative side, which holds LONG_MIN; saturate instead of overflowing.
  long n = 0;
  for (; i < v->size() && (*v)[i] >= '0' && (*v)[i] <= '9'; ++i) {
    int d = (*v)[i] - '0';
    if (n < (LONG_MIN + d) / 10) {
      n = LONG_MIN;
    } else {
      n = n * 10 - d;
    }
  }
  if (negative) return n;
  return n == LONG_MIN ? LONG_MAX : -n;
}

Integer ProfileFile::getInteger(std::string_view section, std::string_view key,
                                Integer defaultValue) const {
  long v = getInt(section, key, defaultValue);
  if (v < std::numeric_limits<Integer>::min()) return std::numeric_limits<Integer>::min();
  if (v > std::numeric_limits<Integer>::max()) return std::numeric_limits<Integer>::max();
  return static_cast<Integer>(v);
}

std::string ProfileFile::getString(std::string_view section, std::string_view key,
                                   std::string_view defaultValue) const {
  const std::string* v = find(section, key);
  std::string_view s = v != nullptr ? std::string_view(*v) : defaultValue;
  s = s.substr(0, s.find('\0'));
  // Validate first so that a malformed tail cannot grow past the limit once replaced.
  return leftChars(validUtf8(s.substr(0, 4 * kProfileTextLimit)), kProfileTextLimit);
}

ProfileFile::End ProfileFile::newLineEnd() const {
  for (const Line& l : lines_) {
    if (l.end != End::none) return l.end;
  }
  return End::lf;
}

bool ProfileFile::set(std::string_view section, std::string_view key, std::string_view value) {
  section = trimmed(section);
  key = trimmed(key);
  if (section.empty() || key.empty() || hasLineBreakOrNul(section) || hasLineBreakOrNul(key) ||
      section.find(']') != std::string_view::npos || key.find('=') != std::string_view::npos ||
      key.front() == ';' || key.front() == '[') {
    return false;
  }
  std::string v(value.substr(0, value.find('\0')));
  for (char& c : v) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  const End nl = newLineEnd();
  if (const Section* sec = findSection(section)) {
    for (const Entry& e : sec->entries) {
      if (sameName(e.key, key)) {
        std::string& content = lines_[e.line].content;
        content = content.substr(0, e.valueOffset) + v;
        index();
        return true;
      }
    }
    std::size_t after = sec->lastLine;
    if (lines_[after].end == End::none) lines_[after].end = nl;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(after + 1),
                  {std::string(key) + "=" + v, nl});
  } else {
    if (!lines_.empty()) {
      if (lines_.back().end == End::none) lines_.back().end = nl;
      if (!trimmed(lines_.back().content).empty()) lines_.push_back({"", nl});
    }
    // Appending, not prepending: GCC 12's -Wrestrict misreads `"[" + std::string` at -O3.
    std::string header = "[";
    header.append(section).append("]");
    lines_.push_back({std::move(header), nl});
    lines_.push_back({std::string(key) + "=" + v, nl});
  }
  index();
  return true;
}

std::string ProfileFile::text() const {
  std::string out;
  static constexpr std::string_view kEnds[] = {"", "\n", "\r\n", "\r"};
  for (const Line& l : lines_) {
    out += l.content;
    out += kEnds[static_cast<int>(l.end)];
  }
  return out;
}

ProfileFile ProfileFile::load(const std::string& path) {
  ProfileFile unreadable;
  unreadable.writable_ = false;
  // O_NONBLOCK: a FIFO in place of the file must not hang the game.
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) return errno == ENOENT ? ProfileFile() : unreadable;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) ||
      static_cast<unsigned long long>(st.st_size) > kMaxFileBytes) {
    ::close(fd);
    return unreadable;
  }
  std::string bytes;
  char buf[65536];
  for (;;) {
    ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0) {
      if (errno == EINTR) continue;
      ::close(fd);
      return unreadable;
    }
    if (n == 0) break;
    bytes.append(buf, static_cast<std::size_t>(n));
    if (bytes.size() > kMaxFileBytes) {
      ::close(fd);
      return unreadable;
    }
  }
  ::close(fd);
  return parse(bytes);
}

bool ProfileFile::save(const std::string& path) const {
  if (!writable_ || path.empty() || path.back() == '/') return false;
  // A link (as dotfile managers make them) stays a link: its target gets the new text.
  const std::string target = followLinks(path);
  if (target.empty()) return false;
  // A file the user has made read-only stays as it is; the mode is asked as well as access(),
  // which grants root every write.
  struct stat existing {};
  if (::stat(target.c_str(), &existing) == 0 &&
      ((existing.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0)) {
    return false;
  }
  std::size_t slash = target.rfind('/');
  std::string dir = slash == std::string::npos ? "." : target.substr(0, slash == 0 ? 1 : slash);
  std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
  if (!makeFolders(dir)) return false;
  removeDeadTemporaries(dir, base);

  // The text is written into a file without a name, which a kill cannot leave behind; it is
  // named only for the moment between the link and the rename. Where the file system has no
  // unnamed files, the named file is written directly.
  std::string tmp = temporaryName(dir, base, ::getpid());
  bool named = false;
  int fd = ::open(dir.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
  if (fd < 0) {
    named = true;
    fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd < 0) return false;
  }
  struct stat old {};
  if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
    (void)::fchmod(fd, old.st_mode & 07777);
  }
  bool ok = writeAll(fd, text()) && ::fsync(fd) == 0;
  if (ok && !named) {
    (void)::unlink(tmp.c_str());  // a leftover of an earlier copy that had our pid
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    ok = ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, tmp.c_str(), AT_SYMLINK_FOLLOW) == 0;
    named = ok;
  }
  ok = ::close(fd) == 0 && ok;
  if (!ok || ::rename(tmp.c_str(), target.c_str()) != 0) {
    if (named) ::unlink(tmp.c_str());
    return false;
  }
  // Make the rename itself durable; the new file is already in place either way.
  int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dfd >= 0) {
    (void)::fsync(dfd);
    ::close(dfd);
  }
  return true;
}

long getPrivateProfileInt(std::string_view section, std::string_view key, long defaultValue,
                          const std::string& path) {
  return ProfileFile::load(path).getInt(section, key, defaultValue);
}

Integer getProfileInteger(std::string_view section, std::string_view key, Integer defaultValue,
                          const std::string& path) {
  return ProfileFile::load(path).getInteger(section, key, defaultValue);
}

std::string getPrivateProfileString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue, const std::string& path) {
  return ProfileFile::load(path).getString(section, key, defaultValue);
}

bool writePrivateProfileString(std::string_view section, std::string_view key,
                               std::string_view value, const std::string& path) {
  ProfileFile f = ProfileFile::load(path);
  return f.set(section, key, value) && f.save(path);
}

}  // namespace velkor
