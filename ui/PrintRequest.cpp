#include "PrintRequest.h"

#include <QFileInfo>
#include <algorithm>
#include <iostream>

#include "ChildFrame.h"
#include "KorvoFEApp.h"
#include "MainFrame.h"
#include "PrintCommands.h"

namespace korvo {

namespace {

constexpr int kExitPrinted = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

const QString kPrint = QStringLiteral("--print");
const QString kPrintTo = QStringLiteral("--print-to");
const QString kNoName = QStringLiteral("--print-to needs the name of a printer");

void Report(const QString& text) {
    std::cerr << "korvofe: " << text.toStdString() << '\n';
}

}  // namespace

CPrintRequest CPrintRequest::Take(QStringList& arguments) {
    CPrintRequest request;
    QStringList rest;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == kPrint) {
            request.requested_ = true;
        } else if (argument == kPrintTo) {
            request.requested_ = true;
            request.printer_ = i + 1 < arguments.size() ? arguments[++i] : QString();
            request.problem_ = request.printer_.isEmpty() ? kNoName : QString();
        } else if (argument.startsWith(kPrintTo + QLatin1Char('='))) {
            request.requested_ = true;
            request.printer_ = argument.mid(kPrintTo.size() + 1);
            request.problem_ = request.printer_.isEmpty() ? kNoName : QString();
        } else {
            rest.push_back(argument);
        }
    }
    arguments = rest;
    return request;
}

int CPrintRequest::Run(CKorvoFEApp& app, const QStringList& fonts) const {
    if (!problem_.isEmpty()) {
        Report(problem_);
        return kExitUsage;
    }
    const bool hasFont = std::any_of(fonts.begin(), fonts.end(), [](const QString& argument) {
        return !argument.startsWith(QLatin1Char('-'));
    });
    if (!hasFont) {
        Report(QStringLiteral("printing needs a font file"));
        return kExitUsage;
    }
    // Nobody may be at the screen to answer a message box about a missing file.
    for (const QString& font : fonts) {
        if (!font.startsWith(QLatin1Char('-')) && !QFileInfo::exists(font)) {
            Report(QStringLiteral("Font file %1 not found !").arg(font));
            return kExitFailed;
        }
    }
    if (!app.InitInstance(fonts, false)) {
        Report(QStringLiteral("a font could not be opened"));
        return kExitFailed;
    }
    int status = kExitPrinted;
    for (CChildFrame* child : app.MainFrame().Children()) {
        CPaper* paper = child->Paper();
        QString error;
        if (paper == nullptr || !CPrintCommands(nullptr, *paper, child->Title(), child->PathName())
                                     .PrintTo(printer_, error)) {
            Report(child->Title() + QStringLiteral(": ") + error);
            status = kExitFailed;
        }
    }
    return status;
}

}  // namespace korvo
