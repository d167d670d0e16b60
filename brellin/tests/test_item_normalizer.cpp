#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "brellin/item_normalizer.hpp"

using brellin::normalize_item;

namespace {

struct WholeItem {
    const char* input;
    std::optional<double> qty;
    std::optional<double> price;
    std::optional<std::string> currency;
    std::optional<std::string> uom;
    std::optional<std::string> origin;
    std::vector<std::string> dims;
    std::string text;
};

const std::optional<double> none;
const std::optional<std::string> absent;

// Whole items, from the raw text to every field of the record.
const WholeItem WHOLE_ITEMS[] = {
    {"", none, none, absent, absent, absent, {}, ""},
    {"**Cotton T-shirt**, 500 pcs.", 500, none, absent, "pcs", absent, {}, "500 pcs Cotton T-shirt"},
    {"Product: Steel pipe spec: DN50, qty: TBD", none, none, absent, absent, absent, {}, "Steel pipe DN50"},
    {"Polo shirt (target 5.5 usd/pc), 1,000 pcs", 1000, 5.5, "USD", "pcs", absent, {}, "1000 pcs Polo shirt"},
    {"Rice, giá mục tiêu 50000", none, 50000, absent, absent, absent, {}, "Rice"},
    {"Fabric target 5 HKD", none, 5, absent, absent, absent, {}, "FabricHKD"},
    {"Áo thun cotton 200 CÁI", 200, none, absent, "pcs", absent, {}, "200 pcs Áo thun cotton"},
    {"Bolts M8 100 pcs, nuts 200 pcs", 200, none, absent, "pcs", absent, {}, "200 pcs Bolts M8 100 pcs nuts"},
    {"1,5 kg sugar", 15, none, absent, "kg", absent, {}, "15 kg sugar"},
    {"Ống nhựa ５ pcs", none, none, absent, "pcs", absent, {}, "Ống nhựa"},
    {"10 sets of 10 setsx", 10, none, absent, "sets", absent, {}, "10 sets 10 sets of x"},
    {"İzmir towels 50 pcs", 50, none, absent, "pcs", absent, {}, "50 pcs İzmir towels"},
    {"Áo polo cotton, xuất xứ Việt Nam", none, none, absent, absent, "Vietnam", {}, "Áo polo cotton"},
    {"Vải lụa xuất xứ Pháp", none, none, absent, absent, "Pháp", {}, "Vải lụa"},
    {"Gạo ST25, xuất xứ Thái Lan, giá 20000 VND/kg", none, none, absent, absent, "Vietnam", {},
     "Gạo ST25 giá 20000 VND/kg"},
    {"Vải cotton, xuất xứ hàng hóa: Trung Quốc", none, none, absent, absent, "China", {}, "Vải cotton : Trung Quốc"},
    {"Áo (Việt Nam), xuất xứ Thái Lan", none, none, absent, absent, "Vietnam", {}, "Áo (Việt Nam)"},
    {"Ống thép (Trung Quốc, hàng mới)", none, none, absent, absent, "China", {}, "Ống thép (hàng mới)"},
    {"Ống thép (Trung Quốc, )", none, none, absent, absent, "China", {}, "Ống thép"},
    {"Thép tấm (Nhật Bản, loại A", none, none, absent, absent, "Japan", {}, "Thép tấm  loại A"},
    {"Van bi (Đài Loan)", none, none, absent, absent, "Taiwan", {}, "Van bi"},
    {"Cotton yarn (China) 20 tons", 20, none, absent, "tons", "China", {}, "20 tons Cotton yarn )"},
    {"Rubber gloves, South Korea", none, none, absent, absent, "South korea", {}, "Rubber gloves"},
    {"Porcelain cups, chinaware", none, none, absent, absent, absent, {}, "Porcelain cups chinaware"},
    {"Tape ( , )", none, none, absent, absent, absent, {}, "Tape"},
    {"Steel plate 2000X1000 MM, thickness 5mm", none, none, absent, absent, absent, {"2000x1000 mm", "5mm"},
     "Steel plate thickness"},
    {"Sugar 2.5 tons", 2.5, none, absent, "tons", absent, {}, "2.50 tons Sugar"},
    {"500 pcs", 500, none, absent, "pcs", absent, {}, "500 pcs "},
    {"Steel pipe:", none, none, absent, absent, absent, {}, "Steel pipe"},
    // Beyond the whole items: a unit of "20ft fcl" keeps its own spacing, and a quantity
    // written with a Kelvin sign before the phrase does not shift the cut.
    {"Rice 2 20FT  FCL", 2, none, absent, "20ft  fcl", absent, {}, "2 20ft  fcl Rice"},
    {"\u212Aelvin rod 3 pcs", 3, none, absent, "pcs", absent, {}, "3 pcs \u212Aelvin rod"},
};

TEST(NormalizeItem, WholeItems) {
    for (const WholeItem& c : WHOLE_ITEMS) {
        SCOPED_TRACE(c.input);
        const auto item = normalize_item(c.input);
        EXPECT_EQ(item.qty, c.qty);
        EXPECT_EQ(item.price, c.price);
        EXPECT_EQ(item.currency, c.currency);
        EXPECT_EQ(item.uom, c.uom);
        EXPECT_EQ(item.origin, c.origin);
        EXPECT_EQ(item.dims, c.dims);
        EXPECT_EQ(item.text, c.text);
    }
}

}  // namespace

namespace {

TEST(NormalizeItem, OddTextsStillGiveARecord) {
    using namespace std::string_literals;
    const auto nul = normalize_item("a\0b 5 pcs"s);
    EXPECT_EQ(nul.qty, 5);
    EXPECT_EQ(nul.text, "5 pcs a\0b"s);
    EXPECT_EQ(normalize_item("\u0301\u0307 ,,, :").text, "\u0301\u0307");
    EXPECT_EQ(normalize_item("Product:").text, "");
    EXPECT_EQ(normalize_item("  ...  ").text, "");
}

}  // namespace
