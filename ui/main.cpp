#include <QApplication>
#include <QStringList>
#include <cstdio>

#include "InstanceChannel.h"
#include "KorvoFEApp.h"
#include "PrintRequest.h"

// korvofe [--new-instance] [FONT.dat ...]
// korvofe --print FONT.dat ... | --print-to PRINTER FONT.dat ...
int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QStringList arguments = QApplication::arguments().mid(1);
    const korvo::CPrintRequest print = korvo::CPrintRequest::Take(arguments);
    korvo::CKorvoFEApp editor;
    if (print.IsRequested()) {
        return print.Run(editor, arguments);
    }
    using korvo::CInstanceChannel;
    const bool separate = CInstanceChannel::StartsSeparately(arguments);
    if (!separate) {
        switch (CInstanceChannel::Deliver(arguments)) {
            case CInstanceChannel::HandOver::Delivered:
                return 0;
            case CInstanceChannel::HandOver::NoAnswer:
                std::fputs("korvofe: the running editor does not answer; starting another\n",
                           stderr);
                break;
            case CInstanceChannel::HandOver::NoEditor:
                break;
        }
    }
    if (!editor.InitInstance(arguments)) {
        return 1;
    }
    CInstanceChannel channel;
    if (!separate && channel.Listen()) {
        QObject::connect(&channel, &CInstanceChannel::FilesArrived, &application,
                         [&editor](const QStringList& files) { editor.OpenHandedFiles(files); });
    }
    return QApplication::exec();
}
