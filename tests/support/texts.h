// The programs' own texts that the tests look for, written here once and
// independently of the product's copies.
#pragma once

#include <string>

namespace xtest {

// Kalvera's first question, with its trailing space and line break.
const std::string QUESTION =
    "Da li koordinate tacaka zelite uneti preko standardnog ulaza ili procitati iz tekstualnog "
    "fajla? ( u / f) : \n";

// The window's title, by which the tests find it.
const std::string TITLE = "Geometrija - prikaz zadatka";

}  // namespace xtest
