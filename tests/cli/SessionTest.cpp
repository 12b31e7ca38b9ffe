// korvofont session: the script reader, the answer queue, the session's drawing JSON, and whole
// editing sessions through the executable.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <regex>
#include <string>
#include <vector>

#include "SessionAnswers.h"
#include "SessionScript.h"
#include "json/DrawingJson.h"
#include "model/Data.h"
#include "model/DrawObjPolygon.h"
#include "model/Paper.h"
#include "platform/KeyCodes.h"
#include "support/KorvofontRun.h"

namespace korvo {
namespace {

using nlohmann::json;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using Outcome = CSessionAnswers::Outcome;
using test::CommandRun;
using test::Korvofont;
using test::Sample;
using test::TempDir;

TEST(SessionScript, ReadsEveryKindOfLine) {
    const SessionScript script = ParseSessionScript(
        "# a comment line\n"
        "size 640 480\n"
        "\n"
        "command 32824   # Load Char\n"
        "  click 10.5 -2 shift\n"
        "wheel 100 +100 -120 ctrl shift\r\n"
        "key kp_add ctrl\n"
        "key q\n"
        "answer 2.5 3\n"
        "answer cancel\n"
        "rdblclick 1e2 0");
    ASSERT_TRUE(script.errors.empty()) << script.errors[0];
    ASSERT_EQ(script.lines.size(), 9u);
    const std::vector<SessionLine>& l = script.lines;
    EXPECT_EQ(l[0].verb, SessionVerb::Size);
    EXPECT_EQ(l[0].width * 1000 + l[0].height, 640480);
    EXPECT_EQ(l[1].verb, SessionVerb::Command);
    EXPECT_EQ(l[1].id, 32824);
    EXPECT_EQ(l[1].number, 4);
    EXPECT_EQ(l[1].text, "command 32824");
    EXPECT_EQ(l[2].verb, SessionVerb::Click);
    EXPECT_EQ(l[2].x, 10.5);
    EXPECT_EQ(l[2].y, -2.0);
    EXPECT_TRUE(l[2].shift && !l[2].ctrl);
    EXPECT_EQ(l[3].verb, SessionVerb::Wheel);
    EXPECT_EQ(l[3].y, 100.0);
    EXPECT_EQ(l[3].delta, -120);
    EXPECT_TRUE(l[3].shift && l[3].ctrl);
    EXPECT_EQ(l[4].key, kVkAdd);
    EXPECT_TRUE(l[4].ctrl && !l[4].shift);
    EXPECT_EQ(l[5].key, 'Q');
    EXPECT_EQ(l[6].answer.kind, SessionAnswer::Kind::Fields);
    EXPECT_THAT(l[6].answer.fields, ElementsAre("2.5", "3"));
    EXPECT_EQ(l[7].answer.kind, SessionAnswer::Kind::Cancel);
    EXPECT_EQ(l[8].verb, SessionVerb::RDblClick);
    EXPECT_EQ(l[8].x, 100.0);
    EXPECT_EQ(l[8].number, 11);
}

// A key runs the command the window binds it to (while that command is enabled).
TEST(SessionScript, KeysKnowTheirCommands) {
    const std::pair<std::string, int> cases[] = {
        {"key l", 32824},        {"key L", 32824},      {"key c", 32826},
        {"key c shift", 41026},  {"key c ctrl", 57634}, {"key b ctrl", 41025},
        {"key b ctrl shift", 0}, {"key delete", 41033}, {"key escape", 32768},
        {"key space", 0},        {"key x", 0},          {"key kp_add", 0},
    };
    for (const auto& [text, command] : cases) {
        const SessionScript script = ParseSessionScript(text);
        ASSERT_EQ(script.lines.size(), 1u) << text;
        EXPECT_EQ(script.lines[0].id, command) << text;
    }
}

TEST(SessionScript, InvalidLinesAreNamedAndNothingIsKept) {
    const std::pair<std::string, std::string> cases[] = {
        {"jump 1 2", "line 1: \"jump\" is not a session word"},
        {"size 0 10", "size wants a width and a height in pixels"},
        {"size 100", "size wants a width"},
        {"size 100 16385", "each from 1 to 16384"},
        {"command", "command wants one command id"},
        {"command 65536", "command wants one command id from 0 to 65535"},
        {"command 12x", "command wants one command id"},
        {"move 1", "move wants X Y in drawing units"},
        {"click 1 nan", "click wants X Y"},
        {"down 1 2 alt", "\"alt\" is not a key to hold"},
        {"up 1 2 shift shift", "\"shift\" is not a key to hold"},
        {"wheel 1 2", "wheel wants X Y and a whole DELTA"},
        {"wheel 1 2 1.5", "wheel wants X Y and a whole DELTA"},
        {"wheel 1 2 40000", "from -32768 to 32767"},
        {"key", "key wants space, ctrl"},
        {"key f3", "key wants space, ctrl"},
        {"key 7", "key wants space"},
        {"key a meta", "\"meta\" is not a key to hold"},
        {"answer", "answer wants yes, no, ok, cancel, max"},
        {"answer yes no", "answer wants yes"},
        {"answer 1 yes", "answer wants yes"},
        {"answer 0x41", "answer wants yes"},
    };
    for (const auto& [line, message] : cases) {
        const SessionScript script = ParseSessionScript("move 1 2\n" + line + "\nclick 3 4\n");
        EXPECT_TRUE(script.lines.empty()) << line;
        ASSERT_EQ(script.errors.size(), 1u) << line;
        EXPECT_THAT(script.errors[0], HasSubstr("line 2: ")) << line;
        EXPECT_THAT(script.errors[0], HasSubstr(message.substr(message.find(':') + 1))) << line;
    }
    const SessionScript two = ParseSessionScript("bad\n# fine\nsize 1\n");
    EXPECT_THAT(two.errors, ElementsAre(HasSubstr("line 1:"), HasSubstr("line 3:")));
}

SessionLine Answer(int number, const std::string& words) {
    const SessionScript script = ParseSessionScript("answer " + words);
    EXPECT_EQ(script.lines.size(), 1u) << words;
    SessionLine line = script.lines.at(0);
    line.number = number;
    return line;
}

TEST(SessionAnswers, MessageBoxesTakeOnlyTheirOwnButtons) {
    struct Case {
        std::string answer;
        MessageButtons buttons;
        Outcome outcome;
        MessageAnswer got;
    };
    const Case cases[] = {
        {"yes", MessageButtons::YesNo, Outcome::Answered, MessageAnswer::Yes},
        {"no", MessageButtons::YesNoCancel, Outcome::Answered, MessageAnswer::No},
        {"cancel", MessageButtons::YesNoCancel, Outcome::Cancelled, MessageAnswer::Cancel},
        {"ok", MessageButtons::Ok, Outcome::Answered, MessageAnswer::Ok},
        {"cancel", MessageButtons::OkCancel, Outcome::Cancelled, MessageAnswer::Cancel},
        {"ok", MessageButtons::YesNo, Outcome::Invalid, MessageAnswer::Ok},
        {"cancel", MessageButtons::YesNo, Outcome::Invalid, MessageAnswer::Ok},
        {"yes", MessageButtons::Ok, Outcome::Invalid, MessageAnswer::Ok},
        {"65", MessageButtons::Ok, Outcome::Invalid, MessageAnswer::Ok},
        {"max", MessageButtons::OkCancel, Outcome::Invalid, MessageAnswer::Ok},
    };
    for (const Case& c : cases) {
        CSessionAnswers answers;
        answers.Push(Answer(7, c.answer));
        MessageAnswer got = MessageAnswer::Ok;
        EXPECT_EQ(answers.AnswerMessage(c.buttons, got), c.outcome) << c.answer;
        EXPECT_EQ(got, c.got) << c.answer;
        if (c.outcome == Outcome::Invalid) {
            EXPECT_THAT(answers.Error(), HasSubstr("line 7: \"answer " + c.answer + "\""));
        }
        EXPECT_TRUE(answers.Empty());
        EXPECT_EQ(answers.AnswerMessage(c.buttons, got), Outcome::Unanswered);
    }
    EXPECT_EQ(CSessionAnswers::DismissAnswer(MessageButtons::YesNo), MessageAnswer::No);
    EXPECT_EQ(CSessionAnswers::DismissAnswer(MessageButtons::Ok), MessageAnswer::Ok);
    EXPECT_EQ(CSessionAnswers::DismissAnswer(MessageButtons::YesNoCancel), MessageAnswer::Cancel);
}

// Each dialog refuses values out of its range with its range message and stays open for the
// next answer; an answer of the wrong shape stops the script.
TEST(SessionAnswers, DialogsCheckLikeTheirWindows) {
    struct Case {
        std::vector<std::string> answers;
        Outcome outcome;
        std::string result;  // the dialog's values after the question
        std::vector<std::string> ranges;
    };
    auto character = [](CSessionAnswers& a) {
        int code = 70;
        const Outcome outcome = a.AnswerCharacter(code);
        return std::pair(outcome, std::to_string(code));
    };
    auto lines = [](CSessionAnswers& a) {
        int count = 10;
        const Outcome outcome = a.AnswerLineCount(count);
        return std::pair(outcome, std::to_string(count));
    };
    auto grid = [](CSessionAnswers& a) {
        float x = 2.5f;
        float y = 2.5f;
        const Outcome outcome = a.AnswerUserGrid(x, y);
        return std::pair(outcome, std::to_string(x) + " " + std::to_string(y));
    };
    const std::string gridRange = "Please enter a number between 0 and 1e+10.";
    using Ask = std::function<std::pair<Outcome, std::string>(CSessionAnswers&)>;
    const std::string codes = "Please enter an integer between 33 and 255.";
    const std::string counts = "Please enter an integer between 2 and 255.";
    const std::string integer = "Please enter an integer.";
    const std::vector<std::pair<Ask, std::vector<Case>>> dialogs = {
        {character,
         {
             {{"65"}, Outcome::Answered, "65", {}},
             {{"ok"}, Outcome::Answered, "70", {}},
             {{"32", "65.5", "256", "255"}, Outcome::Answered, "255", {codes, integer, codes}},
             {{"32"}, Outcome::Unanswered, "70", {codes}},
             {{"300", "cancel", "65"}, Outcome::Cancelled, "70", {codes}},
             {{"yes"}, Outcome::Invalid, "70", {}},
             {{"65 66"}, Outcome::Invalid, "70", {}},
             {{"max"}, Outcome::Invalid, "70", {}},
         }},
        {lines,
         {
             {{"max"}, Outcome::Answered, "0", {}},
             {{"1", "256", "2"}, Outcome::Answered, "2", {counts, counts}},
             {{"ok"}, Outcome::Answered, "10", {}},
             {{"no"}, Outcome::Invalid, "10", {}},
         }},
        {grid,
         {
             {{"0 1e10"}, Outcome::Answered, "0.000000 10000000000.000000", {}},
             {{"-1 2", "3 4"}, Outcome::Answered, "3.000000 4.000000", {gridRange}},
             {{"1"}, Outcome::Invalid, "2.500000 2.500000", {}},
             {{"1 1e39", "ok"}, Outcome::Answered, "2.500000 2.500000", {"Please enter a number."}},
         }},
    };
    for (const auto& [ask, cases] : dialogs) {
        for (const Case& c : cases) {
            std::vector<std::string> ranges;
            std::vector<int> rangeLines;
            CSessionAnswers answers([&](int line, std::string_view message) {
                ranges.emplace_back(message);
                rangeLines.push_back(line);
            });
            for (std::size_t i = 0; i < c.answers.size(); ++i) {
                answers.Push(Answer(static_cast<int>(i) + 1, c.answers[i]));
            }
            const auto [outcome, result] = ask(answers);
            const std::string label = c.answers.front();
            EXPECT_EQ(outcome, c.outcome) << label;
            EXPECT_EQ(result, c.result) << label;
            EXPECT_EQ(ranges, c.ranges) << label;
            for (std::size_t i = 0; i < rangeLines.size(); ++i) {
                EXPECT_EQ(rangeLines[i], static_cast<int>(i) + 1) << label;
            }
        }
    }
}

TEST(SessionAnswers, ValueInputAndHelpLinesTakeTheirVisibleFields) {
    CSessionAnswers answers;
    ValueInputRows rows{{{"X", 1.0f}, {"", 2.0f}, {"Y", 3.0f}, {"", 4.0f}, {"", 5.0f}}};
    answers.Push(Answer(1, "7 8 9"));
    EXPECT_EQ(answers.AnswerValues(rows), Outcome::Invalid);
    EXPECT_THAT(answers.Error(), HasSubstr("value-input dialog (2 visible fields"));
    answers.Push(Answer(2, "-7.5 8"));
    ASSERT_EQ(answers.AnswerValues(rows), Outcome::Answered);
    EXPECT_EQ(rows[0].value, -7.5f);
    EXPECT_EQ(rows[1].value, 2.0f) << "a hidden row comes back unchanged";
    EXPECT_EQ(rows[2].value, 8.0f);

    std::vector<std::string> ranges;
    CSessionAnswers help([&](int, std::string_view message) { ranges.emplace_back(message); });
    HelpLineValues values;
    values.positions[6] = 5.0f;
    help.Push(Answer(1, "1 10 0 20 1 30 0 40 1 50 0 60 1 200.5"));
    help.Push(Answer(2, "1 10 0 20 1 30 0 40 1 50 0 60 1 200"));
    help.Push(Answer(3, "1 10 0 20 1 30 0 40 1 50 0 60 2 200"));
    ASSERT_EQ(help.AnswerHelpLines(values), Outcome::Answered);
    EXPECT_THAT(ranges, ElementsAre("Please enter a number between 0 and 200."));
    EXPECT_EQ(values.positions[6], 200.0f);
    EXPECT_EQ(values.flags[6], 1);
    EXPECT_EQ(values.flags[1], 0);
    EXPECT_EQ(values.positions[1], 20.0f);
    EXPECT_THAT(help.PendingLines(), ElementsAre(3));
    EXPECT_EQ(help.AnswerHelpLines(values), Outcome::Invalid) << "a check box is 0 or 1";
}

TEST(SessionDrawingJson, EveryElementWithItsMark) {
    CPaper paper;
    auto add = [&](std::int32_t type, auto make, std::uint16_t mark) {
        auto node = std::make_unique<CData>(type);
        make(*node);
        node->SetMark(mark);
        paper.AddNode(std::move(node));
    };
    add(
        kNodeLine, [](CData& n) { n.CreateLine(1, 2, 3, 4.5f, 0, 0.25f, 0, 1); }, 1);
    add(
        kNodePoint, [](CData& n) { n.CreateCircle(5, 6, 1, 0, 0.25f, 0, 0, 0, 0, 1); }, 0);
    add(
        kNodeEllipse, [](CData& n) { n.CreateEllipse(7, 8, 9, 10, 0, 90, 30, 0, 0.25f, 0, 20); },
        2);
    add(
        kNodeGroup,
        [](CData& n) {
            n.SetElement(std::make_unique<CDrawObjPolygon>(
                std::vector<PointF>{{0, 0}, {10, 0}, {5, 0.1f}}, 0, 250, 0, 0, 0, 0, 1));
        },
        1);
    add(
        kNodeText,
        [](CData& n) { n.CreateText("A\xE9\x83", 10, 20, 5, 100, 100, 45, 0, 0, "", 0.25f, 0, 1); },
        0);

    const json written =
        json::parse(WriteDrawingJson(paper, {.everyElement = true, .marks = true}));
    const json expected = json::parse(R"({"elements": [
        {"type": "line", "x1": 1, "y1": 2, "x2": 3, "y2": 4.5, "level": 1, "mark": 1},
        {"type": "point", "x": 5, "y": 6, "level": 1, "mark": 0},
        {"type": "ellipse", "cx": 7, "cy": 8, "a": 9, "b": 10, "rotation": 30, "start": 0,
         "end": 90, "level": 20, "mark": 2},
        {"type": "polygon", "points": [[0, 0], [10, 0], [5, 0.1]], "level": 1, "mark": 1},
        {"type": "text", "text": "A\u00e9\u0192", "x": 10, "y": 20, "height": 5, "angle": 45,
         "level": 1, "mark": 0}
    ]})");
    EXPECT_EQ(written, expected);
    // The decode form stays as it was: stored kinds by node type, no marks.
    const json plain = json::parse(WriteDrawingJson(paper));
    ASSERT_EQ(plain["elements"].size(), 3u);
    EXPECT_FALSE(plain["elements"][0].contains("mark"));
}

// --- whole sessions through the executable -------------------------------------------------------

struct Session {
    TempDir dir;
    std::string font = dir.File("font.dat");

    Session() { std::filesystem::copy_file(Sample("futural.dat"), font); }

    CommandRun Run(const std::string& script, std::vector<std::string> options = {}) {
        test::WriteText(dir.File("script.txt"), script);
        std::vector<std::string> args = {"session", font, dir.File("script.txt")};
        args.insert(args.end(), options.begin(), options.end());
        return Korvofont(dir, args);
    }
    json Glyphs(const std::string& path) {
        return json::parse(Korvofont(dir, {"dump", path}).out)["glyphs"];
    }
    json Decoded(int code) {
        return json::parse(Korvofont(dir, {"decode", font, std::to_string(code)}).out)["elements"];
    }
};

json GlyphOf(const json& glyphs, int code) {
    for (const json& glyph : glyphs) {
        if (glyph["code"] == code) {
            return glyph;
        }
    }
    return nullptr;
}

// The pairs column of korvofont info for one code.
int PairsOf(const std::string& info, int code) {
    std::smatch match;
    const std::regex row("\n +" + std::to_string(code) + " +\\S +(\\d+) ");
    return std::regex_search(info, match, row) ? std::stoi(match[1]) : -1;
}

TEST(Session, InvalidScriptsStopBeforeAnythingIsWritten) {
    const std::pair<std::string, std::string> cases[] = {
        {"answer 65\ncommand 32824\nclick 1\n", "script.txt: line 3: click wants X Y"},
        {"# fine\nsize 800 600\ncommand 99999\n", "line 3: command wants one command id"},
        {"command 12345\n", "line 1: no menu, toolbar or key gives the command 12345"},
        {"command 57603\n", "line 1: command 57603 belongs to the main window"},
        {"key s ctrl\n", "line 1: command 57603 belongs to the main window"},
        // Found only when the character dialog asks: the answer cannot answer it.
        {"answer 65\ncommand 32824\nanswer yes\ncommand 32825\n",
         "line 3: \"answer yes\" cannot answer the character dialog"},
        // The second Load Char asks for the code, then whether to clear the drawing.
        {"answer 65\ncommand 32824\nanswer 66\nanswer 67\ncommand 32824\n",
         "line 4: \"answer 67\" cannot answer a message box of yes or no"},
    };
    for (const auto& [script, message] : cases) {
        Session session;
        const CommandRun run = session.Run(
            script, {"-o", session.dir.File("out.dat"), "--drawing", session.dir.File("d.json")});
        EXPECT_EQ(run.status, 2) << script;
        EXPECT_THAT(run.err, HasSubstr(message)) << script;
        EXPECT_EQ(run.out, "") << script;
        EXPECT_FALSE(std::filesystem::exists(session.dir.File("out.dat"))) << script;
        EXPECT_FALSE(std::filesystem::exists(session.dir.File("d.json"))) << script;
        EXPECT_TRUE(test::ReadBytes(session.font) == test::ReadBytes(Sample("futural.dat")));
    }
    Session session;
    EXPECT_EQ(
        Korvofont(session.dir, {"session", session.font, session.dir.File("none.txt")}).status, 1);
}

TEST(Session, LoadZoomStoreAndSave) {
    Session session;
    const std::string out = session.dir.File("out.dat");
    const CommandRun run = session.Run(
        "answer 65\n"
        "command 32824            # Load Char\n"
        "wheel 100 100 120 ctrl   # one notch in\n"
        "wheel 60 150 120 ctrl\n"
        "answer 66\n"
        "command 32825            # Save Char\n",
        {"-o", out});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(test::ReadBytes(session.font) == test::ReadBytes(Sample("futural.dat")));
    json before = session.Glyphs(session.font);
    json after = session.Glyphs(out);
    json a = GlyphOf(before, 65);
    json b = GlyphOf(after, 66);
    ASSERT_FALSE(b.is_null());
    b["code"] = 65;
    EXPECT_EQ(b, a) << "Save Char stores what Load Char loaded, whatever the zoom";
    // Every other glyph is as it was.
    auto without66 = [](json glyphs) {
        json kept = json::array();
        for (const json& glyph : glyphs) {
            if (glyph["code"] != 66) {
                kept.push_back(glyph);
            }
        }
        return kept;
    };
    EXPECT_EQ(without66(after), without66(before));
}

TEST(Session, QuestionsWithoutAnAnswerAreCancelledAndReported) {
    Session session;
    const std::string out = session.dir.File("out.dat");
    const std::string drawing = session.dir.File("d.json");
    const CommandRun run = session.Run(
        "answer 65\n"
        "command 32824\n"
        "answer 66\n"
        "command 32824   # the clear question finds no answer: B comes on top of A\n"
        "command 32825   # the character dialog finds none: nothing is stored\n"
        "answer 70\n"
        "command 41033   # Erase selected is greyed while nothing is selected\n",
        {"--trace", "-o", out, "--drawing", drawing});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_THAT(run.err, HasSubstr("korvofont: line 4: no answer queued for the message "
                                   "\"Drawing-area is not empty \\n Clear drawing-area ?\"; it "
                                   "is closed with no\n"));
    EXPECT_THAT(run.err, HasSubstr("korvofont: line 5: no answer queued for the character "
                                   "dialog; it is cancelled\n"));
    EXPECT_THAT(run.err, HasSubstr("korvofont: line 6: this answer was never asked for\n"));
    EXPECT_THAT(run.err,
                HasSubstr("korvofont: line 7: command 41033 is greyed out now; nothing happens\n"));
    EXPECT_THAT(run.out, HasSubstr("message: Drawing-area is not empty \\n Clear drawing-area ? "
                                   "-> no\n"));
    EXPECT_TRUE(test::ReadBytes(out) == test::ReadBytes(session.font));
    const json elements = json::parse(test::ReadText(drawing))["elements"];
    EXPECT_EQ(elements.size(), session.Decoded(65).size() + session.Decoded(66).size());
}

TEST(Session, TraceShowsEveryChangeOfTheElementCountAndThePrompt) {
    Session session;
    const std::string info = Korvofont(session.dir, {"info", session.font}).out;
    const CommandRun run = session.Run(
        "answer 66\n"
        "command 32824\n"
        "command 32824   # the same dialog is cancelled: no change, nothing traced\n"
        "command 32826   # Clear Char\n"
        "answer 65\n"
        "key l           # the key of Load Char\n",
        {"--trace"});
    ASSERT_EQ(run.status, 0) << run.err;
    auto count = [](int n) { return "status 2: Elements = " + std::to_string(n) + "  (< 256)\n"; };
    const std::string prompt = "status 0: Pick an element, or drag a window around elements\n";
    EXPECT_EQ(run.out,
              count(0) + prompt + count(PairsOf(info, 66)) + count(0) + count(PairsOf(info, 65)));
}

json DrawnLine(double x1, double y1, double x2, double y2, int mark = 0) {
    return json{{"type", "line"}, {"x1", x1},   {"y1", y1},    {"x2", x2},
                {"y2", y2},       {"level", 1}, {"mark", mark}};
}

// Element by element and key by key; numbers within the rounding of a turn or a reflection.
void ExpectDrawing(const json& got, const json& want) {
    ASSERT_EQ(got.size(), want.size()) << got.dump();
    for (std::size_t i = 0; i < want.size(); ++i) {
        EXPECT_EQ(got[i].size(), want[i].size()) << got[i].dump();
        for (const auto& [key, value] : want[i].items()) {
            if (value.is_number()) {
                EXPECT_NEAR(got[i][key].get<double>(), value.get<double>(), 1e-3) << got[i].dump();
            } else {
                EXPECT_EQ(got[i][key], value) << got[i].dump();
            }
        }
    }
}

// A line from (10, 10) to (30, 10), drawn and selected, on the whole sheet at 4 pixels per unit so
// the clicks land on the very points named.
constexpr const char* kWholeSheet = "size 2490 1410\ncommand 41030     # Zoom original\n";
const std::string kSelectedLine = std::string(kWholeSheet) +
                                  "command 41040     # Line\n"
                                  "click 10 10\nclick 30 10\nrclick 0 0\n"
                                  "command 41022     # Select all\n";

// Every kind of tool through its command, clicks, keys and typed values, to the drawing written.
TEST(Session, ToolsReachTheDrawingThroughTheirCommands) {
    const json circle = {
        {"type", "ellipse"}, {"cx", 100},  {"cy", 100},  {"a", 7},     {"b", 7},
        {"rotation", 0},     {"start", 0}, {"end", 360}, {"level", 1}, {"mark", 0}};
    const json point = {{"type", "point"}, {"x", 60}, {"y", 60}, {"level", 1}, {"mark", 0}};
    struct Case {
        const char* name;
        std::string script;
        // A vector, not a json: a braced single element would be read as that element itself
        // by some compilers rather than as an array of one.
        std::vector<json> drawing;
    };
    const Case cases[] = {
        {"drawing tools",
         std::string(kWholeSheet) + "command 41040     # Line\n"
                                    "click 10 10\nclick 30 10\n"
                                    "answer 90 20      # angle and length\n"
                                    "key ctrl\nrclick 0 0\n"
                                    "command 41026     # Circle\n"
                                    "click 100 100\nanswer 7\nkey space\n"
                                    "command 41239     # Point\n"
                                    "click 60 60\nrclick 60 60\n",
         {DrawnLine(10, 10, 30, 10), DrawnLine(30, 10, 30, 30), circle, point}},
        {"trim, extend, join and break",
         std::string(kWholeSheet) +
             "command 41040     # Line: five lines\n"
             "click 100 20\nclick 100 180\nrclick 0 0\n"
             "click 40 60\nclick 160 60\nrclick 0 0\n"
             "click 40 120\nclick 90 120\nrclick 0 0\n"
             "click 20 150\nclick 60 150\nrclick 0 0\n"
             "click 80 170\nclick 80 140\nrclick 0 0\n"
             "command 41091     # Trim at the vertical line, the left half clicked\n"
             "click 100 40\nclick 60 60\nrclick 0 0\n"
             "command 41089     # Extend to the vertical line, the end half clicked\n"
             "click 100 100\nclick 80 120\nrclick 0 0\n"
             "command 41039     # Join: one lengthened, the other cut back\n"
             "click 50 150\nclick 80 160\nrclick 0 0\n"
             "command 41088     # Break the vertical line between 80 and 50\n"
             "click 100 100\nclick 100 80\nclick 100 50\nrclick 0 0\n",
         {DrawnLine(100, 20, 100, 50), DrawnLine(100, 60, 160, 60), DrawnLine(40, 120, 100, 120),
          DrawnLine(20, 150, 80, 150), DrawnLine(80, 170, 80, 150), DrawnLine(100, 80, 100, 180)}},
        {"move, turned half round on the keypad",
         kSelectedLine + "command 41034\nclick 10 10\nkey kp_add\nkey kp_add\nclick 100 100\n",
         {DrawnLine(100, 100, 80, 100, 1)}},
        {"copy",
         kSelectedLine + "command 41228\nclick 0 0\nclick 5 50\n",
         {DrawnLine(10, 10, 30, 10), DrawnLine(15, 60, 35, 60, 1)}},
        {"rotated copy with ctrl",
         kSelectedLine + "command 41086\nclick 10 10\nclick 30 10\nclick 10 30 ctrl\n",
         {DrawnLine(10, 10, 30, 10, 1), DrawnLine(10, 10, 10, 30)}},
        {"scale",
         kSelectedLine + "command 41087\nclick 10 10\nclick 30 20\n",
         {DrawnLine(10, 10, 50, 10, 1)}},
        {"mirror",
         kSelectedLine + "command 41090\nclick 0 20\nclick 50 20\n",
         {DrawnLine(10, 30, 30, 30, 1)}},
        // Undo while the button is still down keeps the press as a step of its own: Redo
        // brings back the line and then the point.
        {"undo during a press",
         std::string(kWholeSheet) + "command 41040\nclick 10 10\nclick 30 10\nrclick 0 0\n"
                                    "command 41239\ndown 60 60\nkey z ctrl\nup 60 60\n"
                                    "key y ctrl\nkey y ctrl\n",
         {DrawnLine(10, 10, 30, 10), point}},
        // Pixel column 2490 and row 1410 lie just past the view: neither press reaches the tool.
        {"presses one pixel past the view",
         std::string(kWholeSheet) +
             "command 41040\nclick 10 10\nclick 621.25 10\nclick 10 -1.25\nrclick 0 0\n",
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Session session;
        const std::string drawing = session.dir.File("d.json");
        const CommandRun run = session.Run(c.script, {"--drawing", drawing});
        ASSERT_EQ(run.status, 0) << run.err;
        ExpectDrawing(json::parse(test::ReadText(drawing))["elements"], json(c.drawing));
    }
}

}  // namespace
}  // namespace korvo
