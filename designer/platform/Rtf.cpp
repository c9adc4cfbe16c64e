#include "Rtf.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

namespace zv {

namespace {

// Deeper groups are counted, not stored: memory stays bounded whatever the file.
constexpr std::size_t kMaxStoredDepth = 10000;

struct GroupState {
    bool bold = false, italic = false;
    int halfPoints = 24;
    bool skip = false; // a destination whose text is not shown
    int uc = 1;        // characters that stand in for each \u
};

// Windows-1252 at 0x80..0x9F; the rest of the upper half is Latin-1.
constexpr char16_t kCp1252High[32] = {0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
                                      0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t c) {
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char32_t FromCodePage(unsigned char b) {
    if (b >= 0x80 && b < 0xA0) return kCp1252High[b - 0x80];
    return b;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Destinations whose content is not part of the text.
bool SkippedDestination(std::string_view w) {
    static constexpr std::string_view kSkipped[] = {
        "fonttbl",      "colortbl",   "stylesheet", "info",      "pict",
        "header",       "headerl",    "headerr",    "headerf",   "footer",
        "footerl",      "footerr",    "footerf",    "listtable", "listoverridetable",
        "rsidtbl",      "generator",  "xmlnstbl",   "themedata", "colorschememapping",
        "latentstyles", "datastore",  "object",     "fldinst",   "filetbl",
        "revtbl",       "nonshppict", "shppict",    "footnote",  "annotation",
        "bkmkstart",    "bkmkend"};
    return std::find(std::begin(kSkipped), std::end(kSkipped), w) != std::end(kSkipped);
}

class Reader {
public:
    explicit Reader(const std::string& bytes) : s_(bytes) { doc_.paragraphs.emplace_back(); }

    RtfDocument Run() {
        while (i_ < s_.size()) {
            const char c = s_[i_];
            if (c == '{') {
                ++i_;
                OpenGroup();
            } else if (c == '}') {
                ++i_;
                CloseGroup();
            } else if (c == '\\') {
                ++i_;
                Control();
            } else {
                ++i_;
                if (c == '\r' || c == '\n' || c == '\0') continue;
                Char(FromCodePage(static_cast<unsigned char>(c)), true);
            }
        }
        // A closing \par leaves an empty paragraph that is no part of the text.
        if (doc_.paragraphs.size() > 1 && doc_.paragraphs.back().runs.empty()) doc_.paragraphs.pop_back();
        return std::move(doc_);
    }

private:
    void OpenGroup() {
        pendingSkip_ = 0;
        if (stack_.size() >= kMaxStoredDepth) {
            ++uncounted_;
            return;
        }
        stack_.push_back(cur_);
    }

    void CloseGroup() {
        pendingSkip_ = 0;
        if (uncounted_ > 0) {
            --uncounted_;
            return;
        }
        if (stack_.empty()) return; // a stray '}': the text goes on
        cur_ = stack_.back();
        stack_.pop_back();
    }

    void Control() {
        if (i_ >= s_.size()) return;
        const char c = s_[i_];
        if (IsLetter(c)) {
            Word();
            return;
        }
        ++i_;
        switch (c) {
        case '\\':
        case '{':
        case '}': Char(static_cast<unsigned char>(c), true); break;
        case '~': Char(0xA0, true); break;
        case '_': Char('-', true); break;
        case '*': cur_.skip = true; break;
        case '\'': {
            // A cut or damaged \'hh is dropped; what follows is read as text.
            if (i_ + 1 < s_.size() && HexValue(s_[i_]) >= 0 && HexValue(s_[i_ + 1]) >= 0) {
                const int v = HexValue(s_[i_]) * 16 + HexValue(s_[i_ + 1]);
                i_ += 2;
                Char(FromCodePage(static_cast<unsigned char>(v)), true);
            }
            break;
        }
        case '\r':
        case '\n': Paragraph(); break;
        default: break; // \- and other symbols show nothing
        }
    }

    void Word() {
        const std::size_t start = i_;
        while (i_ < s_.size() && IsLetter(s_[i_]) && i_ - start < 32) ++i_;
        const std::string_view word(s_.data() + start, i_ - start);
        bool hasParam = false;
        bool negative = false;
        long long param = 0;
        if (i_ < s_.size() && s_[i_] == '-' && i_ + 1 < s_.size() && IsDigit(s_[i_ + 1])) {
            negative = true;
            ++i_;
        }
        for (int digits = 0; i_ < s_.size() && IsDigit(s_[i_]); ++i_, ++digits) {
            hasParam = true;
            if (digits < 10) param = param * 10 + (s_[i_] - '0');
        }
        if (negative) param = -param;
        if (i_ < s_.size() && s_[i_] == ' ') ++i_;
        Apply(word, hasParam, param);
    }

    void Apply(std::string_view w, bool hasParam, long long param) {
        if (SkippedDestination(w)) {
            cur_.skip = true;
            return;
        }
        if (w == "par" || w == "sect" || w == "page") {
            Paragraph();
        } else if (w == "line") {
            Char('\n', false);
        } else if (w == "tab") {
            Char('\t', false);
        } else if (w == "b") {
            cur_.bold = !hasParam || param != 0;
        } else if (w == "i") {
            cur_.italic = !hasParam || param != 0;
        } else if (w == "fs") {
            cur_.halfPoints = static_cast<int>(std::clamp<long long>(hasParam ? param : 24, 2, 400));
        } else if (w == "plain") {
            cur_.bold = cur_.italic = false;
            cur_.halfPoints = 24;
        } else if (w == "uc") {
            cur_.uc = static_cast<int>(std::clamp<long long>(hasParam ? param : 1, 0, 10));
        } else if (w == "u" && hasParam) {
            long long v = param;
            if (v < 0) v += 65536;
            Unicode(static_cast<char32_t>(std::clamp<long long>(v, 0, 0x10FFFF)));
            pendingSkip_ = cur_.uc;
        } else if (w == "emdash") {
            Char(0x2014, false);
        } else if (w == "endash") {
            Char(0x2013, false);
        } else if (w == "bullet") {
            Char(0x2022, false);
        } else if (w == "lquote") {
            Char(0x2018, false);
        } else if (w == "rquote") {
            Char(0x2019, false);
        } else if (w == "ldblquote") {
            Char(0x201C, false);
        } else if (w == "rdblquote") {
            Char(0x201D, false);
        }
    }

    // \u with a surrogate pair in two words.
    void Unicode(char32_t c) {
        if (c >= 0xD800 && c <= 0xDBFF) {
            highSurrogate_ = c;
            return;
        }
        if (c >= 0xDC00 && c <= 0xDFFF && highSurrogate_) {
            c = 0x10000 + ((highSurrogate_ - 0xD800) << 10) + (c - 0xDC00);
        }
        highSurrogate_ = 0;
        Char(c, false);
    }

    // A character of the text; `fallback` marks one that \u may stand in for.
    void Char(char32_t c, bool fallback) {
        if (fallback && pendingSkip_ > 0) {
            --pendingSkip_;
            return;
        }
        if (cur_.skip) return;
        auto& runs = doc_.paragraphs.back().runs;
        if (runs.empty() || runs.back().bold != cur_.bold || runs.back().italic != cur_.italic ||
            runs.back().halfPoints != cur_.halfPoints) {
            runs.push_back(RtfRun{{}, cur_.bold, cur_.italic, cur_.halfPoints});
        }
        AppendUtf8(runs.back().text, c);
    }

    void Paragraph() {
        pendingSkip_ = 0;
        if (cur_.skip) return;
        doc_.paragraphs.emplace_back();
    }

    const std::string& s_;
    std::size_t i_ = 0;
    RtfDocument doc_;
    GroupState cur_;
    std::vector<GroupState> stack_;
    std::size_t uncounted_ = 0;
    int pendingSkip_ = 0;
    char32_t highSurrogate_ = 0;
};

void AppendEscaped(std::string& out, const std::string& text) {
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\n': out += "<br>"; break;
        default: out += c; break;
        }
    }
}

} // namespace

std::string RtfDocument::PlainText() const {
    std::string out;
    for (std::size_t p = 0; p < paragraphs.size(); ++p) {
        if (p) out += '\n';
        for (const auto& r : paragraphs[p].runs) out += r.text;
    }
    return out;
}

RtfDocument ReadRtf(const std::string& bytes) { return Reader(bytes).Run(); }

std::string RtfToHtml(const RtfDocument& doc) {
    std::string out = "<html><body>";
    for (const auto& p : doc.paragraphs) {
        out += "<p style=\"margin:0; white-space:pre-wrap;\">";
        if (p.runs.empty()) out += "&nbsp;"; // an empty line keeps its height
        for (const auto& r : p.runs) {
            out += "<span style=\"font-size:";
            out += std::to_string(r.halfPoints / 2);
            if (r.halfPoints % 2) out += ".5";
            out += "pt;";
            if (r.bold) out += " font-weight:700;";
            if (r.italic) out += " font-style:italic;";
            out += "\">";
            AppendEscaped(out, r.text);
            out += "</span>";
        }
        out += "</p>";
    }
    out += "</body></html>";
    return out;
}

} // namespace zv
