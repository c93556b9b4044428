// Loads a shared library with dlopen and asks it for a point file's
// triangles: a program that links no Geometrija of its own.
//   load_plugin LIBRARY FILE
#include <dlfcn.h>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: load_plugin LIBRARY FILE\n");
        return 2;
    }
    void* library = dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        std::fprintf(stderr, "load_plugin: %s\n", dlerror());
        return 1;
    }
    using Triangles = int (*)(const char*);
    const auto triangles =
        reinterpret_cast<Triangles>(dlsym(library, "geometrija_plugin_triangles"));
    if (triangles == nullptr) {
        std::fprintf(stderr, "load_plugin: %s\n", dlerror());
        return 1;
    }
    std::printf("%d triangles\n", triangles(argv[2]));
    return dlclose(library) == 0 ? 0 : 1;
}
