// brevant-cli: the headless batch front end.
#include "cli/cli_options.h"
#include "cli/cli_run.h"
#include "cli/nest_options.h"
#include "cli/nest_run.h"

#include <exception>
#include <iostream>
#include <string_view>

namespace {
// brevant-cli nest ...: the nester's own command line.
int Nest(int argc, char** argv) {
    const auto parsed = brevant::cli::ParseNestCommandLine(argc, argv);
    if (parsed.exitNow) {
        std::cout << parsed.info;
        return 0;
    }
    if (!parsed.options) {
        std::cerr << "brevant-cli nest: " << parsed.error << "\n"
                  << "Run with --help for more information.\n";
        return 2;
    }
    return brevant::cli::RunNest(*parsed.options, std::cout, std::cerr);
}
} // namespace

int main(int argc, char** argv) {
    try {
        if (argc > 1 && std::string_view(argv[1]) == "nest") return Nest(argc - 1, argv + 1);
        const auto parsed = brevant::cli::ParseCommandLine(argc, argv);
        if (parsed.exitNow) {
            std::cout << parsed.info;
            return 0;
        }
        if (!parsed.options) {
            std::cerr << "brevant-cli: " << parsed.error << "\n"
                      << "Run with --help for more information.\n";
            return 2;
        }
        return brevant::cli::Run(*parsed.options, std::cout, std::cerr);
    } catch (const std::exception& ex) {
        std::cerr << "brevant-cli: " << ex.what() << "\n";
        return 1;
    }
}
