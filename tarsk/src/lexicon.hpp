// The built-in vocabulary of the query parser (stub: filled in by the lexicon work).
#pragma once

namespace tarsk {

struct Lexicon {};

// The process-wide lexicon, built on first use.
const Lexicon& lexicon();

}  // namespace tarsk
