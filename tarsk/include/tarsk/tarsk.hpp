// The query parser.
#pragma once

#include "tarsk/number.hpp"
#include "tarsk/parser.hpp"
#include "tarsk/pattern.hpp"
#include "tarsk/query.hpp"
#include "tarsk/records.hpp"
#include "tarsk/report.hpp"
#include "tarsk/text.hpp"
#include "tarsk/token.hpp"
#include "tarsk/tokenize.hpp"
