// tovrin1: shows the triangulation of the points in "tovrin1.txt".
#include "app/driver.h"

int main(int argc, char** argv) {
    return geometrija::runFixedFile("tovrin1", "tovrin1.txt", argc, argv);
}
