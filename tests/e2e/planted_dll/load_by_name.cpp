// The control for the planted-DLL test: loads a library by its bare name, as a
// program does that leaves the DLL search as it is, so that the folder of the
// executable is searched first.
//
//   load_by_name.exe NAME [--safe]
//
// --safe first restricts the search to the system folder, as the program does at its
// start. Prints the path of the module that was loaded; exit code 0 when a module was
// loaded, 1 when not, 2 on bad use.
#include <windows.h>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    const bool safe = argc == 3 && std::strcmp(argv[2], "--safe") == 0;
    if (argc < 2 || argc > 3 || (argc == 3 && !safe)) {
        std::fprintf(stderr, "usage: load_by_name NAME [--safe]\n");
        return 2;
    }
    if (safe && !SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32)) {
        std::fprintf(stderr, "SetDefaultDllDirectories failed (error %lu)\n", GetLastError());
        return 2;
    }
    HMODULE module = LoadLibraryA(argv[1]);
    if (!module) {
        std::printf("not loaded (error %lu)\n", GetLastError());
        return 1;
    }
    char path[MAX_PATH * 2] = {};
    GetModuleFileNameA(module, path, sizeof path);
    std::printf("%s\n", path);
    return 0;
}
