"""Sample texts for timing parse from Python: product queries and RFQ documents."""

QUERIES = [
    "100 áo polo màu đỏ size M",
    "polo shirt 100 pcs, t-shirt 200 pcs",
    "100 áo, 200 quần",
    "5 cái hoặc 10 cái",
    "áo size S đến XL",
    "200 pcs valve DN50 iso 9001 stainless",
    "100 pcs bolts from China",
    "women's cotton t-shirt 50 pcs",
    "Need bolts - 100 pcs M8",
    "tôi cần mua 500 áo thun cotton màu trắng size L",
    "I need 1000 kg polyester fabric navy blue",
    "cần mua 20 tấn thép không gỉ",
    "300 sets of stainless steel cutlery, 200 boxes of plastic cups",
    "looking for 50 rolls nylon rope 10mm or 20 rolls polyester rope",
    "men's leather shoes size 40 đến 44, 200 đôi",
    "2 x 20ft fcl cast iron pipe DN100 to DN300",
    "1000 cái nón bảo hiểm màu đen và trắng",
    "copper wire 500 meters, aluminium sheet 100 sheets",
    "nước mắm 1000 lít Việt Nam",
    "quần jean nam nữ size 28 đến 34, 500 cái",
    "light grey hoodie XL, 3 dozen",
    "i want 10 cartons of nitrile gloves size M",
    "ASTM A106 carbon steel pipe sch 40, 12 meters",
    "5000 pcs rubber gasket EN 1514 DN50",
    "400 bộ đồng phục học sinh size S, M, L",
    "silk scarf pale yellow 150 pieces",
    "100 drums activated carbon from India",
    "trà xanh 2 tấn, bột mì 5 tấn",
    "unisex cotton polo shirt navy 2000 pcs",
    "need 30 pallets of kraft paper",
]

RFQS = [
    "Incoterm FOB Shanghai, payment T/T\n1. Cotton shirts 500 pcs\n2. Polo shirt (target 5.5 USD/pc), 1,000 pcs",
    "Please quote the following\nSteel plate 2000X1000 MM, thickness 5mm, 20 sheets\nLead time: 30 days",
    "- Áo polo cotton, xuất xứ Việt Nam, 200 cái\n- Van bi (Đài Loan)",
    "Dear sir,\nKindly quote\n100 pcs bolts M8\nwasher\nPayment terms: T/T\n200 pcs nuts",
    "RFQ\\n1. **Cotton T-shirt**, 500 pcs.\\n2. Product: Steel pipe spec: DN50, qty: TBD\\n"
    "3. Rice, giá mục tiêu 50000\\nIncoterm: CIF Hamburg\\nLead time: 45 days",
    "Hi\n* Rubber gloves, South Korea, 10000 pairs target 0.05 USD\n* Cotton yarn (China) 20 tons\n\nThanks",
    "1) Ống thép (Trung Quốc, hàng mới) 500 mét\n2) Thép tấm (Nhật Bản, loại A 30 tấm\n"
    "Thanh toán: chuyển khoản\nGiao hàng đến Hà Nội.",
    "We need 500 pcs for our stores. Lead time: 30 days.\n1. LED bulbs 12W, 5000 pcs @ 0.8 USD\n"
    "2. LED tubes 1200mm 18W 2000 pcs\nDDP Ho Chi Minh City, Vietnam. Delivery to warehouse.",
    "Please quote:\n1. Cotton shirts 500 pcs target 2 USD\n2. Polo shirts 300 pcs\n"
    "Incoterm: FOB Ho Chi Minh City\nDeliver to Hamburg.\nLead time: 30 days.\n"
    "Payment terms: T/T 30% deposit, balance before shipment.",
    "1. Gạo ST25, xuất xứ Thái Lan, giá 20000 VND/kg, 10 tấn\n2. Vải lụa xuất xứ Pháp 2000 mét\n"
    "3. Sugar 2.5 tons\n4. 500 pcs",
]
