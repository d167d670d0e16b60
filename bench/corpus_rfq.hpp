// A fixed corpus of realistic RFQ documents (English, Vietnamese and mixed; numbered,
// bulleted and plain-line item lists; with trade terms), shared by the benchmarks.
#pragma once

#include <array>
#include <string_view>

namespace bench_corpus {

inline constexpr std::array<std::string_view, 22> RFQ_DOCUMENTS = {
    // 1. English, numbered, garments.
    R"(Dear Sir/Madam,

We are a retail chain based in Hamburg and we would like to receive your best offer for the
following garments for our autumn collection. Please quote each line separately and state the
minimum order quantity if it differs from ours.

1. Cotton polo shirt, pique 220 gsm, navy and white, sizes S to XL, 5,000 pcs, target 4.20 USD/pc
2. Men's t-shirt 100% cotton, crew neck, black, 8,000 pcs, target 2.10 USD/pc
3. Women's hoodie fleece 320 gsm, grey, size M, 2,500 pcs, target 7.80 USD/pc
4. Kids jogger pants, polyester/spandex, red or blue, 3,000 pcs
5. Denim jacket, washed, unisex, sizes M/L/XL, 1,200 pcs, target 12.50 USD/pc
6. Knitted beanie acrylic, one size, assorted colours, 10,000 pcs @ 0.85 USD
7. Socks cotton, 3 pairs per pack, 20,000 sets
8. Reusable shopping bag non-woven 80 gsm, 40x35x10 cm, 15,000 pcs

Labels and hangtags will be supplied by us. Each garment must be packed in an individual
polybag, 50 pcs per carton, with a shipping mark on two sides.

Incoterm: FOB Ho Chi Minh City
Lead time: 60 days after approval of pre-production samples.
Payment terms: T/T 30% deposit, balance against copy of B/L.
Please send your quotation before 15 November. Thank you.)",

    // 2. Vietnamese, bulleted, construction materials.
    R"(Kính gửi Quý công ty,

Công ty chúng tôi đang triển khai dự án nhà xưởng tại Bình Dương và cần báo giá các vật tư sau.
Đề nghị Quý công ty báo giá đã bao gồm VAT và chi phí vận chuyển đến công trình.

Ghi chú: đề nghị quý công ty nêu rõ quy cách đóng gói, trọng lượng và thể tích của lô hàng,
cũng như các chi phí phát sinh nếu có. Báo giá gửi sau thời hạn có thể sẽ không được xem xét.
Nếu không thể cung cấp tất cả các mặt hàng, quý công ty vui lòng báo giá những mặt hàng có thể
cung cấp. Mọi thay đổi so với yêu cầu kỹ thuật cần được ghi chú rõ ràng trong báo giá.

- Thép tấm SS400 dày 10 mm, 2000x6000 mm, 25 tấn, xuất xứ Nhật Bản
- Thép hộp mạ kẽm 50x100x2 mm, dài 6 m, 1.200 cây
- Ống thép đen DN50 SCH40, 300 cây, giá mục tiêu 450000 VND
- Tôn lợp sóng vuông dày 0.45 mm, màu xanh, 3.500 tấm
- Xi măng PCB40, 800 bao
- Cát vàng xây dựng, 150 khối
- Sơn chống gỉ màu đỏ, 120 thùng
- Bu lông neo M24x600 mạ kẽm, 400 bộ (Trung Quốc, hàng mới)
- Que hàn 3.2 mm, 50 hộp
- Kính cường lực 10 mm, 1500x2400 mm, 80 tấm

Thời gian giao hàng: trong vòng 30 ngày kể từ ngày ký hợp đồng.
Thanh toán: chuyển khoản 50% khi ký hợp đồng, 50% sau khi nghiệm thu.
Địa điểm giao hàng: KCN Mỹ Phước 3, Bến Cát, Bình Dương.
Trân trọng cảm ơn.)",

    // 3. English, plain lines, food ingredients.
    R"(Hello,

Our bakery group is looking for a new supplier of ingredients for three production sites.
Could you please quote your best prices for the items below, delivered to our central warehouse.

About us: we have been in business for more than twenty years and we work with partners in
Europe and Asia. We value reliable delivery and consistent quality more than the lowest price,
and we are looking for a long term relationship. Please tell us about your production capacity,
your main customers in our region and your quality management system. A factory audit may be
arranged before the first order.

Wheat flour type 55, 25 kg bags, 40 tons
Cane sugar fine grain 50 kg bags, 20 tons
Unsalted butter 82% fat 25 kg blocks, 5000 kg
Whole milk powder 26% fat, 8 tons
Cocoa powder alkalised 10-12%, 3000 kg
Dried yeast instant, 500 g vacuum pack, 2000 pcs
Vanilla extract natural, 1 litre bottle, 300 pcs
Sesame seeds hulled white, 2 tons
Sunflower oil refined, 190 litre drum, 60 drums
Baking paper roll 40 cm x 100 m, 400 rolls
Thank you in advance.

Lead time: 3 weeks from purchase order.
Payment terms: 30 days net after delivery.
Delivery to Rotterdam, Netherlands.)",

    // 4. Mixed English/Vietnamese, numbered, electronics.
    R"(Dear Sales Team / Kính gửi phòng kinh doanh,

Please quote the following electronic components for our assembly line in Hanoi.
Vui lòng báo giá các linh kiện sau:

Yêu cầu chung: báo giá ghi rõ đơn giá, thời hạn hiệu lực của báo giá, nguồn gốc hàng hóa và
thời gian bảo hành. Hàng hóa phải mới hoàn toàn, đúng quy cách, có đầy đủ chứng từ chất lượng
và hóa đơn giá trị gia tăng. Chúng tôi có quyền yêu cầu gửi mẫu trước khi ký hợp đồng, và có
thể chia đơn hàng cho nhiều nhà cung cấp khác nhau nếu cần thiết.

1) LED panel light 600x600 mm 40W, 6500K, 1,200 pcs, target 9.5 USD
2) Đèn LED âm trần 12W, ánh sáng trắng, 3.000 cái, xuất xứ Việt Nam
3) Power supply 24V 10A, 240W, 800 pcs (China)
4) Dây cáp điện 2x1.5 mm, 200 cuộn
5) Motor 3 phase 5.5 kW 1450 rpm, 40 sets, target 310 USD
6) Cảm biến nhiệt độ PT100, 500 cái
7) Circuit breaker MCB 2P 32A, 1,500 pcs, CE marking required
8) Relay 24VDC 8 pin with socket, 2,000 pcs @ 1.15 USD
9) Tủ điện sơn tĩnh điện 800x600x250 mm, 25 bộ

Incoterm: CIF Hai Phong
Lead time: 45 days
Payment: L/C at sight.
Best regards, Purchasing Department)",

    // 5. English, bulleted with asterisks, chemicals.
    R"(Subject: Request for quotation - water treatment chemicals

Dear supplier,

Commercial notes: prices should remain fixed for the whole contract period. Please mention
any surcharge for small quantities, the packing method and the gross weight and volume of a
full shipment. Offers received after the closing date may not be considered. If you cannot
quote for every line, please quote for the lines you can supply and leave the others blank.
Our purchase order conditions apply unless agreed otherwise in writing.

We kindly request your quotation for the following products for our municipal water plant.
All products must come with COA and MSDS, and packaging must be UN approved.

* Poly aluminium chloride 30% powder, 25 kg bags, 60 tons
* Sodium hypochlorite 10%, 1000 litre IBC, 40 pcs
* Caustic soda flakes 99%, 25 kg bags, 30 tons
* Activated carbon granular 8x30 mesh, 500 kg bags, 12 tons
* Hydrochloric acid 32%, 250 kg drums, 80 drums
* Polyacrylamide anionic, 25 kg bags, 4000 kg, target 2.3 USD/kg
* Sulfuric acid 98%, 1 FCL
* Calcium hypochlorite 70% granular, 45 kg drums, 200 drums

Please indicate the origin of each product and the shelf life.
Delivery to Ho Chi Minh City port, Vietnam.
Lead time: 30 days after deposit.
Payment terms: 20% advance, 80% against documents.)",

    // 6. Vietnamese, numbered, office furniture.
    R"(CÔNG TY TNHH THƯƠNG MẠI MINH ANH
Số: 2024/YCBG-0917

Kính gửi: Quý nhà cung cấp

Giới thiệu: công ty chúng tôi hoạt động trong lĩnh vực này đã nhiều năm, có hệ thống phân phối
rộng khắp các tỉnh thành. Chúng tôi mong muốn hợp tác lâu dài với những đối tác uy tín, giao
hàng đúng hẹn và chất lượng ổn định. Vui lòng giới thiệu năng lực sản xuất, các khách hàng tiêu
biểu và hệ thống quản lý chất lượng của quý công ty.

Chúng tôi có nhu cầu mua sắm nội thất văn phòng cho chi nhánh mới tại Đà Nẵng.
Đề nghị Quý công ty gửi báo giá chi tiết theo danh sách sau:

1. Bàn làm việc gỗ MDF chân sắt 1200x600x750 mm, 45 cái, giá mục tiêu 1850000 VND
2. Ghế xoay lưới có tay vịn, màu đen, 45 cái
3. Tủ hồ sơ sắt 4 ngăn kéo, 12 cái, xuất xứ Việt Nam
4. Bàn họp 10 người 4000x1200 mm, 2 bộ
5. Kệ sách gỗ 5 tầng, 8 cái
6. Vách ngăn văn phòng nỉ cao 1200 mm, 30 tấm
7. Rèm cuốn chống nắng 1800x2000 mm, 20 bộ
8. Sofa tiếp khách da 3 chỗ, màu nâu, 2 bộ

Yêu cầu: hàng mới 100%, bảo hành tối thiểu 12 tháng, lắp đặt tại chỗ.
Thời gian giao hàng: 20 ngày.
Thanh toán: chuyển khoản trong vòng 15 ngày sau khi nghiệm thu.
Trân trọng.)",

    // 7. English, numbered, industrial valves and piping.
    R"(RFQ No. PUR-24-0588
Project: Cooling water line extension

Dear Sirs,

Requirements for this enquiry: the quotation must state the unit price, the currency, the
validity of the offer (at least thirty days), the country of manufacture and the warranty
period. Samples may be requested before the order is confirmed and will be evaluated by our
quality team. Suppliers must be able to provide a certificate of conformity with every
shipment, and any departure from the requested requirements must be stated clearly in the
offer. We reserve the right to split the award between several suppliers.

Please submit your best technical and commercial offer for the items listed below. Material
certificates EN 10204 3.1 are required for all pressure retaining parts.

1. Gate valve cast iron DN100 PN16, flanged, 24 pcs, target 95 USD
2. Butterfly valve wafer type DN200, EPDM seat, 16 pcs
3. Ball valve stainless steel 316 DN50, full bore, 40 pcs, origin Germany
4. Check valve swing type DN150 PN16, 12 pcs
5. Carbon steel pipe ASTM A106 Gr.B DN150 SCH40, 6 m length, 120 pcs
6. Weld neck flange ASME B16.5 DN150 class 150, 60 pcs
7. Elbow 90 deg long radius DN150 SCH40, 48 pcs
8. Spiral wound gasket DN150, 80 pcs
9. Stud bolt M20x120 with 2 nuts, 960 sets
10. Pipe support clamp DN150 galvanised, 70 pcs

Inspection at the supplier's works before shipment.
Incoterm: DAP Singapore
Lead time: 8 weeks
Payment terms: 100% within 45 days after delivery.)",

    // 8. Mixed, plain lines, seafood and agricultural goods.
    R"(Hi team,

We have new orders from our buyers in Japan and Korea. Please check and send the price list.

Ghi chú: đề nghị quý công ty nêu rõ quy cách đóng gói, trọng lượng và thể tích của lô hàng,
cũng như các chi phí phát sinh nếu có. Báo giá gửi sau thời hạn có thể sẽ không được xem xét.
Nếu không thể cung cấp tất cả các mặt hàng, quý công ty vui lòng báo giá những mặt hàng có thể
cung cấp. Mọi thay đổi so với yêu cầu kỹ thuật cần được ghi chú rõ ràng trong báo giá.

Frozen shrimp vannamei HOSO 31/40, 10 kg cartons, 2000 cartons
Cá tra phi lê đông lạnh, 20 tấn, xuất xứ Việt Nam
Dried mango slices no sugar, 500 g bag, 4000 pcs
Cà phê Robusta hạt S18, 60 kg bao, 19 tấn
Black pepper 500 g/l, 25 kg bags, 12 tons
Hạt điều W320, 50 thùng
Rice jasmine 5% broken, 25 kg bags, 100 tons
Coconut milk 400 ml can, 24 cans per carton, 1500 cartons
Nước mắm 40 độ đạm, chai 500 ml, 6000 chai
Thanks and best regards

Lead time: 4 weeks.
Payment terms: L/C 100% at sight.
Incoterm: FOB Cat Lai)",

    // 9. English, numbered with parentheses, packaging.
    R"(Good morning,

We are sourcing packaging materials for a new cosmetics line. Quantities below are for the
first order; annual volume is roughly five times higher.

About us: we have been in business for more than twenty years and we work with partners in
Europe and Asia. We value reliable delivery and consistent quality more than the lowest price,
and we are looking for a long term relationship. Please tell us about your production capacity,
your main customers in our region and your quality management system. A factory audit may be
arranged before the first order.

1) Glass bottle amber 100 ml with dropper, 20,000 pcs, target 0.32 USD
2) PET jar 50 ml clear with aluminium lid, 15,000 pcs
3) Airless pump bottle 30 ml white, 12,000 pcs (Korea)
4) Corrugated carton 5 ply 400x300x250 mm, 3,000 pcs
5) Shrink film 19 micron, 500 mm width, 60 rolls
6) Paper gift box with magnetic closure, 200x150x60 mm, 5,000 pcs
7) Kraft paper bag with handle, 10,000 pcs @ 0.12 USD
8) Label sticker roll 50x80 mm, 200 rolls

Artwork will follow after sample approval. Printing in 4 colours plus matt varnish.
Please quote FOB Shanghai and CIF Jakarta separately.
Lead time: 25 days
Payment terms: 30% deposit, 70% before shipment.)",

    // 10. Vietnamese, bulleted with bullets, textile fabrics.
    R"(Chào anh/chị,

Xưởng may chúng tôi cần đặt vải cho đơn hàng quý IV, nhờ anh chị báo giá giúp:

Yêu cầu chung: báo giá ghi rõ đơn giá, thời hạn hiệu lực của báo giá, nguồn gốc hàng hóa và
thời gian bảo hành. Hàng hóa phải mới hoàn toàn, đúng quy cách, có đầy đủ chứng từ chất lượng
và hóa đơn giá trị gia tăng. Chúng tôi có quyền yêu cầu gửi mẫu trước khi ký hợp đồng, và có
thể chia đơn hàng cho nhiều nhà cung cấp khác nhau nếu cần thiết.

• Vải cotton 100% khổ 1m6, màu trắng, 5.000 mét, giá mục tiêu 42000 VND
• Vải kaki thun màu xanh navy, 3.000 mét
• Vải lụa tơ tằm, xuất xứ Thái Lan, 800 mét
• Vải jean 12 oz màu xanh đậm, 2.500 mét
• Vải thun lạnh 4 chiều, màu đen, 1.200 kg
• Dây kéo nhựa 20 cm, 20.000 cái
• Nút áo 4 lỗ 15 mm, 50.000 cái (Trung Quốc)
• Chỉ may polyester 40/2, 600 cuộn
• Mex dựng vải khổ 1m, 1.000 mét

Hàng giao tại xưởng ở quận 12, TP. Hồ Chí Minh.
Thời gian giao: 15 ngày.
Thanh toán: tiền mặt hoặc chuyển khoản sau khi nhận hàng.
Cảm ơn anh/chị!)",

    // 11. English, plain lines, hospitality supplies.
    R"(Dear partner,

Our hotel group is opening two new resorts next year and we need the following supplies.
Please quote with your best price and include photos or catalogues where possible.

Commercial notes: prices should remain fixed for the whole contract period. Please mention
any surcharge for small quantities, the packing method and the gross weight and volume of a
full shipment. Offers received after the closing date may not be considered. If you cannot
quote for every line, please quote for the lines you can supply and leave the others blank.
Our purchase order conditions apply unless agreed otherwise in writing.

Bath towels 100% cotton 70x140 cm 600 gsm white, 4000 pcs
Hand towels cotton 40x70 cm white, 6000 pcs
Bathrobe waffle cotton unisex, sizes M and L, 1200 pcs
Bed sheet set king size 300 thread count, 900 sets
Pillows microfibre 50x75 cm, 2400 pcs
Slippers disposable closed toe, 50000 pcs
Shampoo 30 ml bottle amenity, 80000 pcs
Room key card RFID, 5000 pcs
Thank you very much.

Delivery to Nha Trang, Vietnam.
Lead time: 40 days after confirmed order.
Payment terms: 50% deposit and 50% before delivery.)",

    // 12. Mixed, numbered, automotive spare parts.
    R"(Kính gửi Quý công ty / Dear Sir,

Chúng tôi là nhà phân phối phụ tùng ô tô, cần báo giá cho đơn hàng tháng 12:

Giới thiệu: công ty chúng tôi hoạt động trong lĩnh vực này đã nhiều năm, có hệ thống phân phối
rộng khắp các tỉnh thành. Chúng tôi mong muốn hợp tác lâu dài với những đối tác uy tín, giao
hàng đúng hẹn và chất lượng ổn định. Vui lòng giới thiệu năng lực sản xuất, các khách hàng tiêu
biểu và hệ thống quản lý chất lượng của quý công ty.

1. Brake pad set front for Toyota Vios, 600 sets, target 14 USD
2. Lọc dầu động cơ Hyundai Accent, 1.500 cái, xuất xứ Hàn Quốc
3. Spark plug iridium, 4,000 pcs (Japan)
4. Ắc quy khô 12V 45Ah, 300 cái
5. Wiper blade 22 inch, 2,000 pcs
6. Dầu nhớt 5W30 tổng hợp, 4 lít, 800 thùng
7. Timing belt kit for Kia Morning, 250 sets
8. Shock absorber rear, 400 pcs, target 21.5 USD
9. Bóng đèn pha LED H4, 1.000 bộ
10. Radiator coolant green 1 litre, 3,000 pcs

Incoterm: CIF Hai Phong
Lead time: 35 days
Payment: T/T 30% advance, 70% against B/L copy.)",

    // 13. English, bulleted with hyphens, IT hardware.
    R"(Hi,

We need a quotation for IT equipment for our new office in Singapore. Please include warranty
terms and delivery time for each line.

Requirements for this enquiry: the quotation must state the unit price, the currency, the
validity of the offer (at least thirty days), the country of manufacture and the warranty
period. Samples may be requested before the order is confirmed and will be evaluated by our
quality team. Suppliers must be able to provide a certificate of conformity with every
shipment, and any departure from the requested requirements must be stated clearly in the
offer. We reserve the right to split the award between several suppliers.

- Laptop 14 inch, Intel Core i7, 16 GB RAM, 512 GB SSD, 60 pcs
- Monitor 27 inch IPS 2560x1440, 60 pcs, target 210 USD
- Docking station USB-C, 60 pcs
- Wireless keyboard and mouse set, black, 60 sets
- Network switch 48 port managed, 4 pcs
- Wi-Fi access point ceiling mount, 12 pcs
- UPS 3 kVA online, 2 pcs
- Cat6 cable 305 m box, 10 boxes
- Server rack 42U 600x1000 mm, 1 set
- Headset with noise cancelling, 60 pcs

Delivery to Singapore.
Lead time: 2 weeks.
Payment terms: 30 days after invoice.)",

    // 14. Vietnamese, plain lines, agricultural inputs.
    R"(Xin chào,

Hợp tác xã nông nghiệp chúng tôi cần mua vật tư cho vụ Đông Xuân, kính mong quý công ty báo giá:

Ghi chú: đề nghị quý công ty nêu rõ quy cách đóng gói, trọng lượng và thể tích của lô hàng,
cũng như các chi phí phát sinh nếu có. Báo giá gửi sau thời hạn có thể sẽ không được xem xét.
Nếu không thể cung cấp tất cả các mặt hàng, quý công ty vui lòng báo giá những mặt hàng có thể
cung cấp. Mọi thay đổi so với yêu cầu kỹ thuật cần được ghi chú rõ ràng trong báo giá.

Giới thiệu: công ty chúng tôi hoạt động trong lĩnh vực này đã nhiều năm, có hệ thống phân phối
rộng khắp các tỉnh thành. Chúng tôi mong muốn hợp tác lâu dài với những đối tác uy tín, giao
hàng đúng hẹn và chất lượng ổn định. Vui lòng giới thiệu năng lực sản xuất, các khách hàng tiêu
biểu và hệ thống quản lý chất lượng của quý công ty.

Phân bón NPK 16-16-8, bao 50 kg, 40 tấn
Phân urê hạt đục, 30 tấn
Thuốc trừ sâu sinh học, chai 500 ml, 2.000 chai
Giống lúa ST25, 5 tấn, xuất xứ Việt Nam
Màng phủ nông nghiệp đen bạc, 200 cuộn
Ống tưới nhỏ giọt 16 mm, 300 cuộn
Lưới che nắng 70%, khổ 4 m, 150 cuộn
Bình phun điện 16 lít, 80 cái
Xin cảm ơn.

Lead time: trước ngày 10 tháng 11.
Thanh toán: chuyển khoản 100% sau khi nhận hàng.)",

    // 15. English, numbered, medical consumables.
    R"(Request for Quotation - Medical Consumables

Dear Supplier,

About us: we have been in business for more than twenty years and we work with partners in
Europe and Asia. We value reliable delivery and consistent quality more than the lowest price,
and we are looking for a long term relationship. Please tell us about your production capacity,
your main customers in our region and your quality management system. A factory audit may be
arranged before the first order.

The hospital procurement committee invites you to quote for the supply of the items below.
Products must be CE marked and registered with the Ministry of Health. ISO 13485 certificate
of the manufacturer is required.

1. Nitrile examination gloves powder free, size M, 2,000 boxes, target 3.2 USD
2. Surgical face mask 3 ply, 50 pcs per box, 4,000 boxes
3. Disposable syringe 5 ml with needle, 100,000 pcs
4. IV cannula 20G, 20,000 pcs (Malaysia)
5. Gauze swab 10x10 cm 8 ply, 1,000 packs
6. Alcohol prep pad, 200,000 pcs
7. Examination bed paper roll 50 cm, 500 rolls
8. Isolation gown non-woven, 10,000 pcs @ 0.45 USD
9. Medical adhesive tape 2.5 cm x 5 m, 3,000 rolls
10. Hand sanitizer gel 500 ml, 2,400 pcs

Delivery to Phnom Penh, Cambodia.
Lead time: 30 days.
Payment terms: 100% within 60 days after delivery and acceptance.)",

    // 16. Mixed, bulleted, furniture export.
    R"(Dear Mr. Nguyen,

Following our meeting at the fair, please find our request for the spring programme.
Chúng tôi cần báo giá các mặt hàng sau:

Requirements for this enquiry: the quotation must state the unit price, the currency, the
validity of the offer (at least thirty days), the country of manufacture and the warranty
period. Samples may be requested before the order is confirmed and will be evaluated by our
quality team. Suppliers must be able to provide a certificate of conformity with every
shipment, and any departure from the requested requirements must be stated clearly in the
offer. We reserve the right to split the award between several suppliers.

- Dining chair solid oak, natural finish, 1,200 pcs, target 38 USD
- Bàn ăn gỗ cao su 1600x900 mm, 300 cái
- Outdoor lounge chair acacia wood with cushion, 500 pcs
- Ghế mây đan tay, màu tự nhiên, 800 cái, xuất xứ Việt Nam
- Coffee table teak 1000x600 mm, 250 pcs
- Bookshelf pine 5 tiers, 400 pcs
- Rattan basket set of 3, 2,000 sets
- Bamboo blinds 1200x1800 mm, 600 pcs

FSC certification is required for all wooden products. Packing: knock-down, 5 ply cartons.
Incoterm: FOB Quy Nhon
Lead time: 75 days
Payment terms: 30% deposit, 70% against copy of documents.)",

    // 17. English, plain lines, mining consumables.
    R"(To whom it may concern,

We operate an open pit copper mine and require a quotation for the consumables below for
the next six months. Delivery will be in three equal lots.

Commercial notes: prices should remain fixed for the whole contract period. Please mention
any surcharge for small quantities, the packing method and the gross weight and volume of a
full shipment. Offers received after the closing date may not be considered. If you cannot
quote for every line, please quote for the lines you can supply and leave the others blank.
Our purchase order conditions apply unless agreed otherwise in writing.

About us: we have been in business for more than twenty years and we work with partners in
Europe and Asia. We value reliable delivery and consistent quality more than the lowest price,
and we are looking for a long term relationship. Please tell us about your production capacity,
your main customers in our region and your quality management system. A factory audit may be
arranged before the first order.

Grinding media forged steel balls 100 mm, 600 tons
Conveyor belt EP630/4 1200 mm width, 5 rolls
Hydraulic hose 2 inch 4SH, 800 meters
Diesel engine oil 15W40, 208 litre drums, 120 drums
Drill bits button 102 mm, 300 pcs
Safety helmet with chin strap, yellow, 1500 pcs
Reflective vest orange, 1500 pcs
Steel toe boots, sizes 40 to 45, 1500 pcs
Thank you.

Delivery to Antofagasta, Chile.
Lead time: 10 weeks.
Payment terms: L/C 90 days.)",

    // 18. Vietnamese, numbered with parentheses, restaurant supplies.
    R"(Kính gửi nhà cung cấp,

Chuỗi nhà hàng của chúng tôi cần báo giá dụng cụ và nguyên liệu cho 5 chi nhánh mới:

Giới thiệu: công ty chúng tôi hoạt động trong lĩnh vực này đã nhiều năm, có hệ thống phân phối
rộng khắp các tỉnh thành. Chúng tôi mong muốn hợp tác lâu dài với những đối tác uy tín, giao
hàng đúng hẹn và chất lượng ổn định. Vui lòng giới thiệu năng lực sản xuất, các khách hàng tiêu
biểu và hệ thống quản lý chất lượng của quý công ty.

1) Nồi inox 304 đường kính 40 cm, 25 cái
2) Chảo chống dính 28 cm, 60 cái, xuất xứ Hàn Quốc
3) Bát sứ trắng 15 cm, 3.000 cái, giá mục tiêu 18000 VND
4) Đũa gỗ tre, 10.000 bộ
5) Khăn ăn giấy 2 lớp, 500 thùng
6) Dầu ăn thực vật 20 lít, 120 thùng
7) Gạo tám thơm, 8 tấn
8) Nước mắm nhĩ, 1.200 chai
9) Hộp nhựa đựng thực phẩm 1000 ml, 20.000 cái (Thái Lan)

Giao hàng tại kho Hà Nội.
Thời gian giao: 7 ngày.
Thanh toán: công nợ 30 ngày.)",

    // 19. English, numbered, solar project.
    R"(RFQ: 5 MW rooftop solar project - supply of equipment

Dear Sirs,

Requirements for this enquiry: the quotation must state the unit price, the currency, the
validity of the offer (at least thirty days), the country of manufacture and the warranty
period. Samples may be requested before the order is confirmed and will be evaluated by our
quality team. Suppliers must be able to provide a certificate of conformity with every
shipment, and any departure from the requested requirements must be stated clearly in the
offer. We reserve the right to split the award between several suppliers.

We invite your offer for the equipment listed below. Datasheets, certificates (IEC 61215,
IEC 61730) and warranty terms must accompany the offer.

1. Monocrystalline PV module 550 W bifacial, 9,100 pcs, target 0.19 USD/W
2. String inverter 110 kW, 40 sets
3. DC solar cable 6 mm2 red and black, 60,000 meters
4. MC4 connector pair, 5,000 sets
5. Aluminium mounting rail 4.2 m, 6,500 pcs
6. Combiner box 16 string with SPD, 40 pcs
7. AC cable 4x240 mm2 copper, 1,200 meters
8. Monitoring data logger, 4 pcs

Incoterm: CIF Manila
Lead time: 12 weeks after down payment.
Payment terms: 10% down payment, 80% against shipping documents, 10% after commissioning.)",

    // 20. Mixed, plain lines, stationery for schools.
    R"(Dear supplier,
Kính gửi quý công ty,

The foundation is preparing school kits for rural schools. Please quote the following:

Commercial notes: prices should remain fixed for the whole contract period. Please mention
any surcharge for small quantities, the packing method and the gross weight and volume of a
full shipment. Offers received after the closing date may not be considered. If you cannot
quote for every line, please quote for the lines you can supply and leave the others blank.
Our purchase order conditions apply unless agreed otherwise in writing.

About us: we have been in business for more than twenty years and we work with partners in
Europe and Asia. We value reliable delivery and consistent quality more than the lowest price,
and we are looking for a long term relationship. Please tell us about your production capacity,
your main customers in our region and your quality management system. A factory audit may be
arranged before the first order.

Notebook A5 96 pages, 50000 pcs
Bút bi xanh, 100000 cây
Pencil HB with eraser, 60000 pcs
Thước kẻ nhựa 20 cm, 20000 cái
School backpack polyester, blue, 10000 pcs, target 4.5 USD
Hộp màu sáp 12 màu, 15000 hộp
Scissors for kids, 10000 pcs
Áo đồng phục học sinh, trắng, 8000 cái, xuất xứ Việt Nam
Thank you / Xin cảm ơn

Delivery to Ha Giang province.
Lead time: 30 days.
Payment terms: 50% advance, 50% after delivery.)",

    // 21. English, bulleted with middle dots, cleaning products.
    R"(Hello,

We are a facility management company and are reviewing our suppliers for cleaning products.
Please quote your prices for a 12 month framework agreement.

About us: we have been in business for more than twenty years and we work with partners in
Europe and Asia. We value reliable delivery and consistent quality more than the lowest price,
and we are looking for a long term relationship. Please tell us about your production capacity,
your main customers in our region and your quality management system. A factory audit may be
arranged before the first order.

Requirements for this enquiry: the quotation must state the unit price, the currency, the
validity of the offer (at least thirty days), the country of manufacture and the warranty
period. Samples may be requested before the order is confirmed and will be evaluated by our
quality team. Suppliers must be able to provide a certificate of conformity with every
shipment, and any departure from the requested requirements must be stated clearly in the
offer. We reserve the right to split the award between several suppliers.

· Floor cleaner concentrate 5 litre, 1,200 pcs
· Glass cleaner spray 750 ml, 2,400 pcs
· Toilet paper jumbo roll 2 ply, 3,000 rolls
· Paper hand towel V-fold, 1,500 cartons, target 9.9 USD
· Garbage bag black 90x110 cm, 50,000 pcs
· Microfibre cloth 40x40 cm, assorted colours, 6,000 pcs
· Disinfectant wipes 100 sheets, 4,000 pcs
· Mop head cotton 400 g, 800 pcs

Delivery to Kuala Lumpur.
Lead time: 10 days.
Payment terms: 45 days after invoice.)",

    // 22. Vietnamese, plain lines, cosmetics raw materials.
    R"(Kính gửi quý đối tác,

Nhà máy mỹ phẩm chúng tôi cần báo giá nguyên liệu sau, hàng có đầy đủ COA:

Yêu cầu chung: báo giá ghi rõ đơn giá, thời hạn hiệu lực của báo giá, nguồn gốc hàng hóa và
thời gian bảo hành. Hàng hóa phải mới hoàn toàn, đúng quy cách, có đầy đủ chứng từ chất lượng
và hóa đơn giá trị gia tăng. Chúng tôi có quyền yêu cầu gửi mẫu trước khi ký hợp đồng, và có
thể chia đơn hàng cho nhiều nhà cung cấp khác nhau nếu cần thiết.

Ghi chú: đề nghị quý công ty nêu rõ quy cách đóng gói, trọng lượng và thể tích của lô hàng,
cũng như các chi phí phát sinh nếu có. Báo giá gửi sau thời hạn có thể sẽ không được xem xét.
Nếu không thể cung cấp tất cả các mặt hàng, quý công ty vui lòng báo giá những mặt hàng có thể
cung cấp. Mọi thay đổi so với yêu cầu kỹ thuật cần được ghi chú rõ ràng trong báo giá.

Glycerin tinh khiết 99.5%, phuy 250 kg, 4 tấn
Dầu dừa tinh luyện, 2 tấn, xuất xứ Philippines
Bơ hạt mỡ shea butter, 500 kg
Vitamin E dạng dầu, 100 kg
Tinh dầu sả chanh, 50 kg, xuất xứ Việt Nam
Chất tạo đặc xanthan gum, 300 kg
Hương liệu hoa hồng, 80 kg (Pháp)
Chai nhựa PET 100 ml, 30.000 cái
Trân trọng.

Lead time: 2 tuần.
Thanh toán: chuyển khoản 30% đặt cọc, 70% khi giao hàng.
Incoterm: DAP Bac Ninh)",
};

}  // namespace bench_corpus
