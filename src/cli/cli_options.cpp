// Parses the command line of brevant-cli with CLI11.
#include "cli/cli_options.h"

#include "core/version.h"
#include "engine/layout_registry.h"

#include <CLI/CLI.hpp>

#include <map>

namespace brevant::cli {

namespace {
const std::map<std::string, int> kUnits = {{"in", 0}, {"cm", 1}, {"mm", 2}};

// The output commands in the order they run, with their help texts.
struct OutputCommand {
    const char* name;
    const char* help;
};
const OutputCommand kOutputCommands[] = {
    {"save-definition", "save the inputs as a definition file"},
    {"flat-cad", "save the flat pattern as DXF, CDL or IGES (by the extension)"},
    {"sheet-cad", "save the sheet nesting of a cone as DXF, CDL or IGES"},
    {"solid-cad", "save the part's 3D wire frame as DXF, CDL or IGES"},
    {"step", "save the formed part as STEP solids with its plate thickness"},
    {"report", "write the dimension file (coordinates or bend angles)"},
    {"cam-dxf", "save the flat pattern as a DXF for cutting machines"},
    {"sheet-cam-dxf", "save the sheet nesting as a DXF for cutting machines"},
    {"svg", "save the flat pattern as SVG at true size"},
    {"pdf", "save the full-scale pattern PDF, tiled over pages"},
    {"data-sheet", "print the data sheet into a PDF file"}};
// "cone, square, spiral or pipe".
std::string KindList(const std::vector<std::string>& keys) {
    std::string list;
    for (std::size_t i = 0; i < keys.size(); ++i)
        list += (i == 0 ? "" : i + 1 == keys.size() ? " or " : ", ") + keys[i];
    return list;
}
} // namespace

ParseOutcome ParseCommandLine(int argc, char** argv) {
    CLI::App app{"brevant-cli: develops a sheet-metal part from a definition file and inputs, "
                 "then writes the requested outputs.",
                 "brevant-cli"};
    app.set_version_flag("--version", std::string("brevant-cli ") + kProductVersion);
    Options o;
    const std::vector<std::string> types = LayoutKeys();
    std::string type = types.front(), units = "in", decimal = ".";
    std::vector<std::string> sets;
    std::map<std::string, std::string> files;
    app.add_option("DEFINITION", o.definitionFile, "definition file (.layout) to load");
    app.add_option("--settings", o.settingsFile, "settings file to load (default: built-in)");
    CLI::Option* typeOption =
        app.add_option("--type", type,
                       "layout type: " + KindList(types) +
                           " (default: the definition file's, else " + types.front() + ")")
            ->check(CLI::IsMember(types));
    app.add_option("--units", units, "unit system: in, cm or mm")
        ->check(CLI::IsMember({"in", "cm", "mm"}));
    app.add_option("--set", sets, "KEY=VALUE: put VALUE into the input or setting KEY")
        ->allow_extra_args(false);
    app.add_option("--decimal", decimal, "the locale's decimal separator: . or ,")
        ->check(CLI::IsMember({".", ","}));
    for (const OutputCommand& c : kOutputCommands)
        app.add_option(std::string("--") + c.name, files[c.name], c.help)->option_text("FILE");
    app.add_flag("--json", o.json, "print the window's state as one JSON object");
    app.footer("Nesting parts on sheets: brevant-cli nest --help");

    ParseOutcome out;
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        out.info = app.help();
        out.exitNow = true;
        return out;
    } catch (const CLI::CallForVersion& e) {
        out.info = std::string("brevant-cli ") + kProductVersion + "\n";
        out.exitNow = true;
        return out;
    } catch (const CLI::ParseError& e) {
        out.error = e.what();
        return out;
    }
    o.layoutType = type;
    o.layoutTypeGiven = typeOption->count() > 0;
    o.units = kUnits.at(units);
    o.decimalSeparator = decimal[0];
    for (const std::string& s : sets) {
        const auto eq = s.find('=');
        if (eq == std::string::npos || eq == 0) {
            out.error = "--set needs KEY=VALUE, got: " + s;
            return out;
        }
        o.sets.emplace_back(s.substr(0, eq), s.substr(eq + 1));
    }
    for (const OutputCommand& c : kOutputCommands)
        if (!files[c.name].empty()) o.outputs.push_back({c.name, files[c.name]});
    out.options = std::move(o);
    return out;
}

} // namespace brevant::cli
