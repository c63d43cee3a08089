// sprawozdanie-cli: the headless tool built on the document core.
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "--help") == 0) {
        std::puts("Usage: sprawozdanie-cli SUBCOMMAND [OPTIONS] ARGS");
        return 0;
    }
    std::fputs("sprawozdanie-cli: missing subcommand (see --help)\n", stderr);
    return 2;
}
