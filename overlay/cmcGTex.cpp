#include "cmcGTex.h"

#include <cstring>

#include "DataDirectory.h"
#include "cmcInternalErrorBox.h"
#include "cmcLineCache.h"
#include "cmcOvlSource.h"
#include "cmcSectionIndex.h"

namespace {

constexpr const char* kEndMarker = "End_Of_Ovl";

// A header is "#" followed by at least one character other than the line end.
bool IsHeader(const std::string& line) {
    return line.size() >= 2 && line[0] == '#' && line[1] != '\n' && line[1] != '\0';
}

}  // namespace

struct cmcGTex::Impl {
    cmcOvlSource source;
    cmcSectionIndex sections;
    cmcLineCache cache;
    bool openTried = false;
    bool scanOpen = true;
    int64_t scanPosition = 0;
    uint64_t linesRead = 0;
    uint64_t cacheHits = 0;

    bool EnsureOpen();
    cmcSectionEntry* FindSection(std::string_view name);
    cmcSectionEntry* ScanOneLine();
    bool ReadCached(std::string& line);
    bool ReadText(const std::string& name, int index, std::string& text);
};

bool cmcGTex::Impl::EnsureOpen() {
    if (!openTried && source.GetKind() != cmcOvlSource::Kind::None) {
        openTried = true;
        if (!source.Open()) {
            scanOpen = false;
        }
    }
    return source.IsOpen();
}

// Reads the header candidate at the scan position; returns the entry it
// added, if any. The scan never uses the line cache.
cmcSectionEntry* cmcGTex::Impl::ScanOneLine() {
    std::string line;
    if (!source.Seek(scanPosition) || !source.ReadLine(line)) {
        scanOpen = false;
        return nullptr;
    }
    scanPosition = source.Position();
    if (!IsHeader(line)) {
        return nullptr;
    }
    CutLineEnd(line);
    cmcSectionEntry* added = sections.Append(line.substr(1), scanPosition);
    if (added->name == kEndMarker) {
        scanOpen = false;
    }
    return added;
}

cmcSectionEntry* cmcGTex::Impl::FindSection(std::string_view name) {
    if (!EnsureOpen()) {
        return nullptr;
    }
    if (cmcSectionEntry* e = sections.Find(name)) {
        return e;
    }
    while (scanOpen) {
        cmcSectionEntry* added = ScanOneLine();
        if (added != nullptr && added->name == name) {
            return added;
        }
    }
    return nullptr;
}

bool cmcGTex::Impl::ReadCached(std::string& line) {
    ++linesRead;
    if (source.GetKind() != cmcOvlSource::Kind::File) {
        return source.ReadLine(line);
    }
    const int64_t offset = source.Position();
    if (const auto* hit = cache.Find(offset)) {
        ++cacheHits;
        line = hit->text;
        return source.Seek(offset + hit->length);
    }
    if (!source.ReadLine(line)) {
        return false;
    }
    cache.Insert(offset, source.Position() - offset, line);
    return true;
}

bool cmcGTex::Impl::ReadText(const std::string& name, int index, std::string& text) {
    cmcSectionEntry* e = FindSection(name);
    if (e == nullptr || index < 0 || !source.IsOpen()) {
        return false;
    }
    // Read on from the line after the last one read, or start again.
    const bool restart = index < e->nextLineIndex;
    int skip = restart ? index : index - e->nextLineIndex;
    if (!source.Seek(restart ? e->start : e->nextLinePosition)) {
        return false;
    }
    for (; skip > 0; --skip) {
        if (!ReadCached(text)) {
            return false;
        }
    }
    if (!ReadCached(text)) {
        return false;
    }
    CutLineEnd(text);
    e->nextLineIndex = index + 1;
    e->nextLinePosition = source.Position();
    return true;
}

cmcGTex::cmcGTex() : impl_(new Impl) {}

cmcGTex::~cmcGTex() {
    delete impl_;
}

bool cmcGTex::SetFile(const std::string& name) {
    return impl_->source.SetFile(name);
}

bool cmcGTex::SetLines(const std::vector<std::string>* lines) {
    return impl_->source.SetLines(lines);
}

std::string cmcGTex::GetText(const std::string& name, int index) {
    std::string text;
    if (impl_->ReadText(name, index, text)) {
        return text;
    }
    const cmcOvlSource& source = impl_->source;
    if (source.GetKind() == cmcOvlSource::Kind::File && !source.IsOpen()) {
        // Without the file every text is missing: name the file, not the first text asked for.
        const std::string& path = source.FileName();
        if (path == DefaultOverlayPath() && DataDirectory::DataLookup().directory.empty()) {
            cmcInternalError(DataDirectory::DataLookup().Message());
        }
        const std::string reason =
            source.OpenError() != 0 ? std::strerror(source.OpenError()) : "no file name was given";
        cmcInternalError("The overlay file '" + path.substr(path.find_last_of('/') + 1) +
                         "' cannot be read (" + reason + ").\nIt was looked for as '" + path +
                         "'.");
    }
    cmcInternalError("GTEX Error !\nThe index '" + name + "' was not found.");
}

std::vector<std::string> cmcGTex::BodyLines(const std::string& name) {
    std::vector<std::string> lines;
    for (int i = 0;; ++i) {
        std::string line = GetText(name, i);
        if (line.starts_with('#')) {
            return lines;
        }
        lines.push_back(std::move(line));
    }
}

std::string cmcGTex::GetLines(const std::string& name) {
    const std::vector<std::string> lines = BodyLines(name);
    std::string result;
    for (size_t i = 0; i < lines.size(); ++i) {
        result += i == 0 ? lines[i] : "\n" + lines[i];
    }
    return result;
}

bool cmcGTex::HasSection(const std::string& name) {
    return impl_->FindSection(name) != nullptr;
}

cmcGTex::Stats cmcGTex::GetStats() const {
    return Stats{impl_->source.BytesRead(), impl_->linesRead, impl_->cacheHits,
                 impl_->sections.Count()};
}
