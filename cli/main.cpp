// korvofont: inspect, build and convert font files from the command line.

#include <CLI/CLI.hpp>
#include <exception>
#include <iostream>

#include "FontCommands.h"
#include "GlyphCommands.h"
#include "JhfImport.h"
#include "PictureCommands.h"
#include "SessionCommand.h"

namespace {

constexpr const char* kJsonShape =
    "JSON form: {\"name\": str, \"defaultAdvance\": int, \"glyphs\": [{\"code\": int, "
    "\"left\": int, \"width\": int, \"commands\": [[\"m\"|\"d\"|\"o\", x, y], ...]}, ...]}. "
    "\"m\" starts a polyline, \"d\" draws a line to the pair, \"o\" places a single point; "
    "x and y are whole numbers from 0 to 200, y upwards.";

constexpr const char* kDrawingShape =
    "Drawing JSON: {\"elements\": [{\"type\": \"line\", \"x1\", \"y1\", \"x2\", \"y2\"}, "
    "{\"type\": \"point\", \"x\", \"y\"}, {\"type\": \"ellipse\", \"cx\", \"cy\", \"a\", "
    "\"b\", \"rotation\", \"start\", \"end\"}, ...]}, each key with a number. Units are those "
    "of the sheet, y upwards; a and b are the radii along the ellipse's own axes, rotation turns "
    "them counter-clockwise, start and end are the angles of the arc's ends as seen from the "
    "centre (a full ellipse runs from 0 to 360), all in degrees. An optional \"level\" "
    "(default 1) sets the element's level; level 20 holds construction lines, never stored. "
    "Only what lies in the drawing area, 0 to 200 in x and y, is stored, at most 255 coordinate "
    "pairs.";

constexpr const char* kStoring =
    "The drawing is stored the way the editor's Save Char stores it: ellipses and arcs become "
    "chains of lines, lines crossing the border of the drawing area are clipped, lines meeting "
    "end to end become one polyline, points come last and coordinates are truncated to whole "
    "numbers. A drawing that needs more than 255 pairs is refused with exit status 2. ";

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
        "lines, and the character table with every code's number, character and glyph. PNG, SVG "
        "or PDF by the output's extension; SVG sizes are in millimetres, one drawing unit each, "
        "and a PDF is the printed sheet on a page of its own at its true size.");
    table->add_option("FONT", tableOptions.fontPath, "font file (.dat)")->required();
    table->add_option("-o,--output", tableOptions.outPath, "picture to write (.png, .svg or .pdf)")
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

    korvo::GlyphOptions glyphOptions;
    std::string arcLines;
    std::string trim = "yes";
    CLI::App* decode = app.add_subcommand(
        "decode",
        std::string("Load a glyph onto an empty sheet the way the editor's Load Char does "
                    "and write the drawing as JSON: a line for every stroke, a point "
                    "for every dot. Messages about unknown command letters (err2) go "
                    "to standard output, so use -o for clean JSON. ") +
            kDrawingShape);
    decode->add_option("FONT", glyphOptions.fontPath, "font file (.dat)")->required();
    decode->add_option("CODE", glyphOptions.code, "character code, 0 to 255")
        ->required()
        ->check(CLI::Range(0, 255));
    decode->add_option("-o,--output", glyphOptions.outPath,
                       "drawing JSON to write (default: standard output)");

    const CLI::Validator arcLinesCheck(
        [](std::string& value) {
            return korvo::ParseArcLines(value)
                       ? std::string()
                       : "wants a number from 2 to 255 or max, not " + value;
        },
        "N|max");
    auto addStoringOptions = [&](CLI::App* command) {
        command->add_option("DRAWING", glyphOptions.drawingPath, "drawing JSON file")->required();
        command
            ->add_option("--arc-lines", arcLines,
                         "lines per ellipse or arc, 2 to 255, or max for as many as the 255-pair "
                         "limit leaves (default 10)")
            ->check(arcLinesCheck);
        command
            ->add_option("--trim", trim,
                         "yes (default): clip lines that cross the border of the drawing area; "
                         "no: leave them as they are, so they are not stored")
            ->check(CLI::IsMember({"yes", "no"}));
    };

    CLI::App* encode = app.add_subcommand(
        "encode", std::string("Store a drawing into a glyph of an empty font and write the glyph "
                              "as JSON {\"left\": int, \"width\": int, \"commands\": "
                              "[[\"m\"|\"d\"|\"o\", x, y], ...]}. ") +
                      kStoring + kDrawingShape);
    addStoringOptions(encode);
    encode->add_option("-o,--output", glyphOptions.outPath,
                       "glyph JSON to write (default: standard output)");

    CLI::App* put = app.add_subcommand(
        "put", std::string("Store a drawing as the glyph CODE of a font and save the font; "
                           "nothing is written when the drawing is refused. ") +
                   kStoring + kDrawingShape);
    put->add_option("FONT", glyphOptions.fontPath, "font file (.dat)")->required();
    put->add_option("CODE", glyphOptions.code, "character code, 33 to 255")
        ->required()
        ->check(CLI::Range(33, 255));
    addStoringOptions(put);
    put->add_option("-o,--output", glyphOptions.outPath,
                    "font file to write (default: replace FONT)");

    korvo::SessionOptions sessionOptions;
    CLI::App* session = korvo::AddSessionCommand(app, sessionOptions);

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
        if (*decode) {
            return korvo::RunDecode(glyphOptions.fontPath, glyphOptions.code, glyphOptions.outPath);
        }
        if (*session) {
            return korvo::RunSession(sessionOptions);
        }
        if (*encode || *put) {
            glyphOptions.lineCount =
                arcLines.empty() ? std::nullopt : korvo::ParseArcLines(arcLines);
            glyphOptions.trim = trim == "yes";
            return *encode ? korvo::RunEncode(glyphOptions) : korvo::RunPut(glyphOptions);
        }
        return korvo::RunImportJhf(input, output, firstCode);
    } catch (const std::exception& error) {
        std::cerr << "korvofont: " << error.what() << '\n';
        return korvo::kExitBadInput;
    }
}
