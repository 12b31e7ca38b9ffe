// korvofont session: the script reader, the answer queue, the session's drawing JSON, and whole
// editing sessions through the executable.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
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

TEST(SessionScript, InvalidLinesAreNamedAndNothingIsKept) {
    const std::pair<std::string, std::string> cases[] = {
        {"jump 1 2", "line 1: \"jump\" is not a session word"},
        {"size 0 10", "size wants a width and a height in pixels"},
        {"size 100 16385", "each from 1 to 16384"},
        {"command 65536", "command wants one command id from 0 to 65535"},
        {"command 12x", "command wants one command id"},
        {"tool -1", "tool wants one tool id"},
        {"move 1", "move wants X Y in drawing units"},
        {"click 1 nan", "click wants X Y"},
        {"down 1 2 alt", "\"alt\" is not a key to hold"},
        {"up 1 2 shift shift", "\"shift\" is not a key to hold"},
        {"wheel 1 2 1.5", "wheel wants X Y and a whole DELTA"},
        {"wheel 1 2 40000", "from -32768 to 32767"},
        {"key f3", "key wants space, ctrl"},
        {"key a meta", "\"meta\" is not a key to hold"},
        {"answer yes no", "answer wants yes"},
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
        {"ok", MessageButtons::YesNo, Outcome::Invalid, MessageAnswer::Ok},
        {"yes", MessageButtons::Ok, Outcome::Invalid, MessageAnswer::Ok},
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
         }},
        {lines,
         {
             {{"max"}, Outcome::Answered, "0", {}},
             {{"ok"}, Outcome::Answered, "10", {}},
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

TEST(Session, InvalidScriptsStopBeforeAnythingIsWritten) {
    const std::pair<std::string, std::string> cases[] = {
        {"answer 65\ncommand 32824\nclick 1\n", "script.txt: line 3: click wants X Y"},
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

json DrawnLine(double x1, double y1, double x2, double y2, int mark) {
    return json{{"type", "line"}, {"x1", x1},   {"y1", y1},    {"x2", x2},
                {"y2", y2},       {"level", 1}, {"mark", mark}};
}

json Triangle(double x, double y, int mark) {
    return {{"type", "polygon"},
            {"points", {{x, y}, {x + 10, y}, {x + 10, y + 10}}},
            {"level", 1},
            {"mark", mark}};
}

// One script through every session word: a glyph loaded by key and stored by command across a
// zoom, then a drawing built by commands and a tool, undone and redone by keys. The written font
// and the written drawing each follow from the script alone.
TEST(Session, SmokeScriptUsesEveryVerb) {
    Session session;
    const std::string out = session.dir.File("out.dat");
    const std::string drawing = session.dir.File("d.json");
    const CommandRun run = session.Run(
        "dblclick 100 100\nrdblclick 100 100 # an empty sheet: nothing to pick\n"
        "answer 65\n"
        "key l                  # Load Char\n"
        "wheel 100 100 120 ctrl # one notch in\n"
        "mdown 100 100 shift    # the whole drawing area again\n"
        "answer 66\n"
        "command 32825          # Save Char, which clears the sheet\n"
        "size 2490 1410\n"
        "command 41030          # Zoom original: 4 pixels a unit\n"
        "command 41040          # Line\n"
        "click 621.25 10        # pixel column 2490 lies just past the view\n"
        "down 10 10\nup 10 10\nclick 30 10\nrdown 30 10\nrup 30 10\n"
        "command 41045          # Parallel: pick the line, copy it through a point\n"
        "click 20 10\nclick 20 14\nrclick 20 14\n"
        "command 41234          # Polygon\n"
        "click 50 50\nclick 60 50\nclick 60 60\nrclick 60 60\n"
        "command 41022          # Select all\n"
        "command 57634          # Copy, which deselects\n"
        "move 100 100\n"
        "command 57637          # Paste, centred on the pointer\n"
        "click 100 100\nrclick 100 100\n"
        "command 41033          # Erase the pasted copies, still selected\n"
        "move 0 100\n"
        "tool 19078             # Load symbol: the copied elements, held by their origin\n"
        "click 0 100\nrclick 0 100\n"
        "command 57635          # Cut the placed copies\n"
        "move 600 100\n"
        "command 57637          # Paste them again, reaching past the right edge\n"
        "click 600 100\nrclick 600 100\n"
        "command 41163          # Fit paper: the drawing moves to the origin\n"
        "key z ctrl\nkey z shift ctrl # undone and redone\n"
        "command 57644          # Redo again: nothing is left to redo\n",
        {"-o", out, "--drawing", drawing});
    ASSERT_EQ(run.status, 0) << run.err;

    // Save Char stored what Load Char loaded, whatever the zoom; every other glyph is as it was.
    json before = session.Glyphs(session.font);
    json after = session.Glyphs(out);
    for (json& glyph : after) {
        if (glyph["code"] == 66) {
            glyph["code"] = 65;
            EXPECT_EQ(glyph, GlyphOf(before, 65));
            glyph = GlyphOf(before, 66);
        }
    }
    EXPECT_EQ(after, before);
    EXPECT_TRUE(test::ReadBytes(session.font) == test::ReadBytes(Sample("futural.dat")));
    // 5 pixels of margin and 4 pixels a unit: 5 + 4 * 621.25 and 1410 - 5 - 4 * 10.
    EXPECT_THAT(run.err,
                HasSubstr("line 12: the pointer at pixel (2490, 1365) is outside the view"));
    EXPECT_THAT(run.err, HasSubstr("line 46: command 57644 is greyed out now; nothing happens"));

    // The cut copies lay 100 above the originals; pasted centred on (600, 100) their middle
    // (35, 135) moved by (565, -35); fitting then moved everything by (-10, -10).
    const json expected = {
        DrawnLine(0, 0, 20, 0, 0),      DrawnLine(0, 4, 20, 4, 0),      Triangle(40, 40, 0),
        DrawnLine(565, 65, 585, 65, 1), DrawnLine(565, 69, 585, 69, 1), Triangle(605, 105, 1)};
    EXPECT_EQ(json::parse(test::ReadText(drawing))["elements"], expected);
}

}  // namespace
}  // namespace korvo
