// libFuzzer target for the catalogue reader, boards and hardware: any input
// gives a status and no more entries than the grid holds; what was read whole
// is written and read back the same.
#include "catalog/Catalogue.h"
#include "platform/Text.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {
template <class Cat> void Check(const Cat& c) {
    if (c.ok() != c.Message().empty()) __builtin_trap();
    if (c.items.size() > static_cast<std::size_t>(zv::kMaxCatalogueEntries)) __builtin_trap();
    if (c.status == zv::CatalogueStatus::NotFound && !c.items.empty()) __builtin_trap();
    for (const auto& it : c.items)
        if (zv::TextLength(it.code) > zv::kMaxCode) __builtin_trap();
}

template <class Cat, class Parse> void RoundTrip(const Cat& c, Parse parse) {
    if (!c.ok()) return;
    auto items = c.items;
    // A last entry of nothing but empty lines reads back as trailing blank lines.
    if (!items.empty() && items.back() == typename decltype(items)::value_type{}) items.pop_back();
    const Cat back = parse(zv::FormatCatalogue(c.header, items));
    if (!back.ok() || back.items != items) __builtin_trap();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const zv::PalPflCatalogue boards = zv::ParsePalPflCatalogue(bytes);
    const zv::FeronerieCatalogue hardware = zv::ParseFeronerieCatalogue(bytes);
    Check(boards);
    Check(hardware);
    RoundTrip(boards, zv::ParsePalPflCatalogue);
    RoundTrip(hardware, zv::ParseFeronerieCatalogue);
    return 0;
}
