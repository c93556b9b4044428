// srce: shows the triangulation of the points in "srce.txt".
#include "app/driver.h"

int main(int argc, char** argv) {
    return geometrija::runFixedFile("srce", "srce.txt", argc, argv);
}
