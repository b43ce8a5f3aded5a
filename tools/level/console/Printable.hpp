#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The text as a terminal may show it: every byte that could move the cursor, recolour the
// screen, hide itself or garble the line is written as \xNN instead. Those are control bytes,
// DEL, the C1 controls, the marks that reverse or break lines, invisible characters such as the
// byte order mark, and any byte that is not part of valid UTF-8. Printable text is left as it
// is, so applying this twice changes nothing more. At most `longest` characters are kept, with
// "..." after them when some were left out.
std::string printable(std::string_view text, std::size_t longest = std::string_view::npos);
