// viroda: shows the triangulation of the points in "viroda.txt".
#include "app/driver.h"

int main(int argc, char** argv) {
    return geometrija::runFixedFile("viroda", "viroda.txt", argc, argv);
}
