#include "provera/arguments.h"

#include <cstdlib>

#include "text/messages.h"

namespace geometrija {
namespace provera {

std::optional<Options> parseArguments(const std::vector<std::string>& args, std::string& why) {
    Options o;
    std::size_t i = 0;
    // Options come before the vectors; everything after the program's name
    // is the program's own.
    for (; i < args.size() && args[i].size() > 2 && args[i].compare(0, 2, "--") == 0; ++i) {
        if (args[i] == "--sazetak") {
            o.summary = true;
        } else if (args[i] == "--vreme" && i + 1 < args.size()) {
            const std::string& text = args[++i];
            char* end = nullptr;
            o.seconds = std::strtod(text.c_str(), &end);
            if (end == text.c_str() || *end != '\0' || !(o.seconds > 0 && o.seconds <= 86400)) {
                why = "--vreme trazi broj sekundi do 86400, ne " + quoted(text);
                return std::nullopt;
            }
        } else if (args[i] == "--vreme") {
            why = "--vreme trazi broj sekundi";
            return std::nullopt;
        } else {
            why = "nepoznata opcija " + quoted(args[i]);
            return std::nullopt;
        }
    }
    if (args.size() < i + 2) {
        return std::nullopt;
    }
    o.vectors = args[i];
    o.command.assign(args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end());
    return o;
}

}  // namespace provera
}  // namespace geometrija
