#include "TFindFileForm.h"

#include "LocalTimeZone.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    PinLocalTimeZone();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quendal"));
    TFindFileForm form;
    form.show();
    return app.exec();
}
