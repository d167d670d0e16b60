#include "lexicon.hpp"

namespace tarsk {

const Lexicon& lexicon() {
    static const Lexicon value{};
    return value;
}

}  // namespace tarsk
