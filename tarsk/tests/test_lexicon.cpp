#include <gtest/gtest.h>
#include <unicode/ustring.h>
#include <unicode/unorm2.h>

#include <map>
#include <set>
#include <string>

#include "lexicon.hpp"
#include "tarsk/text.hpp"

namespace {

using tarsk::Lexicon;
using tarsk::lexicon;

struct Field {
    std::string_view name;
    std::vector<std::string_view> texts;
};

std::vector<Field> fields(const Lexicon& lx) {
    std::vector<Field> out;
    for (const tarsk::LexiconField& f : tarsk::lexicon_fields(lx)) out.push_back({f.name, f.keys});
    return out;
}

bool is_nfc(std::string_view s) {
    UErrorCode status = U_ZERO_ERROR;
    const UNormalizer2* nfc = unorm2_getNFCInstance(&status);
    // ICU's own conversion to the UTF-16 its normaliser reads.
    std::u16string u16(s.size(), u'\0');
    int32_t length = 0;
    u_strFromUTF8(u16.data(), static_cast<int32_t>(u16.size()), &length, s.data(), static_cast<int32_t>(s.size()),
                  &status);
    u16.resize(static_cast<std::size_t>(length));
    const UBool ok = unorm2_isNormalized(nfc, u16.data(), static_cast<int32_t>(u16.size()), &status);
    return U_SUCCESS(status) && ok;
}

TEST(Lexicon, HoldsEveryEntryOfEachField) {
    const std::map<std::string, std::size_t> want = {
        {"STANDARD_PREFIXES", 17}, {"SIZE_KEYWORDS", 5}, {"COLOR_KEYWORDS", 7}, {"MATERIAL_KEYWORDS", 4},
        {"INTENT_PHRASES", 20},    {"PROTECTED_PHRASES", 19}, {"AND_WORDS", 5}, {"OR_WORDS", 2},
        {"TO_WORDS", 1},           {"COLOR_MAP", 33},    {"SIZE_MAP", 51},      {"MATERIAL_MAP", 31},
        {"GENDER_MAP", 9},         {"COUNTRY_MAP", 69},  {"UNIT_MAP", 55},
    };
    std::size_t total = 0;
    for (const Field& f : fields(lexicon())) {
        EXPECT_EQ(f.texts.size(), want.at(std::string(f.name))) << f.name;
        total += f.texts.size();
    }
    EXPECT_EQ(total, 328u);
}

TEST(Lexicon, TextsAreLowerCaseComposedSingleSpacedAndUnique) {
    std::map<std::string_view, std::string> owner;
    for (const Field& f : fields(lexicon())) {
        for (const std::string_view t : f.texts) {
            SCOPED_TRACE(std::string(f.name) + ": \"" + std::string(t) + "\"");
            ASSERT_FALSE(t.empty());
            EXPECT_EQ(tarsk::to_lower(t), t);
            EXPECT_TRUE(is_nfc(t));
            EXPECT_EQ(t.find("  "), std::string_view::npos);
            EXPECT_NE(t.front(), ' ');
            // Only standard prefixes may end in a space (the code must follow it).
            if (f.name != "STANDARD_PREFIXES") {
                EXPECT_NE(t.back(), ' ');
            }
            EXPECT_EQ(t.find_first_of("=|"), std::string_view::npos);
            const auto [it, inserted] = owner.emplace(t, f.name);
            EXPECT_TRUE(inserted) << "also in " << it->second;
        }
    }
}

TEST(Lexicon, NoStandardPrefixStartsAnother) {
    const auto& prefixes = lexicon().STANDARD_PREFIXES;
    for (const auto a : prefixes) {
        for (const auto b : prefixes) {
            if (a != b) {
                EXPECT_FALSE(b.starts_with(a)) << a << " / " << b;
            }
        }
    }
    std::size_t with_space = 0;
    for (const auto p : prefixes) with_space += p.back() == ' ';
    EXPECT_EQ(with_space, 8u);
}

TEST(Lexicon, UnitKeysYieldTheirCodes) {
    const std::vector<std::pair<tarsk::Unit, std::vector<std::string_view>>> codes = {
        {tarsk::Unit::KG, {"kg", "kgs", "kilogram"}},
        {tarsk::Unit::G, {"g", "gram"}},
        {tarsk::Unit::TONNE, {"tonne", "ton", "tons", "tấn"}},
        {tarsk::Unit::PCS, {"pcs", "pc", "pieces", "piece"}},
        {tarsk::Unit::SETS, {"sets", "set"}},
        {tarsk::Unit::DOZENS, {"dozens", "dozen"}},
        {tarsk::Unit::ROLLS, {"rolls", "roll"}},
        {tarsk::Unit::SHEETS, {"sheets", "sheet"}},
        {tarsk::Unit::DOI, {"đôi"}},
        {tarsk::Unit::M2, {"m²", "m2"}},
        {tarsk::Unit::CM, {"cm"}},
        {tarsk::Unit::MM, {"mm"}},
        {tarsk::Unit::METERS, {"meters", "meter", "metres", "metre"}},
        {tarsk::Unit::LITERS, {"lít", "liters", "litres"}},
        {tarsk::Unit::ML, {"ml"}},
        {tarsk::Unit::CAI, {"cái", "chiếc"}},
        {tarsk::Unit::BO, {"bộ"}},
        {tarsk::Unit::CUON, {"cuộn"}},
        {tarsk::Unit::TAM, {"tấm"}},
        {tarsk::Unit::DRUMS, {"drums", "drum"}},
        {tarsk::Unit::PALLETS, {"pallets", "pallet"}},
        {tarsk::Unit::CARTONS, {"cartons", "carton"}},
        {tarsk::Unit::BOX, {"boxes", "box"}},
        {tarsk::Unit::REELS, {"reels", "reel"}},
        {tarsk::Unit::HUNDREDS, {"hundreds", "hundred"}},
        {tarsk::Unit::THOUSANDS, {"thousands", "thousand"}},
        {tarsk::Unit::FCL, {"20ft fcl", "fcl"}},
    };
    std::map<std::string_view, tarsk::Unit> want;
    for (const auto& [code, keys] : codes) {
        for (const auto key : keys) want[key] = code;
    }
    const auto& units = lexicon().UNIT_MAP;
    ASSERT_EQ(units.size(), want.size());
    for (const auto& [key, code] : units) {
        ASSERT_TRUE(want.count(key)) << key;
        EXPECT_EQ(code, want[key]) << key;
        EXPECT_LT(code, tarsk::Unit::NO_UNIT);
    }
}

TEST(Lexicon, NumberSizesComeFromTheSharedTable) {
    ASSERT_EQ(tarsk::NUMBER_SIZES.front(), "27");
    ASSERT_EQ(tarsk::NUMBER_SIZES.back(), "46");
    for (std::size_t i = 0; i < tarsk::NUMBER_SIZES.size(); ++i) {
        EXPECT_EQ(tarsk::NUMBER_SIZES[i], std::to_string(27 + i));
    }
    const auto& sizes = lexicon().SIZE_MAP;
    // The number sizes sit between the word sizes and the pipe sizes, each mapped to itself.
    for (std::size_t i = 0; i < tarsk::NUMBER_SIZES.size(); ++i) {
        EXPECT_EQ(sizes[14 + i].key, tarsk::NUMBER_SIZES[i]);
        EXPECT_EQ(sizes[14 + i].value, tarsk::NUMBER_SIZES[i]);
    }
}

}  // namespace
