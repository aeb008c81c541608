// brevant-cli: the headless batch front end.
#include "cli/cli_options.h"
#include "cli/cli_run.h"

#include <exception>
#include <iostream>

int main(int argc, char** argv) {
    try {
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
