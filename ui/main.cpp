#include <QApplication>
#include <QStringList>

#include "KorvoFEApp.h"
#include "PrintRequest.h"

// korvofe [FONT.dat ...]
// korvofe --print FONT.dat ... | --print-to PRINTER FONT.dat ...
int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QStringList arguments = QApplication::arguments().mid(1);
    const korvo::CPrintRequest print = korvo::CPrintRequest::Take(arguments);
    korvo::CKorvoFEApp editor;
    if (print.IsRequested()) {
        return print.Run(editor, arguments);
    }
    if (!editor.InitInstance(arguments)) {
        return 1;
    }
    return QApplication::exec();
}
