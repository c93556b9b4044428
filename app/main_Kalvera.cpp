// Kalvera: asks whether to type the points in or read them from a file, and
// shows their triangulation.
#include "app/driver.h"

int main(int argc, char** argv) {
    return geometrija::runInteractive(argc, argv);
}
