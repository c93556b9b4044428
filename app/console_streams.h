// The standard streams over a Windows console: read and written as its
// Unicode text (app/console_text.h), not through its code page.
#pragma once

namespace geometrija {

// Where standard input, output or error is a console, std::cin, std::cout
// or std::cerr reads or writes it as Unicode text from now on; a pipe or a
// file is left as it is.  Nothing to do but on Windows.  Call after
// std::ios::sync_with_stdio(false), which would replace the streams' buffers.
void attachConsoleStreams();

}  // namespace geometrija
