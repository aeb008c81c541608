// brevant-cli: headless batch front end (placeholder until the engine spine lands).
#include "core/version.h"

#include <cstdio>

int main() {
    std::printf("brevant-cli %s\n", brevant::kProductVersion);
    return 0;
}
