// The shell's print request on the command line: which words are the request and which are the
// fonts, and what a request that cannot be carried out does without anyone at the screen.
#include <gtest/gtest.h>

#include <QPrinterInfo>
#include <QStringList>

#include "KorvoFEApp.h"
#include "MainFrame.h"
#include "PrintRequest.h"

namespace korvo {
namespace {

const QString kSample = QStringLiteral(KORVO_SOURCE_DIR "/samples/futural.dat");

TEST(PrintRequestTest, SwitchesAreTakenOutAndTheFontsLeft) {
    struct Case {
        QStringList arguments;
        bool requested;
        QString printer;
        bool problem;
        QStringList fonts;
    };
    const Case cases[] = {
        {{"a.dat"}, false, "", false, {"a.dat"}},
        {{"--print", "a.dat"}, true, "", false, {"a.dat"}},
        {{"a.dat", "--print-to", "Lab", "b.dat"}, true, "Lab", false, {"a.dat", "b.dat"}},
        {{"--print-to=Lab 2", "a.dat"}, true, "Lab 2", false, {"a.dat"}},
        // The name is the next word even when it looks like a font.
        {{"--print-to", "a.dat"}, true, "a.dat", false, {}},
        {{"a.dat", "--print-to"}, true, "", true, {"a.dat"}},
        {{"--print-to=", "a.dat"}, true, "", true, {"a.dat"}},
        // Other switches stay for start-up, which passes over them.
        {{"--print", "-x", "a.dat"}, true, "", false, {"-x", "a.dat"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        QStringList arguments = c.arguments;
        const CPrintRequest request = CPrintRequest::Take(arguments);
        EXPECT_EQ(request.IsRequested(), c.requested);
        EXPECT_EQ(request.PrinterName(), c.printer);
        EXPECT_EQ(!request.Problem().isEmpty(), c.problem);
        EXPECT_EQ(arguments, c.fonts);
    }
}

// Nothing here can reach a real printer; every request ends with a status and no window shown.
TEST(PrintRequestTest, RequestsThatCannotBePrintedEndWithAStatus) {
    const bool hasDefault = !QPrinterInfo::defaultPrinter().isNull();
    struct Case {
        const char* name;
        QStringList arguments;
        int status;
    };
    const Case cases[] = {
        {"no font", {"--print"}, 2},
        {"no printer name", {kSample, "--print-to"}, 2},
        {"missing font", {"--print", "/nonexistent/none.dat"}, 1},
        {"unknown printer", {"--print-to", "No Such Printer 4711", kSample}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QStringList arguments = c.arguments;
        const CPrintRequest request = CPrintRequest::Take(arguments);
        CKorvoFEApp app;
        EXPECT_EQ(request.Run(app, arguments), c.status);
    }
    if (!hasDefault) {
        CKorvoFEApp app;
        QStringList arguments = {"--print", kSample};
        const CPrintRequest request = CPrintRequest::Take(arguments);
        EXPECT_EQ(request.Run(app, arguments), 1);
        EXPECT_FALSE(app.MainFrame().isVisible());
        EXPECT_EQ(app.MainFrame().Children().size(), 1u);
    }
}

}  // namespace
}  // namespace korvo
