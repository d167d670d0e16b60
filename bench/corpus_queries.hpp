// A fixed corpus of product queries (English, Vietnamese, mixed) shared by the benchmarks.
#pragma once

#include <array>
#include <string_view>

namespace morvane_bench {

inline constexpr auto CORPUS_QUERIES = std::to_array<std::string_view>({
    // English
    "100 polo shirts color navy size L",
    "I need 500 pcs cotton t-shirt white size M, L, XL",
    "looking for 20 tons of stainless steel pipe DN50 schedule 40",
    "2 20ft fcl rice from vietnam",
    "need 5 kg green tea",
    "I'm looking for 1,000 sets of kitchen knives made in japan",
    "300 pairs women's running shoes size 38 to 42",
    "i want 50 rolls of nylon rope 10 mm",
    "sourcing 10,000 meters polyester fabric, color red or blue",
    "5000 pieces ISO 9001 certified ball valves DN25",
    "200 boxes nitrile gloves size S / M / L",
    "1.5 tonne activated carbon for water treatment",
    "need 40 drums of industrial lubricant from germany",
    "i'd like 12 dozen men's dress socks, black and grey",
    "250 cartons of canned tuna from thailand",
    "aluminum sheets 2 mm thick, 300 sheets",
    "copper wire 1.5 mm, 80 rolls, ASTM B3",
    "cast iron manhole covers, 60 pcs, EN 124",
    "light grey office chairs, 45 sets",
    "3 pallets of rubber floor mats from malaysia",
    "need 1000 m2 of ceramic floor tiles, beige",
    "unisex hoodies 3xl and 4xl, 150 pcs",
    "silk scarves pale yellow, 500 pieces, made in china",
    "sch 80 carbon steel elbows 90 degree, 400 pcs",
    "i am looking for 2 hundred plastic chairs, white",
    "medical face masks CE marking, 50 thousand boxes",
    "wool blankets large size, 120 pcs from new zealand",
    "5 litres of olive oil x 200 bottles from spain",
    "amber glass bottles 100 ml, 20,000 pcs",
    "PVC pipes DIN 8062 from turkey, 10 tons",
    // Vietnamese
    "tôi cần mua 100 áo polo màu đỏ size M",
    "cần 500 cái áo thun cotton màu trắng size L",
    "mua 20 tấn gạo thơm từ việt nam",
    "tôi muốn mua 1000 đôi giày nữ size 36 đến 40",
    "khoảng 200 bộ đồng phục công nhân màu xanh lam",
    "cần mua 50 cuộn vải lụa màu hồng",
    "áo sơ mi nam chất liệu cotton, 300 chiếc",
    "tôi cần 10 tấm thép không gỉ dày 3 mm",
    "muốn mua 5 kg nước mắm phú quốc",
    "cần 2000 chiếc khẩu trang y tế màu xanh lá",
    "bột mì 25 kg, 40 bao, giao hồ chí minh",
    "quần jean nữ size 28 đến 32, màu đen hoặc xám",
    "tôi cần mua 100 lít sơn nước màu vàng",
    "ống nhựa đường kính 50 mm, 200 mét, giao đà nẵng",
    "cần 30 bộ bàn ghế gỗ cho văn phòng tại hà nội",
    "túi vải bông màu nâu, kích thước 30x40, 1,000 cái",
    "thanh long ruột đỏ 5 tấn, xuất khẩu",
    "cần mua 15 cuộn cao su non",
    "áo khoác nữ kích cỡ s, m, l màu tím",
    "dây đồng 2,5 mm 100 cuộn",
    // Mixed
    "cần 100 pcs áo polo cotton size XL",
    "need 300 cái ly thủy tinh 250 ml",
    "mua 1000 pcs bao bì giấy kraft màu nâu",
    "looking for nhôm định hình 6063, 5 tons",
    "tôi cần stainless steel bolts M8 x 50, 10000 pcs",
    "áo thun unisex color black size L và XL, 200 pcs",
    "need trà xanh thái nguyên 50 kg from việt nam",
    "giày bảo hộ safety shoes size 40-44, 120 đôi",
    "cần mua 20 rolls màng PE 0.02 mm",
    "steel pipe thép ống DN100 sch 40, 60 meters",
    "khăn lụa silk scarf màu đỏ or pink, 500 chiếc",
    "tôi muốn 2 20ft fcl cà phê robusta từ đắk lắk",
});

}  // namespace morvane_bench
