// A fixed-file program (tovrin1, srce, viroda...): shows the triangulation of
// the points in "NAME.txt" in the folder it runs in.  The build compiles
// this entry once per program, with GEOMETRIJA_PROGRAM its name.
#include "app/driver.h"

#ifndef GEOMETRIJA_PROGRAM
#error "GEOMETRIJA_PROGRAM names the program this entry is built as"
#endif

int main(int argc, char** argv) {
    return geometrija::runFixedFile(GEOMETRIJA_PROGRAM, GEOMETRIJA_PROGRAM ".txt", argc, argv);
}
