// Texts written by gen_corpus.py --write (and bench_parse.py): each text as its byte length, a
// line feed, then its bytes.
#pragma once

#include <fstream>
#include <string>
#include <vector>

inline std::vector<std::string> read_texts(const char* path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> texts;
    std::size_t size = 0;
    while (in >> size) {
        in.get();  // the line feed after the length
        std::string text(size, '\0');
        in.read(text.data(), static_cast<std::streamsize>(size));
        texts.push_back(std::move(text));
    }
    return texts;
}
