// What a reader or a check gives: a value, or the one line that says why
// there is none.
#pragma once

#include <optional>
#include <string>
#include <utility>

namespace geometrija {

template <class T>
struct Result {
    std::optional<T> value;  // empty when the input is refused
    std::string error;       // then one line, without the program's name

    bool ok() const { return value.has_value(); }
    static Result refused(std::string why) { return Result{std::nullopt, std::move(why)}; }
};

}  // namespace geometrija
