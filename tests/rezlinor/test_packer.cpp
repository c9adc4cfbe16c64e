// Cutting layouts: the packer's results, always passed through the checker,
// and the checker itself against layouts that are wrong on purpose.
#include "Samples.h"
#include "core/Checker.h"
#include "core/CutList.h"
#include "core/Packer.h"
#include "core/PieceFile.h"

#include <gtest/gtest.h>

#include <atomic>
#include <random>
#include <thread>

using namespace rz;
using namespace rz::test;

namespace {

// A short search: few orders, and little work left for emptying the last sheet.
PackOptions Quick(int attempts = 40) {
    PackOptions o;
    o.maxAttempts = attempts;
    o.workBudget = std::int64_t{attempts} * 20'000;
    return o;
}

// Carcass boards of a wardrobe as the designer exports them: the first size
// is a door's or a plinth's width, a shelf's or a top's depth, a side's height.
std::vector<Piece> Cabinets(int n, unsigned seed) {
    std::mt19937 rng(seed);
    auto uni = [&](double a, double b) { return std::round(std::uniform_real_distribution<double>(a, b)(rng)); };
    std::vector<Piece> out;
    while (static_cast<int>(out.size()) < n) {
        const double w = uni(300, 1000), h = uni(700, 2300), d = uni(300, 600);
        for (const Piece& p : {P("Lateral", h, d), P("Lateral", h, d), P("Capac", d, w - 36), P("Baza", d, w - 36),
                               P("Polita", d - 20, w - 38), P("Usa", w - 4, h - 4), P("Soclu", w - 36, 100)})
            if (static_cast<int>(out.size()) < n) out.push_back(p);
    }
    return out;
}

Layout PackChecked(const std::vector<Piece>& pieces, const SheetSettings& s, const PackOptions& o = Quick()) {
    Layout l = Pack(pieces, s, o);
    EXPECT_EQ(CheckLayout(l, pieces, s), "");
    return l;
}

int Placed(const Layout& l) {
    int n = 0;
    for (const auto& s : l.sheets) n += static_cast<int>(s.placements.size());
    return n;
}

} // namespace

TEST(Packer, TheDesignersTwoBoardsGoOnOneSheet) {
    const PieceFileResult r = ParsePieceFile(Lines(ShelfAndSide()));
    ASSERT_TRUE(r.ok());
    const Layout l = PackChecked(r.pieces, SheetSettings{});
    ASSERT_EQ(l.sheets.size(), 1u);
    EXPECT_EQ(l.sheets[0].placements.size(), 2u);
    EXPECT_TRUE(l.oversize.empty());
    // 2800 x 2070 less 300 x 596 and 720 x 300.
    EXPECT_NEAR(WastePercent(l, SheetSettings{}), 100.0 * (1 - (300.0 * 596 + 720.0 * 300) / (2800.0 * 2070)), 1e-9);
    // The four edge trims come first; two cuts free each piece at most.
    const auto& cuts = l.sheets[0].cuts;
    ASSERT_GE(cuts.size(), 4u);
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(cuts[static_cast<std::size_t>(i)].trim);
    EXPECT_LE(cuts.size(), 8u);
    // What is left of the sheet is kept.
    ASSERT_FALSE(KeptOffcuts(l.sheets[0]).empty());
}

TEST(Packer, PiecesLargerThanTheUsableSheetAreListedApart) {
    SheetSettings s; // usable 2780 x 2050
    const std::vector<Piece> pieces = {P("Blat", 2900, 600), P("Polita", 500, 300), P("Usa mare", 2000, 2700),
                                       P("Fix", 2780, 2050)};
    // The tall door lies along the sheet's length, with its grain; the long
    // top fits neither way.
    Layout l = PackChecked(pieces, s);
    EXPECT_EQ(l.oversize, (std::vector<int>{0}));
    EXPECT_EQ(Placed(l), 3);
    // A sheet entered across: without turning the door's and the panel's
    // lengths have no room.
    s.length = 2070;
    s.width = 2800;
    l = PackChecked(pieces, s);
    EXPECT_EQ(l.oversize, (std::vector<int>{0, 2, 3}));
    EXPECT_EQ(Placed(l), 1);
    s.allowTurn = true;
    l = PackChecked(pieces, s);
    EXPECT_EQ(l.oversize, (std::vector<int>{0}));
    EXPECT_EQ(Placed(l), 3);
}

TEST(Packer, TheKerfDecidesWhetherTwoPiecesShareAStrip) {
    SheetSettings s;
    s.trim = 0;
    s.kerf = 4;
    s.length = 1004;
    s.width = 300;
    // 500 + 4 + 500 fills the length exactly; half a millimetre more does not fit.
    EXPECT_EQ(PackChecked({P("A", 500, 300), P("B", 500, 300)}, s).sheets.size(), 1u);
    EXPECT_EQ(PackChecked({P("A", 500.5, 300), P("B", 500, 300)}, s).sheets.size(), 2u);
    s.kerf = 0;
    EXPECT_EQ(PackChecked({P("A", 502, 300), P("B", 502, 300)}, s).sheets.size(), 1u);
}

TEST(Packer, EqualPiecesFillTheSheetAsTheAreaAllows) {
    // 4 x 5 doors of 690 x 406 fit 2780 x 2050 with a 4 mm kerf: 4*690+3*4 = 2772, 5*406+4*4 = 2046.
    std::vector<Piece> pieces(20, P("Usa", 690, 406));
    const Layout l = PackChecked(pieces, SheetSettings{}, Quick(400));
    EXPECT_EQ(l.sheets.size(), 1u);
    pieces.push_back(P("Usa", 690, 406));
    EXPECT_EQ(PackChecked(pieces, SheetSettings{}).sheets.size(), 2u);
}

// Hundreds of random sets, plain and grained, with and without trim and kerf:
// every layout passes the checker, no sheet fewer than the area allows, and
// no piece across the grain where turning is off.
TEST(Packer, RandomSetsAlwaysGiveSoundLayouts) {
    std::mt19937 rng(2026);
    auto uni = [&](double a, double b) { return std::uniform_real_distribution<double>(a, b)(rng); };
    for (int set = 0; set < 300; ++set) {
        SheetSettings s;
        s.length = std::round(uni(800, 3000));
        s.width = std::round(uni(600, 2100));
        s.kerf = set % 5 == 0 ? 0 : std::round(uni(0, 8) * 2) / 2;
        s.trim = set % 7 == 0 ? 0 : std::round(uni(0, 25));
        s.allowTurn = set % 2 == 0;
        const int n = 1 + static_cast<int>(rng() % 60);
        std::vector<Piece> pieces;
        for (int i = 0; i < n; ++i) {
            const double big = set % 3 == 0 ? 1.2 : 0.6; // some sets have pieces too large
            pieces.push_back(P("P" + std::to_string(i), std::round(uni(20, s.length * big) * 10) / 10,
                               std::round(uni(20, s.width * big) * 10) / 10));
        }
        const Layout l = Pack(pieces, s, Quick(30));
        ASSERT_EQ(CheckLayout(l, pieces, s), "") << "set " << set;
        EXPECT_GE(static_cast<int>(l.sheets.size()), AreaLowerBound(pieces, s)) << "set " << set;
        for (const auto& sh : l.sheets)
            for (const auto& p : sh.placements)
                ASSERT_TRUE(DirectionAllowed(pieces[static_cast<std::size_t>(p.piece)], s, p.turned)) << "set " << set;
        for (const auto& sh : l.sheets)
            for (const auto& c : sh.cuts) {
                ASSERT_LE(c.from, c.to);
                ASSERT_LE(c.to, (c.acrossLength ? s.width : s.length) + 1e-6);
            }
    }
}

TEST(Packer, SettingsThatLeaveNoSheetAreRefused) {
    struct Case {
        SheetSettings s;
        std::string expected;
    };
    auto with = [](double l, double w, double k, double t) { return SheetSettings{l, w, k, t, false}; };
    const Case cases[] = {
        {with(2800, 2070, 4, 10), ""},
        {with(2800, 2070, 4, 1035), "Cu marginea de tundere aleasa nu ramane nimic din foaie."},
        {with(2800, 2070, 2050, 10), "Cu grosimea taieturii aleasa nu ramane nimic din foaie."},
        {with(0, 2070, 4, 10), "Lungimea si latimea foii trebuie sa fie mai mari ca 0."},
        {with(2800, 2070, -1, 10), "Grosimea taieturii nu poate fi negativa."},
        {with(2800, 2070, 4, -10), "Marginea de tundere nu poate fi negativa."},
        {with(2800, std::nan(""), 4, 10), "Dimensiunile foii trebuie sa fie numere."},
    };
    for (const Case& c : cases) EXPECT_EQ(CheckSettings(c.s), c.expected);
}

// The checker finds each kind of fault in a layout made wrong by hand.
TEST(Checker, FindsEachFault) {
    SheetSettings s;
    s.trim = 10;
    s.kerf = 4;
    s.asGiven = true; // every piece as the file gives it, as in the literature's instances
    const std::vector<Piece> pieces = {P("A", 1000, 500), P("B", 1000, 500), P("C", 500, 1000), P("D", 500, 1000)};
    auto at = [&](int i, double x, double y, bool turned = false) {
        const Piece& p = pieces[static_cast<std::size_t>(i)];
        return Placement{i, x, y, turned ? p.width : p.length, turned ? p.length : p.width, turned};
    };
    auto one = [](std::vector<Placement> pl) {
        Layout l;
        l.sheets.push_back(SheetLayout{std::move(pl), {}, {}});
        return l;
    };
    struct Case {
        const char* what;
        Layout l;
        std::string expected; // a part of the message
    };
    const Case cases[] = {
        {"sound", one({at(0, 10, 10), at(1, 1014, 10), at(2, 10, 514), at(3, 514, 514)}), ""},
        {"overlap", one({at(0, 10, 10), at(1, 500, 10), at(2, 10, 514), at(3, 514, 514)}), "overlap"},
        {"kerf too thin", one({at(0, 10, 10), at(1, 1012, 10), at(2, 10, 514), at(3, 514, 514)}), "kerf"},
        {"into the trim", one({at(0, 5, 10), at(1, 1014, 10), at(2, 10, 514), at(3, 514, 514)}), "outside"},
        {"past the far edge", one({at(0, 1800, 10), at(1, 10, 10), at(2, 10, 514), at(3, 514, 514)}), "outside"},
        // Four pieces turning round a middle square: no straight cut crosses the sheet.
        {"pinwheel", one({at(0, 10, 10), at(3, 1014, 10), at(1, 514, 1014), at(2, 10, 514)}), "straight"},
        {"turned though not allowed", one({at(0, 10, 10), at(1, 1014, 10), at(2, 10, 514, true), at(3, 1100, 1000)}),
         "turned"},
        {"missing piece", one({at(0, 10, 10), at(1, 1014, 10), at(2, 10, 514)}), "missing"},
        {"twice", one({at(0, 10, 10), at(0, 1014, 10), at(2, 10, 514), at(3, 514, 514)}), "more than once"},
    };
    for (const Case& c : cases) {
        const std::string e = CheckLayout(c.l, pieces, s);
        if (c.expected.empty()) {
            EXPECT_EQ(e, "") << c.what;
        } else {
            EXPECT_NE(e.find(c.expected), std::string::npos) << c.what << ": " << e;
        }
    }
}

TEST(CutList, OneLineAPieceThenThoseTooLarge) {
    std::vector<Piece> pieces = {P("Polita, sus", 300, 596), P("Blat \"L\"", 3000, 600.5)};
    Layout l;
    l.sheets.push_back(SheetLayout{{Placement{0, 10, 10, 596, 300, true}}, {}, {}});
    l.oversize = {1};
    EXPECT_EQ(FormatCutList(l, pieces), "Foaie,Piesa,Lungime,Latime,x,y,Rotita\r\n"
                                        "1,\"Polita, sus\",300,596,10,10,da\r\n"
                                        "nu incape,\"Blat \"\"L\"\"\",3000,600.5,,,\r\n");
    // Under a Romanian locale the spreadsheet wants ";" between the fields.
    EXPECT_EQ(FormatCutList(l, pieces, ';', ','), "Foaie;Piesa;Lungime;Latime;x;y;Rotita\r\n"
                                                  "1;Polita, sus;300;596;10;10;da\r\n"
                                                  "nu incape;\"Blat \"\"L\"\"\";3000;600,5;;;\r\n");
    EXPECT_EQ(FormatSize(596.25), "596.25");
    EXPECT_EQ(FormatSize(596.25, ','), "596,25");
    EXPECT_EQ(FormatSize(18.0), "18");
}

// With turning off every piece lies with its longer side along the sheet's
// length, whichever size the file gives first; a square either way.
TEST(Checker, TurningOffKeepsTheLongerSideAlongTheLength) {
    const SheetSettings s;
    struct Case {
        const char* what;
        Piece piece;
        bool turned;
        bool sound;
    };
    const Case cases[] = {
        {"long first, as given", P("Lateral", 720, 580), false, true},
        {"long first, turned", P("Lateral", 720, 580), true, false},
        {"long second, turned", P("Usa", 596, 716), true, true},
        {"long second, as given", P("Usa", 596, 716), false, false},
        {"square", P("Cub", 500, 500), false, true},
        {"square turned", P("Cub", 500, 500), true, true},
    };
    for (const Case& c : cases) {
        const double l = c.turned ? c.piece.width : c.piece.length, w = c.turned ? c.piece.length : c.piece.width;
        Layout lay;
        lay.sheets.push_back(SheetLayout{{Placement{0, 10, 10, l, w, c.turned}}, {}, {}});
        EXPECT_EQ(CheckLayout(lay, {c.piece}, s).empty(), c.sound) << c.what;
    }
}

// The boards of a wardrobe, each size as the designer's export writes it:
// with turning off the grain runs along every board's longer side.
TEST(Packer, TurningOffLaysEachBoardsLongerSideAlongTheSheet) {
    struct Case {
        const char* what;
        Piece piece;
    };
    const Case cases[] = {
        {"door: width, then height", P("Usa", 596, 716)},
        {"side: height, then depth", P("Lateral", 720, 580)},
        {"shelf: depth, then width", P("Polita", 540, 564)},
        {"top: depth, then width", P("Capac", 580, 600)},
        {"plinth: width, then height", P("Soclu", 564, 100)},
        {"tall door", P("Usa", 450, 2396)},
        {"square", P("Cub", 500, 500)},
    };
    std::vector<Piece> pieces;
    for (const Case& c : cases) pieces.push_back(c.piece);
    const SheetSettings s;
    const Layout l = PackChecked(pieces, s);
    int seen = 0;
    for (const auto& sh : l.sheets)
        for (const Placement& p : sh.placements) {
            const Case& c = cases[p.piece];
            EXPECT_EQ(p.length, std::max(c.piece.length, c.piece.width)) << c.what;
            EXPECT_EQ(p.turned, c.piece.width > c.piece.length) << c.what;
            ++seen;
        }
    EXPECT_EQ(seen, static_cast<int>(std::size(cases)));
}

// The search counts its work, not its time: the same boards give the same
// layout while every core is kept busy.
TEST(Packer, TheSameBoardsGiveTheSameLayoutOnABusyMachine) {
    const std::vector<Piece> pieces = Cabinets(150, 11);
    PackOptions o;
    o.workBudget = 400'000;
    auto same = [](const Layout& a, const Layout& b) {
        if (a.sheets.size() != b.sheets.size()) return false;
        for (std::size_t k = 0; k < a.sheets.size(); ++k) {
            const auto &p = a.sheets[k].placements, &q = b.sheets[k].placements;
            if (p.size() != q.size()) return false;
            for (std::size_t i = 0; i < p.size(); ++i)
                if (p[i].piece != q[i].piece || p[i].x != q[i].x || p[i].y != q[i].y || p[i].turned != q[i].turned)
                    return false;
        }
        return true;
    };
    for (bool turn : {false, true}) {
        SheetSettings s;
        s.allowTurn = turn;
        const Layout quiet = PackChecked(pieces, s, o);
        EXPECT_FALSE(quiet.clockStopped);
        std::atomic<bool> stop{false};
        std::vector<std::thread> spin;
        for (unsigned i = 0; i < std::max(2u, std::thread::hardware_concurrency()); ++i)
            spin.emplace_back([&] {
                volatile unsigned long x = 0;
                while (!stop) x = x + 1;
            });
        const Layout busy = Pack(pieces, s, o);
        stop = true;
        for (auto& t : spin) t.join();
        EXPECT_FALSE(busy.clockStopped);
        EXPECT_TRUE(same(quiet, busy)) << "turn " << turn;
    }
}

// The layout without turning is one of the candidates when turning is allowed.
TEST(Packer, AllowingTurningNeverTakesMoreSheets) {
    for (unsigned seed = 1; seed <= 12; ++seed) {
        const std::vector<Piece> pieces = Cabinets(20 + static_cast<int>(seed) * 7, seed);
        SheetSettings s;
        const Layout fixed = PackChecked(pieces, s, Quick(60));
        s.allowTurn = true;
        const Layout turning = PackChecked(pieces, s, Quick(60));
        EXPECT_LE(turning.sheets.size(), fixed.sheets.size()) << "seed " << seed;
    }
}

// A time limit that stops the search is said in the layout.
TEST(Packer, TheClockOnlyStopsASearchAsASafetyNet) {
    const std::vector<Piece> pieces = Cabinets(60, 3);
    PackOptions o;
    o.clockLimitSeconds = 0;
    const Layout cut = PackChecked(pieces, SheetSettings{}, o);
    EXPECT_TRUE(cut.clockStopped);
    EXPECT_FALSE(cut.sheets.empty());
    EXPECT_FALSE(PackChecked(pieces, SheetSettings{}, Quick()).clockStopped);
}

// A size written as 0.00 (under 0.005 mm in the designer) leaves the piece
// out, listed apart; the others are laid out.
TEST(Packer, PiecesTooSmallAreListedApartAndTheRestLaidOut) {
    const PieceFileResult r = ParsePieceFile(Lines([] {
        auto l = Header(3);
        for (const auto& x : PieceLines("Polita", "300.00", "596.00")) l.push_back(x);
        for (const auto& x : PieceLines("Sipca", "0.00", "596.00")) l.push_back(x);
        for (const auto& x : PieceLines("Lateral", "720.00", "300.00")) l.push_back(x);
        return l;
    }()));
    ASSERT_TRUE(r.ok()) << r.error;
    for (bool turn : {false, true}) {
        SheetSettings s;
        s.allowTurn = turn;
        const Layout l = PackChecked(r.pieces, s);
        EXPECT_EQ(l.tooSmall, std::vector<int>{1});
        EXPECT_TRUE(l.oversize.empty());
        EXPECT_EQ(Placed(l), 2);
        EXPECT_EQ(AreaLowerBound(r.pieces, s), 1);
    }
    Layout l = Pack(r.pieces, SheetSettings{}, Quick());
    const std::string csv = FormatCutList(l, r.pieces);
    EXPECT_NE(csv.find("prea mica,Sipca,0,596,,,\r\n"), std::string::npos) << csv;
}
