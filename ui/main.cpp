#include <QApplication>
#include <QStringList>

#include "KorvoFEApp.h"

// korvofe [FONT.dat]
int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    korvo::CKorvoFEApp editor;
    if (!editor.InitInstance(QApplication::arguments().mid(1))) {
        return 1;
    }
    return QApplication::exec();
}
