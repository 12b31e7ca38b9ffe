// The shell's print request on the command line: which words are the request and which are the
// fonts, and how a request that cannot be carried out ends, with nobody at the screen.
#include <gtest/gtest.h>

#include <QStringList>

#include "KorvoFEApp.h"
#include "PrintRequest.h"

namespace korvo {
namespace {

const QString kFont = QStringLiteral(KORVO_SOURCE_DIR "/samples/futural.dat");

TEST(PrintRequestTest, SwitchesAreTakenOutAndFailuresEndWithAStatus) {
    struct Case {
        QStringList arguments;
        QString printer;
        QStringList fonts;  // what start-up is left with
        int status;         // of Run: nothing here can reach a real printer
    };
    const Case cases[] = {
        {{"--print"}, "", {}, 2},
        {{kFont, "--print-to"}, "", {kFont}, 2},
        {{"--print-to=", kFont}, "", {kFont}, 2},
        {{"--print", "-x", "/nonexistent/none.dat"}, "", {"-x", "/nonexistent/none.dat"}, 1},
        {{kFont, "--print-to", "No Such 4711"}, "No Such 4711", {kFont}, 1},
        {{"--print-to=No Such 4711", kFont}, "No Such 4711", {kFont}, 1},
        // The name is the next word even when it looks like a font.
        {{"--print-to", kFont}, kFont, {}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        QStringList arguments = c.arguments;
        const CPrintRequest request = CPrintRequest::Take(arguments);
        EXPECT_TRUE(request.IsRequested());
        EXPECT_EQ(request.PrinterName(), c.printer);
        EXPECT_EQ(arguments, c.fonts);
        CKorvoFEApp app;
        EXPECT_EQ(request.Run(app, arguments), c.status);
    }
    QStringList plain = {kFont};
    EXPECT_FALSE(CPrintRequest::Take(plain).IsRequested());
    EXPECT_EQ(plain, QStringList{kFont});
}

}  // namespace
}  // namespace korvo
