// The catalogue files are text in lines ended by CR LF; the first line holds
// the thumbnail width, height and entry count, then every entry is a fixed
// number of lines (7 for a board, 4 for hardware). A text field is a whole
// line of code page 1250 bytes, which the reader turns into the model's UTF-8
// and the writer back (platform/Text.h): one byte per character, so a line
// read and written again keeps its bytes and a code's limit of 10 counts
// characters. Numbers use "." whatever the locale.
#include "Catalogue.h"

#include "platform/IoError.h"
#include "platform/Numbers.h"
#include "platform/Text.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <numeric>
#include <sstream>

namespace zv {

namespace {

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }
// Everything up to the blank counts as blank, as the old text reader did.
bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' ' && !IsLineEnd(c); }

// Line-oriented reading with the catalogue rules: a text field is a whole
// line, a numeric field the next run of non-blanks (over blanks and empty
// lines) after which the rest of its line is dropped.
class LineReader {
public:
    explicit LineReader(const std::string& bytes) : s_(bytes) {}

    bool AtEnd() const { return pos_ >= s_.size(); }

    std::string TextLine() {
        const std::size_t start = pos_;
        while (pos_ < s_.size() && !IsLineEnd(s_[pos_])) ++pos_;
        std::string line = s_.substr(start, pos_ - start);
        SkipLineEnd();
        return line;
    }

    // The next token; nullopt at the end of the file.
    std::optional<std::string> Token() {
        for (;;) {
            while (pos_ < s_.size() && IsBlank(s_[pos_])) ++pos_;
            if (pos_ >= s_.size()) return std::nullopt;
            if (IsLineEnd(s_[pos_])) {
                SkipLineEnd();
                continue;
            }
            break;
        }
        const std::size_t start = pos_;
        while (pos_ < s_.size() && !IsBlank(s_[pos_]) && !IsLineEnd(s_[pos_])) ++pos_;
        return s_.substr(start, pos_ - start);
    }

    // A token of the current line only; nullopt when the line holds no more.
    std::optional<std::string> TokenOnLine() {
        while (pos_ < s_.size() && IsBlank(s_[pos_])) ++pos_;
        if (pos_ >= s_.size() || IsLineEnd(s_[pos_])) return std::nullopt;
        const std::size_t start = pos_;
        while (pos_ < s_.size() && !IsBlank(s_[pos_]) && !IsLineEnd(s_[pos_])) ++pos_;
        return s_.substr(start, pos_ - start);
    }

    void SkipRestOfLine() {
        while (pos_ < s_.size() && !IsLineEnd(s_[pos_])) ++pos_;
        SkipLineEnd();
    }

    // Numeric fields: 0 at the end of the file; nullopt when not a number.
    std::optional<double> Real() {
        auto t = Token();
        if (!t) return 0.0;
        SkipRestOfLine();
        return ParseRealDot(*t);
    }
    std::optional<long long> Integer() {
        auto t = Token();
        if (!t) return 0;
        SkipRestOfLine();
        long long v = 0;
        const char* b = t->data();
        const char* e = b + t->size();
        if (b != e && *b == '+') ++b;
        auto [p, ec] = std::from_chars(b, e, v);
        if (b == e || ec != std::errc() || p != e) return std::nullopt;
        return v;
    }

private:
    void SkipLineEnd() {
        if (pos_ < s_.size() && s_[pos_] == '\r') ++pos_;
        if (pos_ < s_.size() && s_[pos_] == '\n') ++pos_;
    }
    const std::string& s_;
    std::size_t pos_ = 0;
};

std::optional<CatalogueHeader> ParseHeader(LineReader& r) {
    int v[3] = {0, 0, 0};
    for (int& x : v) {
        auto t = r.TokenOnLine();
        if (!t) return std::nullopt;
        auto n = ParseInt(*t);
        if (!n) return std::nullopt;
        x = *n;
    }
    r.SkipRestOfLine();
    CatalogueHeader h{v[0], v[1], v[2]};
    if (h.thumbWidth < 1 || h.thumbWidth > kMaxThumbSide || h.thumbHeight < 1 || h.thumbHeight > kMaxThumbSide)
        return std::nullopt;
    if (h.count < 0 || h.count > kMaxHeaderCount) return std::nullopt;
    return h;
}

Color ColorFromInteger(long long v) { return static_cast<Color>(static_cast<unsigned long long>(v) & 0xFFFFFFu); }

// Reads one entry; false on a numeric fault. Both kinds start with the same four lines.
template <class Item> bool ReadCommonLines(LineReader& r, Item& it) {
    it.code = CutCode(FromFileText(r.TextLine()));
    it.description = FromFileText(r.TextLine());
    auto price = r.Real();
    if (!price) return false;
    it.price = *price;
    it.picture = FromFileText(r.TextLine());
    return true;
}

bool ReadEntry(LineReader& r, FeronerieItem& it) { return ReadCommonLines(r, it); }

bool ReadEntry(LineReader& r, PalPflItem& it) {
    if (!ReadCommonLines(r, it)) return false;
    auto color = r.Integer();
    if (!color) return false;
    it.color = ColorFromInteger(*color);
    auto thick = r.Real();
    if (!thick) return false;
    it.thickness = *thick;
    auto edge = r.Real();
    if (!edge) return false;
    it.edgePrice = *edge;
    return true;
}

template <class Item> CatalogueFile<Item> ParseCatalogue(const std::string& bytes) {
    CatalogueFile<Item> out;
    LineReader r(bytes);
    auto header = ParseHeader(r);
    if (!header) {
        out.status = CatalogueStatus::NotFound;
        return out;
    }
    out.header = *header;
    for (int i = 0; i < header->count; ++i) {
        if (r.AtEnd()) break; // fewer entries than promised: stop, no rows of nothing
        Item it;
        const bool read = ReadEntry(r, it);
        // Only blank lines were left: not an entry.
        if (read && r.AtEnd() && it == Item{}) break;
        if (i == kMaxCatalogueEntries) {
            out.status = CatalogueStatus::TooLong;
            break;
        }
        if (!read) {
            out.status = CatalogueStatus::Corrupt;
            break;
        }
        out.items.push_back(std::move(it));
    }
    return out;
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

// Text fields are whole lines: a line break inside one would shift every later field.
std::string OneLine(const std::string& s) {
    std::string out = s;
    for (char& c : out)
        if (IsLineEnd(c)) c = ' ';
    return out;
}

std::string RealText(double v) { return ShortestReal(v); }

void PutHeader(std::string& s, const CatalogueHeader& h, std::size_t count) {
    s += std::to_string(h.thumbWidth) + " " + std::to_string(h.thumbHeight) + " " + std::to_string(count) + "\r\n";
}

void PutLine(std::string& s, const std::string& line) {
    s += ToFileText(OneLine(line));
    s += "\r\n";
}

std::string WriteThroughTemp(const std::string& path, const std::string& bytes) {
    const std::string tmp = path + ".tmp";
    {
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        if (!out) return IoErrorText(IoCodeFromErrno(errno));
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            const int err = errno;
            out.close();
            std::remove(tmp.c_str());
            return IoErrorText(IoCodeFromErrno(err));
        }
    }
    if (std::rename(tmp.c_str(), path.c_str()) != 0) {
        const int err = errno;
        std::remove(tmp.c_str());
        return IoErrorText(IoCodeFromErrno(err));
    }
    return {};
}

} // namespace

template <class Item> std::string CatalogueFile<Item>::Message() const {
    switch (status) {
    case CatalogueStatus::Ok: return {};
    case CatalogueStatus::NotFound: return kCatalogueNotFound;
    case CatalogueStatus::Corrupt: return kCatalogueCorrupt;
    case CatalogueStatus::TooLong: {
        const std::string n = std::to_string(kMaxCatalogueEntries);
        return "Fisierul are mai mult de " + n + " de intrari: sunt citite doar primele " + n + ".";
    }
    }
    return {};
}
template struct CatalogueFile<PalPflItem>;
template struct CatalogueFile<FeronerieItem>;

PalPflCatalogue ParsePalPflCatalogue(const std::string& bytes) { return ParseCatalogue<PalPflItem>(bytes); }
FeronerieCatalogue ParseFeronerieCatalogue(const std::string& bytes) { return ParseCatalogue<FeronerieItem>(bytes); }

template <class Item> CatalogueFile<Item> ReadCatalogue(const std::string& path) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) {
        CatalogueFile<Item> c;
        c.status = CatalogueStatus::NotFound;
        return c;
    }
    return ParseCatalogue<Item>(bytes);
}
template PalPflCatalogue ReadCatalogue<PalPflItem>(const std::string&);
template FeronerieCatalogue ReadCatalogue<FeronerieItem>(const std::string&);

PalPflCatalogue ReadPalPflCatalogue(const std::string& path) { return ReadCatalogue<PalPflItem>(path); }
FeronerieCatalogue ReadFeronerieCatalogue(const std::string& path) { return ReadCatalogue<FeronerieItem>(path); }

std::optional<CatalogueHeader> ReadCatalogueHeader(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string first;
    std::getline(in, first);
    LineReader r(first);
    return ParseHeader(r);
}

namespace {
// The four lines both kinds of entry start with.
template <class Item> void PutCommonLines(std::string& s, const Item& it) {
    PutLine(s, CutCode(it.code));
    PutLine(s, it.description);
    PutLine(s, RealText(it.price));
    PutLine(s, it.picture);
}

void PutEntry(std::string& s, const FeronerieItem& it) { PutCommonLines(s, it); }

void PutEntry(std::string& s, const PalPflItem& it) {
    PutCommonLines(s, it);
    PutLine(s, std::to_string(it.color & 0xFFFFFFu));
    PutLine(s, RealText(it.thickness));
    PutLine(s, RealText(it.edgePrice));
}
} // namespace

template <class Item> std::string FormatCatalogue(const CatalogueHeader& header, const std::vector<Item>& items) {
    std::string s;
    PutHeader(s, header, items.size());
    for (const Item& it : items) PutEntry(s, it);
    return s;
}
template std::string FormatCatalogue<PalPflItem>(const CatalogueHeader&, const std::vector<PalPflItem>&);
template std::string FormatCatalogue<FeronerieItem>(const CatalogueHeader&, const std::vector<FeronerieItem>&);

template <class Item>
std::string WriteCatalogue(const std::string& path, const CatalogueHeader& header, const std::vector<Item>& items) {
    return WriteThroughTemp(path, FormatCatalogue(header, items));
}
template std::string WriteCatalogue<PalPflItem>(const std::string&, const CatalogueHeader&,
                                                const std::vector<PalPflItem>&);
template std::string WriteCatalogue<FeronerieItem>(const std::string&, const CatalogueHeader&,
                                                   const std::vector<FeronerieItem>&);

std::string FormatPalPflCatalogue(const CatalogueHeader& header, const std::vector<PalPflItem>& items) {
    return FormatCatalogue(header, items);
}
std::string FormatFeronerieCatalogue(const CatalogueHeader& header, const std::vector<FeronerieItem>& items) {
    return FormatCatalogue(header, items);
}
std::string WritePalPflCatalogue(const std::string& path, const CatalogueHeader& header,
                                 const std::vector<PalPflItem>& items) {
    return WriteCatalogue(path, header, items);
}
std::string WriteFeronerieCatalogue(const std::string& path, const CatalogueHeader& header,
                                    const std::vector<FeronerieItem>& items) {
    return WriteCatalogue(path, header, items);
}

std::string CataloguePath(const std::string& startupFolder, const char* name) {
    if (startupFolder.empty()) return name;
    if (startupFolder.back() == '/') return startupFolder + name;
    return startupFolder + "/" + name;
}

// ---- codes ----

bool CodeLess(const std::string& a, const std::string& b) {
    // std::string compares as unsigned bytes, like the old byte-wise compare.
    return UpperAscii(a) < UpperAscii(b);
}

template <class Item> void SortByCode(std::vector<Item>& items) {
    std::stable_sort(items.begin(), items.end(), [](const Item& a, const Item& b) { return CodeLess(a.code, b.code); });
}
template void SortByCode<PalPflItem>(std::vector<PalPflItem>&);
template void SortByCode<FeronerieItem>(std::vector<FeronerieItem>&);

std::vector<std::size_t> SortOrderByCode(const std::vector<std::string>& codes) {
    std::vector<std::size_t> order(codes.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return CodeLess(codes[a], codes[b]); });
    return order;
}

std::size_t FindCodePrefix(const std::vector<std::string>& codes, const std::string& text) {
    if (text.empty()) return 0;
    const std::string t = UpperAscii(text);
    for (std::size_t i = 0; i < codes.size(); ++i)
        if (t <= LeftPart(UpperAscii(codes[i]), t.size())) return i;
    return 0;
}

template <class Item> int FindCode(const std::vector<Item>& items, const std::string& code) {
    if (code.empty()) return -1;
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].code == code) return static_cast<int>(i);
    return -1;
}
template int FindCode<PalPflItem>(const std::vector<PalPflItem>&, const std::string&);
template int FindCode<FeronerieItem>(const std::vector<FeronerieItem>&, const std::string&);

std::string LeftPart(const std::string& s, std::size_t n) { return n >= s.size() ? s : s.substr(0, n); }

bool IsBmpFile(const std::string& fileName) {
    if (fileName.size() < 4) return false;
    return UpperAscii(fileName.substr(fileName.size() - 4)) == ".BMP";
}

// ---- grid cells ----

std::string ShortestReal(double v) {
    char buf[64];
    auto [p, ec] = std::to_chars(buf, buf + sizeof buf, v);
    if (ec != std::errc()) return "0";
    return std::string(buf, p);
}

std::string PadLeft(const std::string& s, std::size_t width) {
    return s.size() >= width ? s : std::string(width - s.size(), ' ') + s;
}

std::string CellReal(double v, int decimals, std::size_t width) { return PadLeft(FormatFixedDot(v, decimals), width); }

std::string CellInt(long long v, std::size_t width) { return PadLeft(std::to_string(v), width); }

int CellToInt(const std::string& text, int fallback) {
    auto v = ParseInt(RemoveBlanks(text));
    return v ? *v : fallback;
}

double CellToReal(const std::string& text, double fallback) {
    auto v = ParseRealDot(RemoveBlanks(text));
    return v ? *v : fallback;
}

Color CellToColor(const std::string& text, Color fallback) {
    const std::string t = RemoveBlanks(text);
    long long v = 0;
    const char* b = t.data();
    const char* e = b + t.size();
    auto [p, ec] = std::from_chars(b, e, v);
    if (t.empty() || ec != std::errc() || p != e) return fallback;
    return ColorFromInteger(v);
}

// ---- thumbnails ----

ThumbRect ThumbnailPlace(int pictureW, int pictureH, int thumbW, int thumbH, int slot) {
    ThumbRect r;
    const int slotLeft = slot * thumbW;
    if (pictureW <= 0 || pictureH <= 0) return r;
    if (pictureW <= pictureH) {
        const double k = static_cast<double>(pictureW) / pictureH;
        r.width = RoundEven(thumbW * k);
        r.left = slotLeft + RoundEven((thumbW - thumbW * k) / 2);
        r.top = 0;
        r.height = thumbH;
    } else {
        const double k = static_cast<double>(pictureH) / pictureW;
        r.height = RoundEven(thumbH * k);
        r.top = RoundEven((thumbH - thumbH * k) / 2);
        r.left = slotLeft;
        r.width = thumbW;
    }
    return r;
}

int StripSlots(int count, int thumbW, int thumbH) {
    if (count <= 0 || thumbW < 1 || thumbH < 1 || thumbW > kMaxThumbSide || thumbH > kMaxThumbSide) return 0;
    const long long fit = kMaxStripPixels / (static_cast<long long>(thumbW) * thumbH);
    return static_cast<int>(std::min<long long>(count, fit));
}

} // namespace zv
