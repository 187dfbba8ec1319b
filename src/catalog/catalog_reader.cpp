#include "catalog/catalog_reader.h"

#include <algorithm>
#include <cerrno>
#include <cfloat>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

#include "app/numbers.h"

bool MatchesFilePattern(std::string_view name, std::string_view pattern) {
    // Greedy matching with one remembered star: on a mismatch the last star takes one more character.
    size_t n = 0, p = 0;
    size_t starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

std::vector<std::string> ListCatalogFiles(const std::filesystem::path& folder, std::string_view pattern) {
    std::vector<std::string> names;
    std::error_code ec;
    std::filesystem::directory_iterator it(folder, ec);
    if (ec)
        return names;
    for (const std::filesystem::directory_iterator end; it != end; it.increment(ec)) {
        if (ec)
            break;
        std::error_code typeError;
        // Only plain files: a folder, a pipe or a device under a matching name is no catalogue file.
        if (!it->is_regular_file(typeError))
            continue;
        std::string name = it->path().filename().string();
        if (MatchesFilePattern(name, pattern))
            names.push_back(std::move(name));
    }
    // The list order decides which entry a first-match look-up finds, so it must not depend on the
    // file system: byte-wise ascending names.
    std::sort(names.begin(), names.end());
    return names;
}

CatalogLineReader::CatalogLineReader(Source source, size_t lineLimit, size_t inputSize)
    : source_(std::move(source)), limit_(lineLimit), inputSize_(inputSize), buffer_(8 * 1024) {}

bool CatalogLineReader::Fill() {
    if (ended_)
        return false;
    pos_ = 0;
    end_ = source_(buffer_.data(), buffer_.size());
    taken_ += end_;
    if (end_ == 0)
        ended_ = true;
    return end_ > 0;
}

bool CatalogLineReader::Next(std::string& line) {
    line.clear();
    if (ended_ && pos_ == end_)
        return false;
    bool any = false;
    // One character past the limit is kept so that a "\r" before the "\n" can still be told apart
    // from a line that is really too long.
    const size_t keep = limit_ + 1;
    for (;;) {
        if (pos_ == end_ && !Fill())
            break;
        any = true;
        const char* start = buffer_.data() + pos_;
        const size_t available = end_ - pos_;
        const void* newline = std::memchr(start, '\n', available);
        const size_t length =
            newline ? static_cast<size_t>(static_cast<const char*>(newline) - start) : available;
        const size_t room = keep - line.size();
        if (length > room) {
            line.append(start, room);
            line.resize(limit_);
            ended_ = true;
            pos_ = end_;
            return true;
        }
        if (!newline && inputSize_ > taken_) {
            const size_t whole = std::min(keep, line.size() + length + (inputSize_ - taken_));
            if (whole > line.capacity())
                line.reserve(whole);
        }
        line.append(start, length);
        if (newline) {
            pos_ += length + 1;
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            if (line.size() > limit_) {
                line.resize(limit_);
                ended_ = true;
                pos_ = end_;
            }
            return true;
        }
        pos_ = end_;
    }
    if (line.size() > limit_)
        line.resize(limit_);
    return any;
}

void ReadCatalogLines(CatalogLineReader& reader, std::string_view endTag,
                      const std::function<void(std::string_view line)>& handle) {
    std::string line;
    while (reader.Next(line)) {
        if (line.find(endTag) != std::string::npos)
            return;
        handle(line);
    }
}

namespace {

// Opens `file` for reading when it is a plain file. It is opened without waiting, so that a pipe or a
// device under the name, which would block or never end, is refused instead of read.
int OpenPlainFile(const std::filesystem::path& file) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// The size of an open file descriptor's file; 0 when it is not open or cannot be told.
size_t FileSize(int fd) {
    struct stat info {};
    return fd >= 0 && ::fstat(fd, &info) == 0 && info.st_size > 0 ? static_cast<size_t>(info.st_size) : 0;
}

// The bytes of an open file descriptor; a read error ends them like the end of the file.
CatalogLineReader::Source DescriptorSource(int fd) {
    return [fd](char* buffer, size_t size) -> size_t {
        if (fd < 0)
            return 0;
        for (;;) {
            const ssize_t got = ::read(fd, buffer, size);
            if (got >= 0)
                return static_cast<size_t>(got);
            if (errno != EINTR)
                return 0;
        }
    };
}

} // namespace

PlainFileLines::PlainFileLines(const std::filesystem::path& file, size_t lineLimit)
    : fd_(OpenPlainFile(file)), lines_(DescriptorSource(fd_), lineLimit, FileSize(fd_)) {}

PlainFileLines::~PlainFileLines() {
    if (fd_ >= 0)
        ::close(fd_);
}

void ReadCatalogFile(const std::filesystem::path& file, std::string_view endTag, size_t lineLimit,
                     const std::function<void(std::string_view line)>& handle) {
    PlainFileLines in(file, lineLimit);
    std::cout << "opening " << file.filename().string() << '\n';
    if (in.IsOpen())
        ReadCatalogLines(in.Lines(), endTag, handle);
}

bool SplitCatalogLine(std::string_view line, std::string_view& tag, std::string_view& value) {
    const size_t close = line.find("</");
    if (close == std::string_view::npos)
        return false;
    const size_t gt = line.substr(0, close).find('>');
    if (gt == std::string_view::npos)
        return false;
    tag = line.substr(0, gt);
    value = line.substr(gt + 1, close - gt - 1);
    return true;
}

TagMatcher::TagMatcher(std::string_view tag)
    : tag_(tag), firstOpen_(tag.find('<')),
      oneOpen_(firstOpen_ != std::string_view::npos &&
               tag.find('<', firstOpen_ + 1) == std::string_view::npos) {}

bool TagMatcher::ContainsAnywhere(std::string_view key) const {
    if (key.empty() || key.front() != '<')
        return tag_.find(key) != std::string_view::npos;
    for (size_t at = firstOpen_; at != std::string_view::npos; at = tag_.find('<', at + 1))
        if (tag_.compare(at, key.size(), key) == 0)
            return true;
    return false;
}

int32_t CatalogWhole(std::string_view value) {
    return ParseLeadingInt(std::string(value));
}

float CatalogReal(std::string_view value) {
    const double d = ParseLeadingReal(std::string(value));
    // A double beyond the float range has no float value; keep the sign and the largest magnitude.
    if (d > FLT_MAX)
        return FLT_MAX;
    if (d < -FLT_MAX)
        return -FLT_MAX;
    return static_cast<float>(d);
}

int CatalogLevelIndex(std::string_view tag) {
    const size_t underscore = tag.rfind('_');
    const std::string_view text = underscore == std::string_view::npos ? tag : tag.substr(underscore + 1);
    const int32_t level = CatalogWhole(text);
    return level >= 0 && level <= 99 ? level : -1;
}

std::filesystem::path CatalogStartFolder() {
    std::error_code ec;
    std::filesystem::path start = std::filesystem::current_path(ec);
    return ec ? std::filesystem::path(".") : start;
}
