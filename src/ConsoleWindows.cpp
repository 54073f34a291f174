// solvane.exe is a Windows program: started from the menu it opens no console window. Started from a command
// prompt with --help, --version or --check (or an option it refuses), what it writes goes to that prompt's
// console, in UTF-8 as everything the program writes (its manifest makes UTF-8 its code page); the console's
// own code page is put back when the program ends. Output sent to a file or a pipe is left as it is.
#include <cstdio>
#include <cstdlib>

#include <windows.h>

namespace {

UINT pageAvant = 0;

void RemettrePage() {
    if (pageAvant != 0)
        SetConsoleOutputCP(pageAvant);
}

bool EstConsole(DWORD quelle) {
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(quelle), &mode) != 0;
}

// A handle that leads somewhere: a file, a pipe or a console of the process.
bool Valide(DWORD quelle) {
    const HANDLE h = GetStdHandle(quelle);
    return h != nullptr && h != INVALID_HANDLE_VALUE && GetFileType(h) != FILE_TYPE_UNKNOWN;
}

struct ConsoleDuParent {
    ConsoleDuParent() {
        const bool sortie = Valide(STD_OUTPUT_HANDLE), erreurs = Valide(STD_ERROR_HANDLE);
        if ((!sortie || !erreurs) && AttachConsole(ATTACH_PARENT_PROCESS)) {
            if (!sortie)
                std::freopen("CONOUT$", "w", stdout);
            if (!erreurs)
                std::freopen("CONOUT$", "w", stderr);
        }
        if (EstConsole(STD_OUTPUT_HANDLE) || EstConsole(STD_ERROR_HANDLE)) {
            pageAvant = GetConsoleOutputCP();
            SetConsoleOutputCP(CP_UTF8);
            std::atexit(RemettrePage);
        }
    }
} consoleDuParent;

} // namespace
