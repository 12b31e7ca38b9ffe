// korvofont: inspect, build and convert font files from the command line.

#include <CLI/CLI.hpp>
#include <exception>
#include <iostream>

#include "FontCommands.h"
#include "JhfImport.h"
#include "PictureCommands.h"

namespace {

constexpr const char* kJsonShape =
    "JSON form: {\"name\": str, \"defaultAdvance\": int, \"glyphs\": [{\"code\": int, "
    "\"left\": int, \"width\": int, \"commands\": [[\"m\"|\"d\"|\"o\", x, y], ...]}, ...]}. "
    "\"m\" starts a polyline, \"d\" draws a line to the pair, \"o\" places a single point; "
    "x and y are whole numbers from 0 to 200, y upwards.";

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"korvofont - inspect, build and convert KorvoFE stroke fonts (.dat files)."};
    app.require_subcommand(1);
    app.footer(
        "Exit status: 0 success, 1 a file could not be opened or written, 2 damaged or invalid "
        "input.\nRun 'korvofont COMMAND --help' for the options of a command.");

    std::string font;
    std::string input;
    std::string output;
    int firstCode = 32;

    CLI::App* info = app.add_subcommand(
        "info",
        "Show a font's name, number of defined glyphs, default advance and the table of "
        "defined codes with their pair counts and widths.");
    info->add_option("FONT", font, "font file (.dat)")->required();

    CLI::App* dump = app.add_subcommand(
        "dump", std::string("Write a font as JSON, every defined code in ascending order. Messages "
                            "about unknown command letters (err2) go to standard output, so use "
                            "-o for clean JSON. ") +
                    kJsonShape);
    dump->add_option("FONT", font, "font file (.dat)")->required();
    dump->add_option("-o,--output", output, "JSON file to write (default: standard output)");

    CLI::App* build = app.add_subcommand(
        "build", std::string("Build a font file from the JSON form (only \"code\" and "
                             "\"commands\" are read; a glyph over 255 pairs keeps its first 255). "
                             "Nothing is written if the JSON has any error. ") +
                     kJsonShape);
    build->add_option("JSON", input, "JSON file to read")->required();
    build->add_option("-o,--output", output, "font file to write")->required();

    CLI::App* importJhf = app.add_subcommand(
        "import-jhf",
        "Import a Hershey font in JHF format (e.g. /usr/share/hershey-fonts/futural.jhf). Glyphs "
        "take codes in file order; every path becomes one polyline with all its vertices, a "
        "one-vertex path a point, a glyph without paths stays undefined. " +
            korvo::DescribeJhfScaleRule());
    importJhf->add_option("JHF", input, "Hershey font file to read")->required();
    importJhf->add_option("-o,--output", output, "font file to write")->required();
    importJhf->add_option("--first-code", firstCode, "code of the file's first glyph (default 32)")
        ->check(CLI::Range(1, 255));

    korvo::TableOptions tableOptions;
    std::string tableSize = "1250x710";
    CLI::App* table = app.add_subcommand(
        "table",
        "Draw the sheet of a new document for a font: the drawing area's frame, grid and help "
        "lines, and the character table with every code's number, character and glyph. PNG or "
        "SVG by the output's extension; SVG sizes are in millimetres, one drawing unit each.");
    table->add_option("FONT", tableOptions.fontPath, "font file (.dat)")->required();
    table->add_option("-o,--output", tableOptions.outPath, "picture to write (.png or .svg)")
        ->required();
    table->add_option("--size", tableSize, "picture size in pixels, WxH (default 1250x710)");

    korvo::RenderOptions renderOptions;
    CLI::App* render = app.add_subcommand(
        "render",
        "Set a text in a font the way the editor draws vector text, and write it as a PNG or an "
        "SVG of unfilled stroke paths (sizes in millimetres, one drawing unit each) for plotters "
        "and cutters.");
    render->add_option("FONT", renderOptions.fontPath, "font file (.dat)")->required();
    render->add_option("--text", renderOptions.text, "the text; \\n starts a new line")->required();
    render->add_option("-o,--output", renderOptions.outPath, "picture to write (.png or .svg)")
        ->required();
    render
        ->add_option("--height", renderOptions.height,
                     "character height in drawing units "
                     "(default 20)")
        ->check(CLI::Range(0.1, 1000.0));
    render->add_flag(
        "--proportional", renderOptions.proportional,
        "space characters by their own widths instead of a fixed pitch of 0.7 heights");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        const int status = app.exit(error);
        return status == 0 ? korvo::kExitOk : korvo::kExitBadInput;
    }

    try {
        if (*info) {
            return korvo::RunInfo(font);
        }
        if (*dump) {
            return korvo::RunDump(font, output);
        }
        if (*build) {
            return korvo::RunBuild(input, output);
        }
        if (*table) {
            if (!korvo::ParseSize(tableSize, tableOptions.width, tableOptions.height)) {
                std::cerr << "korvofont: --size wants WIDTHxHEIGHT in pixels, e.g. 1250x710\n";
                return korvo::kExitBadInput;
            }
            return korvo::RunTable(tableOptions);
        }
        if (*render) {
            return korvo::RunRender(renderOptions);
        }
        return korvo::RunImportJhf(input, output, firstCode);
    } catch (const std::exception& error) {
        std::cerr << "korvofont: " << error.what() << '\n';
        return korvo::kExitBadInput;
    }
}
