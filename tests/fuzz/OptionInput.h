#pragma once

// One input of the option parsers' fuzz target, also replayed by the brik command's tests.
//
// The first byte picks what is fed, the rest is the text: 'v' every option value parser
// (cli/OptionValues.h) and the overlay names, each on the whole text; 'b' the brik command line
// and 'h' the brik-house one, with one argument per line of the text. The command lines are only
// parsed, never run. Any fault the parsers can be led into aborts: a result outside the range a
// parser promises, a status other than 0 or 2 from a parse that ended the program.

#include <cstddef>
#include <cstdint>

void parseOptionInput(const std::uint8_t* data, size_t size);
