# parse holds the interpreter lock for a whole call, so calls from many threads at once must give
# exactly what serial calls give.
import sys
import threading

from fields import ITEM_FIELDS
from morvane import parse

TEXTS = [
    "100 áo polo màu đỏ size M",
    "polo shirt 100 pcs, t-shirt 200 pcs",
    "áo size S đến XL",
    "200 pcs valve DN50 iso 9001 stainless",
    "Incoterm FOB Shanghai, payment T/T\n1. Cotton shirts 500 pcs\n2. Polo shirt (target 5.5 USD/pc), 1,000 pcs",
    "Please quote the following\nSteel plate 2000X1000 MM, thickness 5mm, 20 sheets\nLead time: 30 days",
    "- Áo polo cotton, xuất xứ Việt Nam, 200 cái\n- Van bi (Đài Loan)",
    "",
]


def snapshot(result):
    return (result.is_rfq, result.trade_currency, result.trade_incoterm, result.trade_destination,
            result.trade_lead_time, result.trade_payment,
            [tuple(getattr(item, name) for name in ITEM_FIELDS) for item in result.items])


def test_eight_threads_match_serial_results():
    serial = [snapshot(parse(text)) for text in TEXTS]
    threads_count, rounds = 8, 200
    start = threading.Barrier(threads_count)
    mismatches = []

    def worker(offset):
        start.wait()
        for n in range(rounds):
            k = (n + offset) % len(TEXTS)
            if snapshot(parse(TEXTS[k])) != serial[k]:
                mismatches.append((offset, k))

    threads = [threading.Thread(target=worker, args=(offset,)) for offset in range(threads_count)]
    interval = sys.getswitchinterval()
    sys.setswitchinterval(1e-6)  # switch threads between calls as often as the interpreter can
    try:
        for thread in threads:
            thread.start()
        for thread in threads:
            thread.join()
    finally:
        sys.setswitchinterval(interval)
    assert mismatches == []
