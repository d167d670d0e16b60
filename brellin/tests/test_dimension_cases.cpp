// The dimension step pinned by hand-worked cases: the phrases it collects and the text it leaves,
// from both the one-pass step and the plain reference. Every unit of DIMS_RE once, spellings on
// either side of the word boundary after the unit, and cuts next to or through characters whose
// lower-case form has another length.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dims_reference.hpp"
#include "item_steps.hpp"

namespace {

struct Case {
    const char* text;
    std::vector<std::string> dims;
    const char* rest;
};

void expect_case(const Case& c) {
    using Step = void (*)(std::string&, std::vector<std::string>&);
    const std::pair<const char*, Step> steps[] = {{"take_dimensions", brellin::take_dimensions},
                                                  {"take_dimensions_plain", brellin::take_dimensions_plain}};
    for (const auto& [name, step] : steps) {
        std::string working = c.text;
        std::vector<std::string> dims;
        step(working, dims);
        EXPECT_EQ(dims, c.dims) << name << " on «" << c.text << "»";
        EXPECT_EQ(working, c.rest) << name << " on «" << c.text << "»";
    }
}

// One case per unit; the phrase is kept lower-cased, the rest of the text as written.
const Case UNITS[] = {
    {"Plate 5 MM thick", {"5 mm"}, "Plate thick"},
    {"Rod 2.5Cm", {"2.5cm"}, "Rod"},
    {"Rope 10 M, red", {"10 m"}, "Rope, red"},
    {"Jar 8 Oz", {"8 oz"}, "Jar"},
    {"Bag 25KG", {"25kg"}, "Bag"},
    {"Vial 5 mL sterile", {"5 ml"}, "Vial sterile"},
    {"Oil 4 L", {"4 l"}, "Oil"},
    {"Motor 7,5 kW", {"7,5 kw"}, "Motor"},
    {"Plant 2 MW.", {"2 mw"}, "Plant."},
    {"Genset 500 kVA", {"500 kva"}, "Genset"},
    {"Lamp 220V AC", {"220v"}, "Lamp AC"},
    {"Cell 100 Ah", {"100 ah"}, "Cell"},
    {"Heater 1500 W", {"1500 w"}, "Heater"},
    {"Crystal 32 kHz", {"32 khz"}, "Crystal"},
    {"Mains 50 Hz", {"50 hz"}, "Mains"},
    {"Radio 3,2 MHz", {"3,2 mhz"}, "Radio"},
    {"Fan 1400 RPM", {"1400 rpm"}, "Fan"},
    {"Valve 150 psi", {"150 psi"}, "Valve"},
    {"Pipe PN 16 MPa", {"16 mpa"}, "Pipe PN"},
    {"Pump 10 Bar", {"10 bar"}, "Pump"},
    {"Screen 15 Inch", {"15 inch"}, "Screen"},
    {"Tube 3 INCHES long", {"3 inches"}, "Tube long"},
    // Chains, the comma before a phrase, and the multiplication sign.
    {"Sheet 2000X1000 MM, thickness 5mm", {"2000x1000 mm", "5mm"}, "Sheet, thickness"},
    {"Wire, 2,5 mm", {"2,5 mm"}, "Wire"},
    {"Box 20\u00D730 cm", {"20\u00D730 cm"}, "Box"},
    {"Crate 2 \u00D7 3 X 4 M", {"2 \u00D7 3 x 4 m"}, "Crate"},
    // Digits and blanks beyond ASCII.
    {"Bolt \u0663 mm", {"\u0663 mm"}, "Bolt"},
    {"Bag \uFF15KG", {"\uFF15kg"}, "Bag"},
    {"Rod\u2003\u00A05\u00A0mm", {"5\u00A0mm"}, "Rod"},
    // Letters that (?i) folds onto a unit letter: the long s and the Kelvin sign.
    {"Valve 5 P\u017FI", {"5 p\u017Fi"}, "Valve"},
    {"Motor 5 \u212AW", {"5 kw"}, "Motor"},
};

// mm, cm and oz end on their last letter whatever follows; every other unit needs a non-word
// character or the end of the text after it, and a word character there spoils the phrase.
const Case BOUNDARIES[] = {
    {"5 mmx", {"5 mm"}, "x"},
    {"5 MMX", {"5 mm"}, "X"},
    {"5 mmm", {"5 mm"}, "m"},
    {"5 mml", {"5 mm"}, "l"},
    {"5 cmx", {"5 cm"}, "x"},
    {"5 ozs", {"5 oz"}, "s"},
    {"5 mpas", {}, "5 mpas"},
    {"5 kgs", {}, "5 kgs"},
    {"5 inchx", {}, "5 inchx"},
    {"5 inche", {}, "5 inche"},
    {"5 inchesx", {}, "5 inchesx"},
    {"5 kva2", {}, "5 kva2"},
    {"5 m_", {}, "5 m_"},
    {"5 m\u00E9", {}, "5 m\u00E9"},
    {"5 m\u0301", {}, "5 m\u0301"},  // a combining mark is a word character
    {"5 m-x", {"5 m"}, "-x"},
    {"5 m\u00A0x", {"5 m"}, "\u00A0x"},
    {"12 v,", {"12 v"}, ","},
    // The phrase found is the free one at the end, but its first copy, spoilt by the word
    // character after it, is the one cut.
    {"5 m5 m", {"5 m", "5 m"}, ""},
    {"5 mx5 m", {"5 m", "5 m"}, "x"},
};

// U+0130 lowers to "i" + U+0307 (2 bytes to 3), U+212A to "k" (3 to 1), U+1E9E to U+00DF (3 to
// 2): cuts before, after and through them remove whole characters of the text as written.
const Case UNEVEN[] = {
    // "5 psi" is found at the end; its first copy ends on the "i" of U+0130's form, whose
    // combining dot spoilt it, and the whole letter goes; then "5 m" is free.
    {"5 m5 ps\u0130 q5 psi", {"5 psi", "5 m", "5 psi"}, " q"},
    // The phrase found takes the blank before it, which the spoilt "5 psi" lacks: no copy.
    {"5 ps\u0130 5 psi", {"5 psi"}, "5 ps\u0130"},
    {"5 ps\u0130 q5 psi", {"5 psi", "5 psi"}, " q"},
    {"5 \u0130nch", {}, "5 \u0130nch"},
    {"\u0130 5 mm \u0130", {"5 mm"}, "\u0130 \u0130"},
    {"\u212A 5 kg \u212A", {"5 kg"}, "\u212A \u212A"},
    {"5 \u212Ag x", {"5 kg"}, " x"},
    {"\u1E9E5 mm\u1E9E", {"5 mm"}, "\u1E9E\u1E9E"},
    {"\u1E9E 2 x 3 \u212AW \u0130", {"2 x 3 kw"}, "\u1E9E \u0130"},
    {"\u0130\u212A\u1E9E 5 m, 5 m\u0130 5 m", {"5 m", "5 m", "5 m"}, "\u0130\u212A\u1E9E,\u0130"},
};

TEST(DimensionCases, EveryUnit) {
    for (const Case& c : UNITS) expect_case(c);
}

TEST(DimensionCases, WordBoundaryAfterTheUnit) {
    for (const Case& c : BOUNDARIES) expect_case(c);
}

TEST(DimensionCases, CutsAroundUnevenLowerCaseForms) {
    for (const Case& c : UNEVEN) expect_case(c);
}

}  // namespace
