#pragma once
// Number helpers shared by every window and file reader: rounding the way the
// views turn millimetres into pixels, the general real format shown to users,
// and strict parsing that never lets NaN or infinity into the model.
#include <optional>
#include <string>

namespace zv {

// Nearest integer, halves to the even neighbour (12.5 -> 12, 13.5 -> 14).
// NaN gives 0 and out-of-range values are clamped, so no caller converts junk.
int RoundEven(double v);
// Towards zero, clamped like RoundEven.
int TruncZero(double v);

// The system's decimal separator ('.' or ',') from the C locale in force.
char SystemDecimalSeparator();
// Tests run the helpers under "," without needing a locale installed:
// 0 restores the system's separator.
void OverrideDecimalSeparator(char sep);

// General format: up to 15 significant digits, no trailing zeros, the system's
// decimal separator ("18", "0,5", "1E20" style for very large or small values).
std::string FormatGeneral(double v);
// Fixed number of decimals with "." (thicknesses from the catalogue: "18.00").
std::string FormatFixedDot(double v, int decimals);

// Parsing with "." as the decimal separator; the whole text must be a number
// (leading and trailing blanks are not allowed); NaN and infinities refused.
std::optional<double> ParseRealDot(const std::string& s);
// Parsing with the system's decimal separator.
std::optional<double> ParseRealSystem(const std::string& s);
// The one rule for every number the program writes into a field and reads
// back from one: written in the general format with the system's separator,
// read with "." or the system's separator (blanks around it ignored), so a
// field the program filled always reads back as the value it shows.
std::string FormatField(double v);
std::optional<double> ParseField(const std::string& text);

// Whole 32-bit integer, optional sign, decimal digits only.
std::optional<int> ParseInt(const std::string& s);

// Removes every blank (space and tab), as the catalogue readers do.
std::string RemoveBlanks(const std::string& s);

} // namespace zv
