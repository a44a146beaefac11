#include "TFindFileForm.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quendal"));
    TFindFileForm form;
    form.show();
    return app.exec();
}
