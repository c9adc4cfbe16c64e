#pragma once
// The two text catalogues of the start-up folder, "pal-pfl.dat" (boards) and
// "feron.dat" (hardware): one reader, one writer, the sort, the code search
// and the exact look-up, shared by both. No widgets.
#include "platform/Canvas.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace zv {

inline constexpr const char* kPalPflFile = "pal-pfl.dat";
inline constexpr const char* kFeronerieFile = "feron.dat";

// Both catalogues report with these two texts.
inline constexpr const char* kCatalogueNotFound = "Nu am gasit fisierul cu feroneria.";
inline constexpr const char* kCatalogueCorrupt = "Fisier cu feronerie alterat.";

// A thumbnail side beyond kMaxThumbSide, or a count beyond kMaxHeaderCount
// (no catalogue has that many), makes the header unreadable. The grid holds
// at most kMaxCatalogueEntries entries: a file with more is read up to there
// and reported as too long. The thumbnail strip holds every slot
// of such a catalogue at 64 x 64; with larger thumbnails it holds the first
// StripSlots(...) of them and the rows after those show none.
inline constexpr int kMaxThumbSide = 1024;
inline constexpr int kMaxCatalogueEntries = 20000;
inline constexpr int kMaxHeaderCount = 1000000;
inline constexpr long long kMaxStripPixels = static_cast<long long>(kMaxCatalogueEntries) * 64 * 64;

// First line of both files: thumbnail width, thumbnail height, entry count.
struct CatalogueHeader {
    int thumbWidth = 0;
    int thumbHeight = 0;
    int count = 0;
    bool operator==(const CatalogueHeader&) const = default;
};

// One board: 7 lines in the file.
struct PalPflItem {
    std::string code; // at most 10 characters
    std::string description;
    double price = 0;     // per square metre
    std::string picture;  // texture file, may be empty
    Color color = 0;      // red in the low byte
    double thickness = 0; // millimetres
    double edgePrice = 0; // edge banding per metre
    bool operator==(const PalPflItem&) const = default;
};

// One hardware item: 4 lines in the file.
struct FeronerieItem {
    std::string code; // at most 10 characters
    std::string description;
    double price = 0;
    std::string picture;
    bool operator==(const FeronerieItem&) const = default;
};

enum class CatalogueStatus {
    Ok,
    NotFound, // cannot be opened, or the header is missing or out of range
    Corrupt,  // a numeric field of an entry is not a number
    TooLong,  // more entries than the grid holds; the first kMaxCatalogueEntries are read
};

template <class Item> struct CatalogueFile {
    CatalogueStatus status = CatalogueStatus::Ok;
    CatalogueHeader header;
    // The entries read, in file order. After a fault: those before the faulty
    // entry. Reading stops at the end of the file even when the header promised
    // more; an entry cut short by the end keeps empty texts and zero numbers.
    // A status other than Ok means the file was not read whole.
    std::vector<Item> items;
    bool ok() const { return status == CatalogueStatus::Ok; }
    // The user's message for the status; empty when ok.
    std::string Message() const;
};

using PalPflCatalogue = CatalogueFile<PalPflItem>;
using FeronerieCatalogue = CatalogueFile<FeronerieItem>;

// Readers over the file's bytes (the tests and the fuzz target use these) and over a path.
PalPflCatalogue ParsePalPflCatalogue(const std::string& bytes);
FeronerieCatalogue ParseFeronerieCatalogue(const std::string& bytes);
PalPflCatalogue ReadPalPflCatalogue(const std::string& path);
FeronerieCatalogue ReadFeronerieCatalogue(const std::string& path);
// The same for either kind of entry (PalPflItem, FeronerieItem).
template <class Item> CatalogueFile<Item> ReadCatalogue(const std::string& path);
// Only the first line, as the piece hardware window needs the thumbnail size.
std::optional<CatalogueHeader> ReadCatalogueHeader(const std::string& path);

// Writers: CR LF lines, through a temporary file renamed into place; the
// header's count is the number of items. Empty string on success, else the error text.
std::string WritePalPflCatalogue(const std::string& path, const CatalogueHeader& header,
                                 const std::vector<PalPflItem>& items);
std::string WriteFeronerieCatalogue(const std::string& path, const CatalogueHeader& header,
                                    const std::vector<FeronerieItem>& items);
std::string FormatPalPflCatalogue(const CatalogueHeader& header, const std::vector<PalPflItem>& items);
std::string FormatFeronerieCatalogue(const CatalogueHeader& header, const std::vector<FeronerieItem>& items);
template <class Item>
std::string WriteCatalogue(const std::string& path, const CatalogueHeader& header, const std::vector<Item>& items);
template <class Item> std::string FormatCatalogue(const CatalogueHeader& header, const std::vector<Item>& items);

// start-up folder + "/" + name.
std::string CataloguePath(const std::string& startupFolder, const char* name);

// ---- codes ----

// The sort key: letters a to z upper-cased, compared byte by byte.
bool CodeLess(const std::string& a, const std::string& b);

// Sorts by upper-cased code, equal codes keeping their order.
template <class Item> void SortByCode(std::vector<Item>& items);

// The permutation that sorts `codes`: result[i] is the index, in `codes`, of
// the code that goes to position i.
std::vector<std::size_t> SortOrderByCode(const std::vector<std::string>& codes);

// Index of the first code, in the order given, whose first L upper-cased
// characters are not below the upper-cased text of length L; 0 when the text is
// empty or none qualifies (and 0 for an empty list).
std::size_t FindCodePrefix(const std::vector<std::string>& codes, const std::string& text);

// Index of the first item whose code equals `code` exactly; an empty code
// never matches. -1 when absent.
template <class Item> int FindCode(const std::vector<Item>& items, const std::string& code);

// First n characters, the whole string when n is not less than its length.
std::string LeftPart(const std::string& s, std::size_t n);

// True when the upper-cased name ends in ".BMP"; every other name is read as JPEG.
bool IsBmpFile(const std::string& fileName);

// ---- grid cells ----

// The shortest text with "." that reads back as the same double.
std::string ShortestReal(double v);
// Right-aligned in `width` characters.
std::string PadLeft(const std::string& s, std::size_t width);
// Fixed decimals with ".", right-aligned ("  18.00").
std::string CellReal(double v, int decimals, std::size_t width);
std::string CellInt(long long v, std::size_t width);
// A cell's number, blanks removed; the fallback when the text is not one.
int CellToInt(const std::string& text, int fallback);
double CellToReal(const std::string& text, double fallback);
// A colour cell: an integer, masked to the 24 RGB bits; the fallback otherwise.
Color CellToColor(const std::string& text, Color fallback);

// ---- thumbnails ----

struct ThumbRect {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const ThumbRect&) const = default;
};
// Where a w x h picture goes in slot `slot` of a strip of thumbW x thumbH
// slots, keeping its proportions (halves rounded to the even integer).
ThumbRect ThumbnailPlace(int pictureW, int pictureH, int thumbW, int thumbH, int slot);
// How many of `count` slots of thumbW x thumbH the thumbnail strip holds
// (all of them up to kMaxStripPixels); 0 for sizes that are no thumbnail.
int StripSlots(int count, int thumbW, int thumbH);

} // namespace zv
