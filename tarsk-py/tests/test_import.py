import morvane


def test_module_imports():
    assert morvane.__name__ == "morvane"
